#include "settings/SettingsCursor.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace tw {

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kEndOfFile = 26;

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

} // namespace

SettingsCursor::SettingsCursor(const QByteArray& bytes)
    : data_(bytes.constData()), end_(bytes.size()) {
    if (const void* stop = std::memchr(data_, kEndOfFile, static_cast<size_t>(end_)))
        end_ = static_cast<const char*>(stop) - data_;
    lineEnd_ = std::memchr(data_, kCr, static_cast<size_t>(end_)) ? kCr : kLf;
}

namespace {

// The value of an optional sign and decimal digits within [least, most], or 0.
// Accumulated as an unsigned magnitude; a run that would pass the limit is
// rejected before the accumulator could overflow.
std::int64_t parseWithin(const char* run, qsizetype length, std::int64_t least, std::int64_t most) {
    qsizetype i = 0;
    const bool negative = length > 0 && run[0] == '-';
    if (length > 0 && (run[0] == '-' || run[0] == '+'))
        i = 1;
    if (i == length)
        return 0;
    const std::uint64_t limit = negative ? std::uint64_t(-(least + 1)) + 1 : std::uint64_t(most);
    std::uint64_t magnitude = 0;
    for (; i < length; ++i) {
        const char c = run[i];
        if (c < '0' || c > '9')
            return 0;
        const unsigned digit = unsigned(c - '0');
        if (magnitude > (limit - digit) / 10)
            return 0;
        magnitude = magnitude * 10 + digit;
    }
    return negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
}

} // namespace

int SettingsCursor::parseNumber(const char* run, qsizetype length) {
    return static_cast<int>(parseWithin(run, length, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

qint64 SettingsCursor::parsePosition(const char* run, qsizetype length) {
    return parseWithin(run, length, std::numeric_limits<qint64>::min(),
                       std::numeric_limits<qint64>::max());
}

template <typename Parse> auto SettingsCursor::readRun(Parse parse) {
    while (pos_ < end_ && isBlank(data_[pos_]))
        ++pos_;
    const qsizetype start = pos_;
    while (pos_ < end_ && !isBlank(data_[pos_]))
        ++pos_;
    const auto value = parse(data_ + start, pos_ - start);
    skipRestOfLine();
    return value;
}

int SettingsCursor::readNumber() { return readRun(parseNumber); }

qint64 SettingsCursor::readPosition() { return readRun(parsePosition); }

int SettingsCursor::readCount() {
    const int count = readNumber();
    return count < 0 ? 0 : count;
}

QByteArray SettingsCursor::readText() {
    if (atEnd())
        return {};
    const qsizetype start = pos_;
    const void* eol = std::memchr(data_ + pos_, lineEnd_, static_cast<size_t>(end_ - pos_));
    pos_ = eol ? static_cast<const char*>(eol) - data_ : end_;
    QByteArray text(data_ + start, pos_ - start);
    skipLineEnd();
    return text;
}

void SettingsCursor::skipLineEnd() {
    if (pos_ < end_ && data_[pos_] == lineEnd_) {
        ++pos_;
        if (lineEnd_ == kCr && pos_ < end_ && data_[pos_] == kLf)
            ++pos_;
    }
}

void SettingsCursor::skipRestOfLine() {
    if (atEnd())
        return;
    const void* eol = std::memchr(data_ + pos_, lineEnd_, static_cast<size_t>(end_ - pos_));
    pos_ = eol ? static_cast<const char*>(eol) - data_ : end_;
    skipLineEnd();
}

} // namespace tw
