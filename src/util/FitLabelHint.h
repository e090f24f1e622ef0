#pragma once
// Long texts (file names) in labels of a fixed-size box: a label whose text
// runs past the box's width less 4 pixels shows its whole text as a tool-tip.
class QLabel;

namespace tw {

// Gives label its shown text as tool-tip when the text's right edge (the
// label's left edge plus the text's width in the label's font) lies beyond
// boxWidth - 4, and no tool-tip otherwise. Returns whether it set one.
// The label's left edge is taken in its parent's coordinates, so the parent
// should be the box. A "&" mnemonic marker of a label with a buddy is not part
// of the shown text.
bool FitLabelHint(QLabel* label, int boxWidth);

// The same, with the label's parent widget as the box.
bool FitLabelHint(QLabel* label);

} // namespace tw
