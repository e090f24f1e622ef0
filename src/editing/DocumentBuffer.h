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

// Enter types the document's own line break.
inline unsigned long eolModeOf(const QByteArray& lineBreak) {
    if (lineBreak == "\r\n")
        return QsciScintillaBase::SC_EOL_CRLF;
    if (lineBreak == "\r")
        return QsciScintillaBase::SC_EOL_CR;
    return QsciScintillaBase::SC_EOL_LF;
}

} // namespace tw
