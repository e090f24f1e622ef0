#include "platform/WriteSupport.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tw::writing {

QString errorText(int error) { return qt_error_string(error); }

QByteArray directoryPart(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
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

qsizetype totalLength(std::initializer_list<ByteRange> ranges)
{
    qsizetype total = 0;
    for (const ByteRange& range : ranges)
        total += range.length;
    return total;
}

int copyContents(int from, int to, qsizetype length)
{
    loff_t in = 0;
    loff_t out = 0;
    // The kernel copies (or shares the blocks) without the bytes passing
    // through here; across file systems it may refuse, and a plain loop does.
    while (in < length) {
        const ssize_t n = ::copy_file_range(from, &in, to, &out, size_t(length - in), 0);
        if (n > 0)
            continue;
        if (n == 0)
            return EIO;   // the file shrank under us
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return errno;
        break;
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (in < length) {
        const ssize_t n = ::pread(from, buffer.data(), size_t(qMin<qsizetype>(buffer.size(), length - in)), in);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::pwrite(to, buffer.constData() + done, size_t(n - done), out);
            if (w < 0 && errno == EINTR)
                continue;
            if (w < 0)
                return errno;
            done += w;
            out += w;
        }
        in += n;
    }
    return 0;
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

} // namespace tw::writing
