#include "editing/TextCodec.h"

#include <algorithm>

namespace tw {

using Encoding = TextFormat::Encoding;

QByteArray encodeText(const QString& text, Encoding encoding) {
    return encoding == Encoding::Utf8 ? text.toUtf8() : text.toLatin1();
}

QString decodeText(const QByteArray& bytes, Encoding encoding) {
    return encoding == Encoding::Utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

bool canConvertLosslessly(const QByteArray& bytes, Encoding from, Encoding to) {
    if (from == to || from == Encoding::Latin1)
        return true;
    const QString text = QString::fromUtf8(bytes);
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QByteArray convertText(const QByteArray& bytes, Encoding from, Encoding to) {
    if (from == to)
        return bytes;
    if (from == Encoding::Latin1)
        return QString::fromLatin1(bytes).toUtf8();
    const QString text = QString::fromUtf8(bytes);
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return bytes;
    return text.toLatin1();
}

} // namespace tw
