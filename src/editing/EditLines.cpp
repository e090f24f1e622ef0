#include "editing/EditLines.h"

#include <algorithm>

namespace tw {

namespace {
using Sci = QsciScintillaBase;

unsigned long at(qsizetype value) { return static_cast<unsigned long>(value); }
} // namespace

qsizetype EditLines::count() const { return edit_.SendScintilla(Sci::SCI_GETLINECOUNT); }

qsizetype EditLines::lineOf(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, edit_.length());
    return edit_.SendScintilla(Sci::SCI_LINEFROMPOSITION, at(position));
}

qsizetype EditLines::start(qsizetype line) const {
    if (line >= count())
        return edit_.length();
    return edit_.SendScintilla(Sci::SCI_POSITIONFROMLINE, at(std::max<qsizetype>(line, 0)));
}

qsizetype EditLines::textEnd(qsizetype line) const {
    if (line >= count())
        return edit_.length();
    return edit_.SendScintilla(Sci::SCI_GETLINEENDPOSITION, at(std::max<qsizetype>(line, 0)));
}

qsizetype EditLines::nextStart(qsizetype line) const { return start(line + 1); }

QByteArray EditLines::text(qsizetype line) const { return bytes(start(line), textEnd(line)); }

const char* EditLines::rangePointer(qsizetype start, qsizetype length) const {
    // Moves Scintilla's gap only when it lies inside the range, where
    // SCI_GETCHARACTERPOINTER would move it behind the whole text.
    return reinterpret_cast<const char*>(
        edit_.SendScintilla(Sci::SCI_GETRANGEPOINTER, at(start), static_cast<long>(length)));
}

QByteArray EditLines::bytes(qsizetype start, qsizetype end) const {
    return edit_.bytesInRange(start, end);
}

qsizetype EditLines::charactersBetween(qsizetype start, qsizetype end) const {
    start = std::clamp<qsizetype>(start, 0, edit_.length());
    end = std::clamp<qsizetype>(end, start, edit_.length());
    if (end == start || edit_.encoding() != TextEncoding::Utf8)
        return end - start;
    const char* data = rangePointer(start, end - start);
    // Every byte but a UTF-8 continuation byte begins a character.
    return std::count_if(data, data + (end - start),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

} // namespace tw
