#include "platform/AtomicWrite.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tw {

namespace {

QString errorText(int error) { return qt_error_string(error); }

QByteArray directoryPart(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
}

// Follows symbolic links from path to the name of the file they finally lead
// to. A dangling link resolves to the missing file it names. Returns 0 or errno.
int resolveLinks(QByteArray& path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode))
            return 0;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer);
        if (n < 0)
            return errno;
        if (n == sizeof buffer)
            return ENAMETOOLONG;
        const QByteArray target(buffer, n);
        path = target.startsWith('/') ? target : directoryPart(path) + target;
    }
    return ELOOP;
}

int writeAll(int fd, std::initializer_list<ByteRange> ranges)
{
    for (const ByteRange& range : ranges) {
        const char* p = range.data;
        qsizetype left = range.length;
        while (left > 0) {
            const ssize_t n = ::write(fd, p, size_t(qMin<qsizetype>(left, 1 << 30)));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            p += n;
            left -= n;
        }
    }
    return 0;
}

mode_t currentUmask()
{
    // The umask can only be read by setting it; the editor creates files from
    // one thread, so the brief change is not observed.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Gives the new file what the replaced one had besides its bytes. Extended
// attributes first, while the new file is still writable to its owner; owner
// before mode, as a change of owner clears set-id bits. All best effort except
// the mode: a file system that keeps no owner or attributes still takes the write.
int carryOverMetadata(int fd, const QByteArray& target, const struct stat& old)
{
    const ssize_t listSize = ::listxattr(target.constData(), nullptr, 0);
    if (listSize > 0) {
        QByteArray names(listSize, Qt::Uninitialized);
        const ssize_t got = ::listxattr(target.constData(), names.data(), size_t(names.size()));
        for (qsizetype at = 0; got > 0 && at < got;) {
            const char* name = names.constData() + at;
            at += qsizetype(std::strlen(name)) + 1;
            const ssize_t valueSize = ::getxattr(target.constData(), name, nullptr, 0);
            if (valueSize < 0)
                continue;
            QByteArray value(qMax<ssize_t>(valueSize, 1), Qt::Uninitialized);
            const ssize_t read = ::getxattr(target.constData(), name, value.data(), size_t(value.size()));
            if (read >= 0)
                ::fsetxattr(fd, name, value.constData(), size_t(read), 0);
        }
    }
    // Only root can give a file away; others may still keep its group.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

void syncDirectory(const QByteArray& directory)
{
    const int fd = ::open(directory.isEmpty() ? "." : directory.constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Devices and pipes have no contents to swap; they take the bytes directly.
QString writeInPlace(const QByteArray& target, std::initializer_list<ByteRange> ranges)
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

// Checks that the existing target may be replaced; returns 0 or errno.
int checkReplaceable(const QByteArray& target, const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if ((st.st_mode & 0222) == 0)
        return EACCES;   // read-only, whoever asks
    const int probe = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0)
        return errno == ETXTBSY ? 0 : errno;   // a running program can still be replaced
    ::close(probe);
    return 0;
}

// The temporary file's name pattern: hidden, beside the target, short enough
// for the file system's name limit.
QByteArray temporaryPattern(const QByteArray& target)
{
    const QByteArray directory = directoryPart(target);
    const QByteArray name = target.mid(directory.size()).left(200);
    return directory + '.' + name + ".tw-XXXXXX";
}

} // namespace

QString writeRangesAtomically(const QString& path, std::initializer_list<ByteRange> ranges)
{
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty())
        return errorText(ENOENT);
    if (const int error = resolveLinks(target))
        return errorText(error);

    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return errorText(errno);
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode))
        return writeInPlace(target, ranges);
    if (exists) {
        if (const int error = checkReplaceable(target, old))
            return errorText(error);
    }

    QByteArray temporary = temporaryPattern(target);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return errorText(errno);

    int error = exists ? carryOverMetadata(fd, target, old)
                       : (::fchmod(fd, 0666 & ~currentUmask()) == 0 ? 0 : errno);
    if (error == 0)
        error = writeAll(fd, ranges);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return errorText(error);
    }
    syncDirectory(directoryPart(target));
    return QString();
}

QString writeBytesAtomically(const QString& path, const char* data, qsizetype length)
{
    return writeRangesAtomically(path, {ByteRange{data, length}});
}

} // namespace tw
