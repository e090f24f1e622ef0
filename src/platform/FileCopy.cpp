#include "platform/FileCopy.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tw {

namespace {

constexpr qint64 kChunk = qint64(32) << 20;   // between two repaints

QString errorText(int error) { return qt_error_string(error); }

QByteArray directoryOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
}

// In-kernel copy where the file systems allow it, read and write otherwise.
int copyBytes(int from, int to, const CopyProgress& progress)
{
    bool kernelCopy = true;
    QByteArray buffer;
    qint64 sinceProgress = 0;
    for (;;) {
        ssize_t n = -1;
        if (kernelCopy) {
            n = ::copy_file_range(from, nullptr, to, nullptr, size_t(kChunk), 0);
            if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP
                          || errno == EBADF)) {
                kernelCopy = false;
                continue;
            }
        } else {
            if (buffer.isEmpty())
                buffer.resize(1 << 20);
            n = ::read(from, buffer.data(), size_t(buffer.size()));
            for (ssize_t at = 0; n > 0 && at < n;) {
                const ssize_t w = ::write(to, buffer.constData() + at, size_t(n - at));
                if (w < 0) {
                    if (errno == EINTR)
                        continue;
                    return errno;
                }
                at += w;
            }
        }
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        sinceProgress += n;
        if (progress && sinceProgress >= kChunk) {
            sinceProgress = 0;
            progress();
        }
    }
}

// Every extended attribute of the source the target's file system takes.
// Ours ("user.tarnwick.attributes") must arrive; others are best effort.
int copyAttributes(int from, int to)
{
    const ssize_t listSize = ::flistxattr(from, nullptr, 0);
    if (listSize <= 0)
        return 0;
    QByteArray names(listSize, Qt::Uninitialized);
    const ssize_t got = ::flistxattr(from, names.data(), size_t(names.size()));
    for (qsizetype at = 0; got > 0 && at < got;) {
        const char* name = names.constData() + at;
        at += qsizetype(std::strlen(name)) + 1;
        const ssize_t valueSize = ::fgetxattr(from, name, nullptr, 0);
        if (valueSize < 0)
            continue;
        QByteArray value(qMax<ssize_t>(valueSize, 1), Qt::Uninitialized);
        const ssize_t read = ::fgetxattr(from, name, value.data(), size_t(value.size()));
        if (read < 0)
            continue;
        if (::fsetxattr(to, name, value.constData(), size_t(read), 0) != 0
            && std::strcmp(name, "user.tarnwick.attributes") == 0)
            return errno;
    }
    return 0;
}

} // namespace

QByteArray temporaryPatternBeside(const QByteArray& target)
{
    const QByteArray directory = directoryOf(target);
    return directory + '.' + target.mid(directory.size()).left(200) + ".tw-XXXXXX";
}

PendingCopy::~PendingCopy() { abandon(); }

QString PendingCopy::keep()
{
    const QString name = QFile::decodeName(temporary_);
    temporary_.clear();
    return name;
}

void PendingCopy::abandon()
{
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
    temporary_.clear();
}

QString PendingCopy::start(const QString& source, const QString& target, bool keepOwner,
                           const CopyProgress& progress)
{
    abandon();
    target_ = QFile::encodeName(target);
    const int from = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (from < 0)
        return errorText(errno);
    struct stat st;
    if (::fstat(from, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = errno;
        ::close(from);
        return S_ISREG(st.st_mode) ? errorText(error) : QStringLiteral("Not a regular file");
    }
    QByteArray temporary = temporaryPatternBeside(target_);
    const int to = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (to < 0) {
        const int error = errno;
        ::close(from);
        return errorText(error);
    }
    temporary_ = temporary;
    int error = copyBytes(from, to, progress);
    if (error == 0)
        error = copyAttributes(from, to);
    if (error == 0 && keepOwner && ::fchown(to, st.st_uid, st.st_gid) != 0)
        (void)::fchown(to, uid_t(-1), st.st_gid);   // only root gives a file away
    if (error == 0 && ::fchmod(to, st.st_mode & 07777) != 0)
        error = errno;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (error == 0)
        ::futimens(to, times);
    if (error == 0 && ::fsync(to) != 0)
        error = errno;
    if (::close(to) != 0 && error == 0)
        error = errno;
    ::close(from);
    if (error != 0) {
        abandon();
        return errorText(error);
    }
    return QString();
}

QString PendingCopy::commit()
{
    if (temporary_.isEmpty())
        return errorText(ENOENT);
    if (::rename(temporary_.constData(), target_.constData()) != 0)
        return errorText(errno);
    temporary_.clear();
    const QByteArray directory = directoryOf(target_);
    const int fd = ::open(directory.isEmpty() ? "." : directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return QString();
}

} // namespace tw
