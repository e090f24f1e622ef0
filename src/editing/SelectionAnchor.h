#pragma once
// Where the caret is, told from the selection alone: the control reports a
// selection as start and length, and the anchor recorded when the selection
// began says at which end the caret stands.
#include <QtGlobal>

namespace tw {

class EditControl;

// 0-based; the column counts characters from the start of the line.
struct CaretPlace {
    qsizetype column = 0;
    qsizetype line = 0;
};

class SelectionAnchor {
public:
    // The selection start and length recorded when the selection last began.
    qsizetype SelAnchorStart = 0;
    qsizetype SelAnchorLength = 0;

    // A mouse press, after the control placed the caret at the click.
    void mousePressed(const EditControl& edit);
    // A key press, before the control acts on the key.
    void keyPressed(const EditControl& edit);

    // The caret is at the selection's start when the start moved away from
    // the anchor (a selection grown backwards), else at its end.
    qsizetype caretIndex(const EditControl& edit) const;
    CaretPlace CaretPosition(const EditControl& edit) const;
};

} // namespace tw
