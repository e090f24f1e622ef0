#pragma once
// The edit control's lines, as the editing commands see them: 0-based line
// numbers of the document (word wrap does not split a line), positions in
// buffer bytes, and each line's own break (CR LF, LF or CR).
#include <QByteArray>

#include "editing/EditControl.h"

namespace tw {

class EditLines {
public:
    explicit EditLines(const EditControl& edit) : edit_(edit) {}

    // Line numbers are 64-bit like positions: a text past 2 GB may hold
    // more than 2^31 lines.
    qsizetype count() const;
    // The line that holds a position (the last line for the end of the text).
    qsizetype lineOf(qsizetype position) const;
    qsizetype start(qsizetype line) const;
    // Where the line's text ends, before its break.
    qsizetype textEnd(qsizetype line) const;
    // Where the next line starts: after this line's break, or the end of the
    // text for the last line.
    qsizetype nextStart(qsizetype line) const;
    QByteArray text(qsizetype line) const;
    // The bytes of a range, read without rearranging the whole buffer.
    QByteArray bytes(qsizetype start, qsizetype end) const;
    // Characters (not bytes) from start to end: a UTF-8 character of several
    // bytes counts one.
    qsizetype charactersBetween(qsizetype start, qsizetype end) const;

private:
    const char* rangePointer(qsizetype start, qsizetype length) const;

    const EditControl& edit_;
};

} // namespace tw
