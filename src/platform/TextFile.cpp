#include "platform/TextFile.h"

#include "platform/Utf8Validation.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr qsizetype kBomLength = 3;

// Reads everything from fd into bytes, sized from the file's length up front
// so that a file is read with one allocation and no copy. Files whose length
// is unknown or changing (/proc, a growing log) grow the buffer as they go.
int readAll(int fd, qsizetype expectedSize, QByteArray& bytes)
{
    bytes = QByteArray(expectedSize + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(bytes.size() + qMax<qsizetype>(bytes.size(), 64 * 1024));
        const ssize_t n = ::read(fd, bytes.data() + got,
                                 size_t(qMin<qsizetype>(bytes.size() - got, 1 << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(got);
    return 0;
}

QByteArray firstBreakStyle(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    const size_t size = size_t(bytes.size());
    const auto lf = static_cast<const char*>(std::memchr(data, '\n', size));
    const size_t searchCr = lf ? size_t(lf - data) : size;
    const auto cr = static_cast<const char*>(std::memchr(data, '\r', searchCr));
    if (cr)
        return cr + 1 == lf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    return QByteArrayLiteral("\n");
}

// Takes the final line break off the text and returns the document's style;
// `had` tells whether there was one.
QByteArray takeFinalBreak(QByteArray& bytes, bool& had)
{
    had = true;
    if (bytes.endsWith("\r\n")) {
        bytes.chop(2);
        return QByteArrayLiteral("\r\n");
    }
    if (bytes.endsWith('\n')) {
        bytes.chop(1);
        return QByteArrayLiteral("\n");
    }
    if (bytes.endsWith('\r')) {
        bytes.chop(1);
        return QByteArrayLiteral("\r");
    }
    had = false;
    return firstBreakStyle(bytes);
}

} // namespace

LoadResult readTextFile(const QString& path)
{
    LoadResult result;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.error = qt_error_string(errno);
        return result;
    }
    struct stat st;
    int error = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (error == 0 && S_ISDIR(st.st_mode))
        error = EISDIR;
    // Devices and pipes may never end (/dev/zero) or block for ever (a FIFO).
    const bool special = error == 0 && !S_ISREG(st.st_mode);
    if (error == 0)
        result.text.format.stamp = stampOfDescriptor(fd);
    if (error == 0 && !special) {
        try {
            error = readAll(fd, qsizetype(st.st_size), result.text.bytes);
        } catch (const std::bad_alloc&) {
            error = ENOMEM;
        }
    }
    ::close(fd);
    if (error != 0 || special) {
        result.text.bytes.clear();
        result.error = special ? QStringLiteral("Not a regular file") : qt_error_string(error);
        return result;
    }

    QByteArray& bytes = result.text.bytes;
    TextFormat& format = result.text.format;
    if (isValidUtf8(bytes.constData(), bytes.size())) {
        format.encoding = TextFormat::Encoding::Utf8;
        format.bom = bytes.startsWith(QByteArrayView(kBom, kBomLength));
        if (format.bom)
            bytes.remove(0, kBomLength);   // moves the start, not the bytes
    } else {
        format.encoding = TextFormat::Encoding::Latin1;
    }
    format.lineBreak = takeFinalBreak(bytes, format.finalBreak);
    format.fromFile = true;
    return result;
}

QString writeTextFile(const QString& path, const char* data, qsizetype length,
                      const TextFormat& format, FileStamp* written)
{
    const QByteArray lineBreak = format.lineBreak.isEmpty() ? QByteArrayLiteral("\n")
                                                            : format.lineBreak;
    const bool withBreak = format.finalBreak && (length > 0 || format.fromFile);
    return writeRangesAtomically(path, {
        ByteRange{kBom, format.bom ? kBomLength : 0},
        ByteRange{data, length},
        ByteRange{lineBreak.constData(), withBreak ? lineBreak.size() : 0},
    }, written);
}

} // namespace tw
