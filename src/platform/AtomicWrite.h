#pragma once
// Replacing a file's contents so that, at every moment, the file holds either
// its old contents or the complete new ones.
#include <QString>
#include <initializer_list>

namespace tw {

struct ByteRange {
    const char* data;
    qsizetype length;
};

// Writes the ranges one after another as the new contents of path and returns
// an empty string on success, else the system's error text. The bytes go to a
// temporary file in the target's directory, are flushed to disk, and the file is
// renamed over the target; on failure the old file stays untouched.
// - A symbolic link is written through: the file it names is replaced and the
//   link stays a link (a dangling link gets its file created).
// - The replaced file's permission bits, owner (where permitted) and extended
//   attributes carry over; a new file gets 0666 less the umask.
// - A file without any write permission bit is read-only and is refused, even
//   for root, as is a file the caller could not open for writing.
// - A device or pipe cannot be replaced, so it is written in place.
QString writeRangesAtomically(const QString& path, std::initializer_list<ByteRange> ranges);

// The same for one range of bytes (selections, the settings file).
QString writeBytesAtomically(const QString& path, const char* data, qsizetype length);

} // namespace tw
