#pragma once
// Edit > Indent and Unindent: one leading blank more or less on every line of
// the block the selection touches, done as one replace of the block (one
// undo step), however many lines it holds.
namespace tw {

class EditControl;

// Each line of the block gains one leading space. The selection keeps its
// start and, when it was not empty, grows by the added spaces. Nothing
// happens while the control is read-only. Returns whether the text changed.
bool IndentBlock(EditControl& edit);

// Each line of the block that begins with a space or a tab loses that one
// character. The selection keeps its start and, when it was not empty,
// shrinks by the removed characters. A block without such a line, or a
// read-only control, is left as it was. Returns whether the text changed.
bool UnindentBlock(EditControl& edit);

} // namespace tw
