#pragma once
// Reading and writing the user's text files. The bytes of a file reach the
// document exactly as they are, so any file, whatever its line breaks,
// encoding or NUL bytes, survives an open and a save unchanged.
#include <QByteArray>
#include <QString>

#include "platform/AtomicWrite.h"
#include "platform/FileStamp.h"

namespace tw {

// What a document remembers of its file beyond the text itself. The defaults
// are those of a new document.
struct TextFormat {
    enum class Encoding { Utf8, Latin1 };
    Encoding encoding = Encoding::Utf8;   // Latin1: shown one byte per character
    bool bom = false;                     // a UTF-8 byte-order mark is written first
    QByteArray lineBreak = "\n";          // "\n", "\r\n" or "\r"; ends the file
    // Whether the file ended with a line break, so a save gives it back its
    // last byte and its length. A new document ends with one, once it holds text.
    bool finalBreak = true;
    bool fromFile = false;                // read from a file, not new
    FileStamp stamp;                      // the file's version as last read or written
    bool changedOnDisk = false;           // another program changed the file since
};

// A text in at most two pieces, written one after the other: an editor's
// buffer keeps a gap where it was last changed, and writing the bytes on each
// side of it saves moving the whole text together first.
struct TextPieces {
    ByteRange first{nullptr, 0};
    ByteRange second{nullptr, 0};
    qsizetype length() const { return first.length + second.length; }
};

struct LoadedText {
    QByteArray bytes;
    TextFormat format;
};

struct LoadResult {
    LoadedText text;
    QString error;   // the system's error text; empty when the file was read
    bool ok() const { return error.isEmpty(); }
};

// Reads the whole file. The text is the file's bytes without its byte-order
// mark and without its final line break (CR LF, LF or a lone CR), which becomes
// the line-break style and sets finalBreak; a file that does not end in a
// break takes the style of its first break, or "\n" when it has none. Encoding is Utf8 when the bytes
// are valid UTF-8, else Latin1; only a valid UTF-8 file has a byte-order mark
// taken off, in a Latin1 file those three bytes are text. Only files are read:
// a folder, device or pipe gives an error.
LoadResult readTextFile(const QString& path);

// Writes the byte-order mark when format.bom, the text, and, when
// format.finalBreak, one final line break of format.lineBreak ("\n" when that
// is empty); a new document's empty text gives an empty file. Written safely as
// writeRangesAtomically does. Returns "" or the system's error text; on
// success *written (when given) is the stamp of the file now on disk.
QString writeTextFile(const QString& path, const char* data, qsizetype length,
                      const TextFormat& format, FileStamp* written = nullptr);
// The same for a text in two pieces.
QString writeTextFile(const QString& path, const TextPieces& text, const TextFormat& format,
                      FileStamp* written = nullptr);

} // namespace tw
