#include "editing/TextMatcher.h"

#include <cstring>

#include "editing/TextCodec.h"

namespace tw {

namespace {

inline unsigned char foldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

bool equalFolded(const unsigned char* a, const unsigned char* folded, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i)
        if (foldAscii(a[i]) != folded[i])
            return false;
    return true;
}

} // namespace

qsizetype findBytes(const char* text, qsizetype length, const QByteArray& what, bool matchCase) {
    const qsizetype n = what.size();
    if (n == 0 || length < n)
        return -1;
    if (matchCase) {
        const void* hit = memmem(text, static_cast<size_t>(length), what.constData(),
                                 static_cast<size_t>(n));
        return hit ? static_cast<const char*>(hit) - text : -1;
    }
    QByteArray folded = what;
    for (char& c : folded)
        c = static_cast<char>(foldAscii(static_cast<unsigned char>(c)));
    const auto* t = reinterpret_cast<const unsigned char*>(text);
    const auto* f = reinterpret_cast<const unsigned char*>(folded.constData());
    const unsigned char first = f[0];
    const unsigned char other = first >= 'a' && first <= 'z' ? first - ('a' - 'A') : first;
    const qsizetype last = length - n;
    for (qsizetype i = 0; i <= last; ++i) {
        const unsigned char c = t[i];
        if ((c == first || c == other) && equalFolded(t + i + 1, f + 1, n - 1))
            return i;
    }
    return -1;
}

std::optional<QByteArray> searchBytesFor(const QString& text, TextFormat::Encoding encoding) {
    if (encoding == TextFormat::Encoding::Utf8)
        return text.toUtf8();
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return std::nullopt;
    return text.toLatin1();
}

QByteArray replacementBytesFor(const QString& text, TextFormat::Encoding encoding) {
    return convertText(text.toUtf8(), TextFormat::Encoding::Utf8, encoding);
}

} // namespace tw
