#include "editing/TypedText.h"

#include "editing/EditControl.h"
#include "editing/EditLines.h"

namespace tw {

void typeAsTyped(EditControl& edit, const QByteArray& ascii) {
    if (ascii.isEmpty() || edit.isReadOnly())
        return;
    const EditLines lines(edit);
    const bool overwrite = edit.SendScintilla(EditControl::SCI_GETOVERTYPE) != 0;
    edit.SendScintilla(EditControl::SCI_BEGINUNDOACTION);
    for (const char c : ascii) {
        const qsizetype caret = edit.selStart();
        if (overwrite && edit.selLength() == 0 && caret < lines.textEnd(lines.lineOf(caret))) {
            const qsizetype next =
                edit.SendScintilla(EditControl::SCI_POSITIONAFTER, static_cast<unsigned long>(caret));
            edit.setSelection(caret, next - caret);
        }
        edit.replaceSelection(QByteArray(1, c));
    }
    edit.SendScintilla(EditControl::SCI_ENDUNDOACTION);
    edit.scrollCaretIntoView();
}

} // namespace tw
