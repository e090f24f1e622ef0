#include "platform/TextFileReader.h"

#include "platform/FileStamp.h"
#include "platform/Utf8Validation.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr qsizetype kBomLength = 3;
// The last bytes read are held back until the next chunk or the end: a final
// line break (CR LF at most) is not text, and a UTF-8 sequence is checked whole.
constexpr qsizetype kHeldBack = 2;
constexpr qsizetype kMaxCarry = kHeldBack + 3;

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Turns the file's bytes, chunk by chunk, into the sink's text and the format.
class ChunkDecoder {
public:
    explicit ChunkDecoder(TextSink& sink) : sink_(sink) {}

    // Takes what it can of buf[0, have) and returns where the bytes it keeps
    // for the next call start; at the end (eof) it takes everything.
    qsizetype take(const char* buf, qsizetype have, bool eof) {
        qsizetype from = 0;
        if (!started_) {
            if (have < kBomLength && !eof)
                return 0;
            started_ = true;
            bomHeld_ = have >= kBomLength && std::memcmp(buf, kBom, kBomLength) == 0;
            from = bomHeld_ ? kBomLength : 0;
        }
        if (eof) {
            finishWith(buf + from, have - from);
            return have;
        }
        const qsizetype split = splitPoint(buf, from, have - kHeldBack);
        emitText(buf + from, split - from);
        return split;
    }

    TextFormat format() const { return format_; }

private:
    // The flush ends before a byte that starts a sequence, so every checked
    // piece holds whole sequences; more than three continuation bytes in a
    // row are malformed anyway, and any split will do for them.
    static qsizetype splitPoint(const char* buf, qsizetype from, qsizetype want) {
        if (want <= from)
            return from;
        for (qsizetype p = want; p > from && p >= want - 3; --p)
            if (!isContinuation(buf[p]))
                return p;
        return want - 3 > from ? want : from;
    }

    void emitText(const char* data, qsizetype length) {
        if (length <= 0)
            return;
        valid_ = valid_ && isValidUtf8(data, length);
        noteFirstBreak(data, length);
        sink_.append(data, length);
    }

    // The style of a file without a final line break is that of its first one.
    void noteFirstBreak(const char* data, qsizetype length) {
        if (!firstBreak_.isEmpty())
            return;
        if (pendingCr_) {
            pendingCr_ = false;
            firstBreak_ = data[0] == '\n' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
            return;
        }
        const auto lf = static_cast<const char*>(std::memchr(data, '\n', size_t(length)));
        const size_t searchCr = lf ? size_t(lf - data) : size_t(length);
        const auto cr = static_cast<const char*>(std::memchr(data, '\r', searchCr));
        if (cr && cr + 1 == data + length)
            pendingCr_ = true;
        else if (cr)
            firstBreak_ = cr + 1 == lf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
        else if (lf)
            firstBreak_ = QByteArrayLiteral("\n");
    }

    void finishWith(const char* tail, qsizetype length) {
        const QByteArrayView end(tail, length);
        QByteArray finalBreak;
        if (end.endsWith("\r\n"))
            finalBreak = QByteArrayLiteral("\r\n");
        else if (end.endsWith('\n'))
            finalBreak = QByteArrayLiteral("\n");
        else if (end.endsWith('\r'))
            finalBreak = QByteArrayLiteral("\r");
        emitText(tail, length - finalBreak.size());
        // A file without a final break is written back without one.
        format_.finalBreak = !finalBreak.isEmpty();
        if (finalBreak.isEmpty())
            finalBreak = pendingCr_ ? QByteArrayLiteral("\r")
                         : firstBreak_.isEmpty() ? QByteArrayLiteral("\n") : firstBreak_;
        format_.lineBreak = finalBreak;
        format_.encoding = valid_ ? TextFormat::Encoding::Utf8 : TextFormat::Encoding::Latin1;
        format_.bom = bomHeld_ && valid_;
        // Only a UTF-8 file has a byte-order mark; in any other it is text.
        if (bomHeld_ && !valid_)
            sink_.prepend(kBom, kBomLength);
    }

    TextSink& sink_;
    TextFormat format_;
    QByteArray firstBreak_;
    bool pendingCr_ = false;
    bool started_ = false;
    bool bomHeld_ = false;
    bool valid_ = true;
};

// Reads fd to its end through decoder; returns 0 or errno.
int readChunks(int fd, qsizetype chunkSize, ChunkDecoder& decoder) {
    const qsizetype capacity = chunkSize + kMaxCarry;
    const std::unique_ptr<char[]> buf(new char[size_t(capacity)]);
    qsizetype have = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buf.get() + have, size_t(capacity - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        have += n;
        const bool eof = n == 0;
        const qsizetype used = decoder.take(buf.get(), have, eof);
        if (eof)
            return 0;
        std::memmove(buf.get(), buf.get() + used, size_t(have - used));
        have -= used;
    }
}

} // namespace

TextReadResult readTextFileInto(const QString& path, TextSink& sink, qsizetype chunkSize) {
    TextReadResult result;
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
    if (error == 0 && !special) {
        ChunkDecoder decoder(sink);
        try {
            sink.expect(qsizetype(st.st_size));
            error = readChunks(fd, qMax<qsizetype>(chunkSize, 1), decoder);
        } catch (const std::bad_alloc&) {
            error = ENOMEM;
        }
        result.format = decoder.format();
        result.format.stamp = stampOfDescriptor(fd);
        result.format.fromFile = true;
    }
    ::close(fd);
    if (error != 0 || special)
        result.error = special ? QStringLiteral("Not a regular file") : qt_error_string(error);
    return result;
}

} // namespace tw
