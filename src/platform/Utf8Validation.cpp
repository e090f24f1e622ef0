#include "platform/Utf8Validation.h"

#include <cstdint>
#include <cstring>

namespace tw {

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Checks the multi-byte sequence starting at p (whose lead byte is >= 0x80) and
// returns its length, or 0 when it is malformed or runs past end.
qsizetype sequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char lead = p[0];
    const qsizetype left = end - p;
    if (lead >= 0xC2 && lead <= 0xDF)
        return left >= 2 && isContinuation(p[1]) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !isContinuation(p[1]) || !isContinuation(p[2]))
            return 0;
        if (lead == 0xE0 && p[1] < 0xA0)   // overlong
            return 0;
        if (lead == 0xED && p[1] > 0x9F)   // surrogate
            return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !isContinuation(p[1]) || !isContinuation(p[2]) || !isContinuation(p[3]))
            return 0;
        if (lead == 0xF0 && p[1] < 0x90)   // overlong
            return 0;
        if (lead == 0xF4 && p[1] > 0x8F)   // above U+10FFFF
            return 0;
        return 4;
    }
    return 0;   // continuation byte as lead, C0/C1 overlong leads, F5..FF
}

} // namespace

bool isValidUtf8(const char* data, qsizetype length)
{
    auto p = reinterpret_cast<const unsigned char*>(data);
    const auto end = p + length;
    while (p < end) {
        // Plain ASCII dominates source files: skip it 16 bytes at a time.
        while (end - p >= 16) {
            std::uint64_t a, b;
            std::memcpy(&a, p, 8);
            std::memcpy(&b, p + 8, 8);
            if ((a | b) & kHighBits)
                break;
            p += 16;
        }
        if (p == end)
            break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const qsizetype n = sequenceLength(p, end);
        if (n == 0)
            return false;
        p += n;
    }
    return true;
}

} // namespace tw
