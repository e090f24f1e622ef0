#include "editing/SelectionAnchor.h"

#include "editing/EditControl.h"
#include "editing/EditLines.h"

namespace tw {

void SelectionAnchor::mousePressed(const EditControl& edit) { SelAnchorStart = edit.selStart(); }

void SelectionAnchor::keyPressed(const EditControl& edit) {
    // A key press that finds no selection records the caret as well: a
    // selection that begins with this key begins there. Recording only on a
    // changed length would keep an anchor from before the caret last moved by
    // keyboard, and Shift+End would then show the caret at the start.
    const qsizetype length = edit.selLength();
    if (length != SelAnchorLength || length == 0) {
        SelAnchorLength = length;
        SelAnchorStart = edit.selStart();
    }
}

qsizetype SelectionAnchor::caretIndex(const EditControl& edit) const {
    const qsizetype start = edit.selStart();
    return start != SelAnchorStart ? start : start + edit.selLength();
}

CaretPlace SelectionAnchor::CaretPosition(const EditControl& edit) const {
    const EditLines lines(edit);
    const qsizetype index = caretIndex(edit);
    const qsizetype line = lines.lineOf(index);
    return CaretPlace{lines.charactersBetween(lines.start(line), index), line};
}

} // namespace tw
