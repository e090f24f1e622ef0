#pragma once
// How a Scintilla document is set up for a loaded text: the room its buffer
// gets and the line break that Enter types.
#include <Qsci/qsciscintillabase.h>
#include <QByteArray>

#include <algorithm>

namespace tw {

// Scintilla grows a document's buffer only when its gap is used up, and then
// copies the whole text: a load that fills the buffer exactly would make one of
// the first keystrokes in a 50 MB document pay for a 50 MB copy. Loading with
// room to spare moves that cost into the load, which allocates anyway.
inline unsigned long roomForText(qsizetype size) {
    constexpr qsizetype kMaxSpare = 4 * 1024 * 1024;
    return static_cast<unsigned long>(size + std::min(size / 8, kMaxSpare));
}

// Scintilla keeps a document's line starts in 32 bits unless the document is
// made for large text (SC_DOCUMENTOPTION_TEXT_LARGE): then it keeps them in 64
// bits, and the text may pass 2 GB. That costs four more bytes a line, about a
// tenth more memory for source code, and nothing measurable in time, so only
// documents that start from this many bytes are made large; smaller ones
// refuse to grow past kSmallTextLimit (EditControl::canGrowBy).
constexpr qsizetype kLargeTextFrom = qsizetype(256) * 1024 * 1024;
constexpr qsizetype kSmallTextLimit = 0x7fffffff;

// How a document for a text of `size` bytes is created. Plain text needs no
// style bytes: a document then costs one byte per byte.
inline long documentOptionsFor(qsizetype size) {
    long options = QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE;
    if (size >= kLargeTextFrom)
        options |= QsciScintillaBase::SC_DOCUMENTOPTION_TEXT_LARGE;
    return options;
}

// Enter types the document's own line break.
inline unsigned long eolModeOf(const QByteArray& lineBreak) {
    if (lineBreak == "\r\n")
        return QsciScintillaBase::SC_EOL_CRLF;
    if (lineBreak == "\r")
        return QsciScintillaBase::SC_EOL_CR;
    return QsciScintillaBase::SC_EOL_LF;
}

} // namespace tw
