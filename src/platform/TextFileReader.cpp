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

// Set by tests: reads fail with this error once so many bytes have been read.
struct ReadFault {
    qsizetype after = -1;
    int error = 0;
} readFault;

} // namespace

void failTextReadsAfter(qsizetype bytes, int error) { readFault = {bytes, error}; }

struct TextFileReading::State {
    explicit State(TextSink& sink) : decoder(sink) {}
    ChunkDecoder decoder;
    std::unique_ptr<char[]> buf;
    qsizetype capacity = 0;
    qsizetype have = 0;
};

TextFileReading::TextFileReading(const QString& path, TextSink& sink, qsizetype chunkSize)
    : sink_(sink) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        finish(errno);
        return;
    }
    struct stat st;
    const int statError = ::fstat(fd_, &st) == 0 ? 0 : errno;
    if (statError != 0 || S_ISDIR(st.st_mode)) {
        finish(statError != 0 ? statError : EISDIR);
        return;
    }
    // Devices and pipes may never end (/dev/zero) or block for ever (a FIFO).
    if (!S_ISREG(st.st_mode)) {
        finish(0);
        result_.error = QStringLiteral("Not a regular file");
        return;
    }
    size_ = qsizetype(st.st_size);
    try {
        state_ = std::make_unique<State>(sink);
        state_->capacity = qMax<qsizetype>(chunkSize, 1) + kMaxCarry;
        state_->buf.reset(new char[size_t(state_->capacity)]);
        sink_.expect(size_);
    } catch (const std::bad_alloc&) {
        finish(ENOMEM);
    }
}

TextFileReading::~TextFileReading() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool TextFileReading::step() {
    if (done_)
        return false;
    State& s = *state_;
    try {
        ssize_t n;
        do {
            n = ::read(fd_, s.buf.get() + s.have, size_t(s.capacity - s.have));
        } while (n < 0 && errno == EINTR);
        if (n > 0 && readFault.after >= 0 && read_ + n > readFault.after) {
            errno = readFault.error;
            n = -1;
        }
        if (n < 0) {
            finish(errno);
            return false;
        }
        read_ += n;
        s.have += n;
        const bool eof = n == 0;
        const qsizetype used = s.decoder.take(s.buf.get(), s.have, eof);
        if (eof) {
            result_.format = s.decoder.format();
            result_.format.stamp = stampOfDescriptor(fd_);
            result_.format.fromFile = true;
            finish(0);
            return false;
        }
        std::memmove(s.buf.get(), s.buf.get() + used, size_t(s.have - used));
        s.have -= used;
    } catch (const std::bad_alloc&) {
        finish(ENOMEM);
        return false;
    }
    return true;
}

void TextFileReading::finish(int error) {
    done_ = true;
    if (error != 0)
        result_.error = qt_error_string(error);
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    state_.reset();
}

TextReadResult readTextFileInto(const QString& path, TextSink& sink, qsizetype chunkSize) {
    TextFileReading reading(path, sink, chunkSize);
    while (reading.step()) {
    }
    return reading.result();
}

} // namespace tw
