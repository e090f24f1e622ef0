#pragma once
// What identifies the version of a file that a document was read from or last
// written to: the file itself (device and inode), its size and its time of
// last change. A save compares it with the disk to notice another program's
// change, and the window does when it becomes active again.
#include <QString>
#include <QtGlobal>

namespace tw {

struct FileStamp {
    bool known = false;   // false: no file read or written yet (a new document)
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;   // nanoseconds since the epoch

    bool operator==(const FileStamp&) const = default;
};

enum class DiskState {
    Unknown,     // the document has no stamp, or the file cannot be looked at
    Unchanged,   // the file is the one the document knows
    Changed,     // another file, or the same one with another size or time
    Missing,     // the file was known but is gone
};

// The stamp of the file at path, links followed; not known when there is none.
FileStamp currentStamp(const QString& path);
// The stamp of an open file.
FileStamp stampOfDescriptor(int fd);

// How the file at path stands against the stamp the document holds.
DiskState compareWithDisk(const QString& path, const FileStamp& stamp);

} // namespace tw
