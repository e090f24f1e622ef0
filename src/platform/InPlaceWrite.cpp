#include "platform/InPlaceWrite.h"

#include "platform/TemporaryFiles.h"
#include "platform/WriteSupport.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tw::writing {

namespace {

// Overwrites fd from its start with the ranges and cuts it to their length.
int overwrite(int fd, std::initializer_list<ByteRange> ranges)
{
    const qsizetype length = totalLength(ranges);
    // Room first, without changing the file: a full disk then fails before a
    // single byte of the old contents is touched.
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(length)) != 0 && errno == ENOSPC)
        return ENOSPC;
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return errno;
    if (const int error = writeAll(fd, ranges))
        return error;
    if (::ftruncate(fd, off_t(length)) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

int putBack(int fd, int copy, qsizetype length)
{
    if (const int error = copyContents(copy, fd, length))
        return error;
    if (::ftruncate(fd, off_t(length)) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

QString keptCopyText(int error, const QByteArray& copyName)
{
    return errorText(error) + QStringLiteral(" (the previous contents are kept in \"%1\")")
                                  .arg(QFile::decodeName(copyName));
}

} // namespace

QString writeInPlaceWithCopy(const QByteArray& target, const QByteArray& elsewhere,
                             std::initializer_list<ByteRange> ranges, const struct stat& old)
{
    const int fd = ::open(target.constData(), O_RDWR | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errorText(errno);
    struct stat now;
    // The file must still be the one that was looked at.
    if (::fstat(fd, &now) != 0 || now.st_dev != old.st_dev || now.st_ino != old.st_ino ||
        !S_ISREG(now.st_mode)) {
        ::close(fd);
        return errorText(EAGAIN);
    }
    const qsizetype oldLength = qsizetype(now.st_size);

    QByteArray copyName;
    const int copy = createSafetyCopy(target, elsewhere, copyName);
    if (copy < 0) {
        const int error = errno;
        ::close(fd);
        return QStringLiteral("no copy of the previous contents can be kept: ") + errorText(error);
    }
    int error = copyContents(fd, copy, oldLength);
    if (error == 0 && ::fsync(copy) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(copyName.constData());
        ::close(copy);
        ::close(fd);
        return QStringLiteral("no copy of the previous contents can be kept: ") + errorText(error);
    }
    syncDirectory(directoryPart(copyName));

    QString result;
    error = overwrite(fd, ranges);
    bool removeCopy = true;
    if (error != 0) {
        removeCopy = putBack(fd, copy, oldLength) == 0;
        result = removeCopy ? errorText(error) : keptCopyText(error, copyName);
    }
    ::close(fd);   // fsync has already told whether the bytes are on disk
    ::close(copy);
    if (removeCopy) {
        ::unlink(copyName.constData());
        syncDirectory(directoryPart(copyName));
    }
    return result;
}

QString writeDevice(const QByteArray& target, std::initializer_list<ByteRange> ranges)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errorText(errno);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    int error = writeAll(fd, ranges);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error ? errorText(error) : QString();
}

} // namespace tw::writing
