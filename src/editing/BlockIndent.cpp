#include "editing/BlockIndent.h"

#include <QByteArray>
#include <algorithm>

#include "editing/EditControl.h"
#include "editing/EditLines.h"

namespace tw {

namespace {

// The lines from the one that holds the selection start to the one that
// holds the selection's last character; with nothing selected, the caret's.
struct Block {
    qsizetype first = 0;
    qsizetype last = 0;
    qsizetype from = 0;   // start of the first line
    qsizetype to = 0;     // after the last line's own break (the text's end for the last line)
};

Block blockOfSelection(const EditControl& edit, const EditLines& lines) {
    Block block;
    const qsizetype start = edit.selStart();
    block.first = lines.lineOf(start);
    block.last = std::max(block.first, lines.lineOf(start + edit.selLength() - 1));
    block.from = lines.start(block.first);
    block.to = lines.nextStart(block.last);
    return block;
}

// Every line keeps its own break, and the text's last line stays without
// one: the block changes only at the beginnings of its lines.
template <typename EditLine>
QByteArray rebuild(const EditLines& lines, const Block& block, EditLine editLine) {
    const QByteArray old = lines.bytes(block.from, block.to);
    QByteArray result;
    result.reserve(old.size() + (block.last - block.first + 1));
    for (int line = block.first; line <= block.last; ++line) {
        const qsizetype begin = lines.start(line) - block.from;
        const qsizetype textEnd = lines.textEnd(line) - block.from;
        const qsizetype next = lines.nextStart(line) - block.from;
        editLine(result, old.constData() + begin, textEnd - begin);
        result.append(old.constData() + textEnd, next - textEnd);
    }
    return result;
}

void replaceBlock(EditControl& edit, const Block& block, const QByteArray& text) {
    edit.SendScintilla(EditControl::SCI_BEGINUNDOACTION);
    edit.setSelection(block.from, block.to - block.from);
    edit.replaceSelection(text);
    edit.SendScintilla(EditControl::SCI_ENDUNDOACTION);
}

} // namespace

bool IndentBlock(EditControl& edit) {
    if (edit.isReadOnly())
        return false;
    const EditLines lines(edit);
    const qsizetype start = edit.selStart();
    const qsizetype length = edit.selLength();
    const Block block = blockOfSelection(edit, lines);
    const QByteArray text =
        rebuild(lines, block, [](QByteArray& out, const char* line, qsizetype size) {
            out.append(' ');
            out.append(line, size);
        });
    replaceBlock(edit, block, text);
    edit.setSelStart(start);
    if (length > 0)
        edit.setSelLength(length + (block.last - block.first + 1));
    return true;
}

bool UnindentBlock(EditControl& edit) {
    if (edit.isReadOnly())
        return false;
    const EditLines lines(edit);
    const qsizetype start = edit.selStart();
    const qsizetype length = edit.selLength();
    const Block block = blockOfSelection(edit, lines);
    qsizetype removed = 0;
    const QByteArray text =
        rebuild(lines, block, [&removed](QByteArray& out, const char* line, qsizetype size) {
            if (size > 0 && (line[0] == ' ' || line[0] == '\t')) {
                ++line;
                --size;
                ++removed;
            }
            out.append(line, size);
        });
    if (removed == 0)
        return false;
    replaceBlock(edit, block, text);
    edit.setSelStart(start);
    if (length > 0)
        edit.setSelLength(length - removed);
    return true;
}

} // namespace tw
