#pragma once
// Characters put into the edit control as if typed at the keyboard.
#include <QByteArray>

namespace tw {

class EditControl;

// The first character replaces the selection; in overwrite mode a character
// typed with nothing selected replaces the character after the caret, unless
// the caret stands at the end of its line. The caret ends after the last
// character. The whole text is one undo step; nothing happens while the
// control is read-only. `ascii` holds single-byte characters only.
void typeAsTyped(EditControl& edit, const QByteArray& ascii);

} // namespace tw
