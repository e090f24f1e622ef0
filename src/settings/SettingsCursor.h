#pragma once
// Reads the items of the settings file one after another by its reading
// rules: a line ends at CR, and an LF right after a CR belongs to that line
// end; a Ctrl+Z byte (26) ends the file; past the end a number reads 0 and a
// text reads empty. A file without any CR (saved with LF line ends by another
// editor) has its lines end at LF instead, or its first text would swallow
// every later item. Every read that starts before the end consumes at least
// one byte, so a loop that stops at atEnd() runs at most once per byte.
#include <QByteArray>

namespace tw {

class SettingsCursor {
public:
    // The cursor reads `bytes` in place; they must outlive it.
    explicit SettingsCursor(const QByteArray& bytes);

    bool atEnd() const { return pos_ >= end_; }

    // Skips every byte of code 32 or less (line ends included), takes the
    // run of bytes above 32 that follows as a signed decimal number, then
    // skips the rest of that line. A run that is not an optional sign and
    // digits, or whose value does not fit an int, reads as 0.
    int readNumber();
    // A place in a document (a selection's start or length), read as
    // readNumber reads but in 64 bits: a text may be longer than 2 GB.
    qint64 readPosition();
    // A number used as a list count: a negative count is an empty list.
    int readCount();
    // Everything up to the next line end, then the line end.
    QByteArray readText();

    // The number a run of bytes above code 32 stands for, 0 when malformed.
    static int parseNumber(const char* run, qsizetype length);
    // The same within the limits of 64 bits.
    static qint64 parsePosition(const char* run, qsizetype length);

private:
    template <typename Parse> auto readRun(Parse parse);
    void skipLineEnd();
    void skipRestOfLine();

    const char* data_;
    qsizetype pos_ = 0;
    qsizetype end_;
    char lineEnd_;   // CR, or LF in a file that holds no CR
};

} // namespace tw
