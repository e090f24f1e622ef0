#include "platform/FileMetadata.h"

#include <cerrno>
#include <cstring>
#include <sys/xattr.h>
#include <unistd.h>

namespace tw::writing {

namespace {

// Copies every extended attribute; false when one could not be kept.
bool copyAttributes(int fd, const QByteArray& target)
{
    const ssize_t listSize = ::llistxattr(target.constData(), nullptr, 0);
    if (listSize < 0)
        return errno == ENOTSUP;   // a file system without attributes has none to keep
    if (listSize == 0)
        return true;
    QByteArray names(listSize, Qt::Uninitialized);
    const ssize_t got = ::llistxattr(target.constData(), names.data(), size_t(names.size()));
    if (got < 0)
        return false;
    bool all = true;
    for (qsizetype at = 0; at < got;) {
        const char* name = names.constData() + at;
        at += qsizetype(std::strlen(name)) + 1;
        const ssize_t valueSize = ::lgetxattr(target.constData(), name, nullptr, 0);
        if (valueSize < 0) {
            all = false;
            continue;
        }
        QByteArray value(qMax<ssize_t>(valueSize, 1), Qt::Uninitialized);
        const ssize_t read = ::lgetxattr(target.constData(), name, value.data(), size_t(value.size()));
        if (read < 0 || ::fsetxattr(fd, name, value.constData(), size_t(read), 0) != 0)
            all = false;
    }
    return all;
}

} // namespace

CarriedOver carryOverMetadata(int fd, const QByteArray& target, const struct stat& old)
{
    CarriedOver result;
    // Attributes first, while the new file is still writable to its owner;
    // owner before mode, as a change of owner clears set-id bits.
    result.complete = copyAttributes(fd, target);
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Only root can give a file away; others may still keep its group.
        (void)::fchown(fd, uid_t(-1), old.st_gid);
        result.complete = false;
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        result.error = errno;
    return result;
}

} // namespace tw::writing
