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

namespace {

// How far the writer runs ahead of the disk. Writeback of each step starts as
// soon as it is written, and the writer waits for the step before the last
// one: writing into the page cache and writing to disk then overlap, so the
// final fsync finds little left to do, and dirty pages stay bounded.
constexpr off_t kWritebackStep = 32 * 1024 * 1024;

class Writeback {
public:
    explicit Writeback(int fd) : fd_(fd), base_(::lseek(fd, 0, SEEK_CUR)), next_(base_ + kWritebackStep) {}
    // Called with the descriptor's offset after each write. Files only: on a
    // pipe or device the offset is unknown and nothing is done.
    void wrote(off_t offset) {
        if (base_ < 0)
            return;
        while (offset >= next_) {
            const off_t start = next_ - kWritebackStep;
            ::sync_file_range(fd_, start, kWritebackStep, SYNC_FILE_RANGE_WRITE);
            if (start - 2 * kWritebackStep >= base_)
                ::sync_file_range(fd_, start - 2 * kWritebackStep, kWritebackStep,
                                  SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                                      SYNC_FILE_RANGE_WAIT_AFTER);
            next_ += kWritebackStep;
        }
    }
    off_t base() const { return base_; }

private:
    int fd_;
    off_t base_;
    off_t next_;
};

} // namespace

int writeAll(int fd, std::initializer_list<ByteRange> ranges)
{
    Writeback writeback(fd);
    off_t offset = writeback.base();
    for (const ByteRange& range : ranges) {
        const char* p = range.data;
        qsizetype left = range.length;
        while (left > 0) {
            const ssize_t n = ::write(fd, p, size_t(qMin<qsizetype>(left, kWritebackStep)));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            p += n;
            left -= n;
            offset += n;
            writeback.wrote(offset);
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
