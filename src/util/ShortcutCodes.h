#pragma once
// Menu shortcuts as the settings file stores them: the Windows virtual-key code
// plus 8192 for Shift, 16384 for Ctrl and 32768 for Alt; 0 is no shortcut.
#include <QKeySequence>

namespace tw {

// The shortcut a stored code stands for; an empty sequence for 0 or for a
// code whose key has no Qt counterpart.
QKeySequence shortcutFromCode(int code);
// The code of a single-key shortcut; 0 for none or for a key the table lacks.
int codeFromShortcut(const QKeySequence& shortcut);

} // namespace tw
