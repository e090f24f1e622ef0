#pragma once
// Replacing a file's contents so that, at every moment, the file holds either
// its old contents or the complete new ones, and stays the file it was.
#include <QString>
#include <initializer_list>

namespace tw {

struct FileStamp;

struct ByteRange {
    const char* data;
    qsizetype length;
};

// Writes the ranges one after another as the new contents of path and returns
// an empty string on success, else the error text. On success *written (when
// given) is the stamp of the file now on disk.
// - Normally the bytes go to a temporary file in the target's directory, are
//   flushed to disk, and the file is renamed over the target; on failure the
//   old file stays untouched. The editor's stale temporaries beside the target
//   are removed first.
// - The replaced file's permission bits, owner, group and extended attributes
//   (ACLs among them) carry over; a new file gets 0666 less the umask.
// - Where a rename cannot keep what the file is (it has several hard links,
//   its owner or an attribute cannot be kept, the folder refuses new files),
//   the file is written in place after a complete copy of its old contents is
//   on disk (see writeInPlaceWithCopy); that copy goes to the program
//   directory's "recovery" folder when the target's folder refuses it.
// - A symbolic link is written through: the file it names is replaced and the
//   link stays a link (a dangling link gets its file created). In a sticky,
//   world-writable folder only a link of the user's or of the folder's owner is
//   followed.
// - A file without any write permission bit is read-only and is refused, even
//   for root, as is a file the caller could not open for writing.
// - A device or pipe cannot be replaced, so it is written directly.
QString writeRangesAtomically(const QString& path, std::initializer_list<ByteRange> ranges,
                              FileStamp* written = nullptr);

// The same for one range of bytes (selections, the settings file).
QString writeBytesAtomically(const QString& path, const char* data, qsizetype length);

} // namespace tw
