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

int SettingsCursor::parseNumber(const char* run, qsizetype length) {
    qsizetype i = 0;
    const bool negative = length > 0 && run[0] == '-';
    if (length > 0 && (run[0] == '-' || run[0] == '+'))
        i = 1;
    if (i == length)
        return 0;
    // Accumulated as a magnitude in 64 bits; a run too long for an int is
    // rejected before the accumulator could overflow.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                        : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < length; ++i) {
        const char c = run[i];
        if (c < '0' || c > '9')
            return 0;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return 0;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int SettingsCursor::readNumber() {
    while (pos_ < end_ && isBlank(data_[pos_]))
        ++pos_;
    const qsizetype start = pos_;
    while (pos_ < end_ && !isBlank(data_[pos_]))
        ++pos_;
    const int value = parseNumber(data_ + start, pos_ - start);
    skipRestOfLine();
    return value;
}

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
