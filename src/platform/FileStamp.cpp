#include "platform/FileStamp.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace tw {

namespace {

FileStamp stampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.known = true;
    stamp.device = quint64(st.st_dev);
    stamp.inode = quint64(st.st_ino);
    stamp.size = qint64(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

} // namespace

FileStamp currentStamp(const QString& path) {
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return stampOf(st);
}

FileStamp stampOfDescriptor(int fd) {
    struct stat st;
    return ::fstat(fd, &st) == 0 ? stampOf(st) : FileStamp{};
}

DiskState compareWithDisk(const QString& path, const FileStamp& stamp) {
    if (!stamp.known)
        return DiskState::Unknown;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? DiskState::Missing : DiskState::Unknown;
    return stampOf(st) == stamp ? DiskState::Unchanged : DiskState::Changed;
}

} // namespace tw
