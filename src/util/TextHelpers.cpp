#include "util/TextHelpers.h"
#include <QStringList>
#include <algorithm>
#include <limits>

namespace tw {

namespace {

QChar AsciiUpper(QChar c)
{
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
}

QChar AsciiLower(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
}

} // namespace

int LastCharPos(QChar c, const QString& text)
{
    return int(text.lastIndexOf(c)) + 1;
}

int PosFrom(const QString& sub, const QString& text, int from, int to)
{
    if (sub.isEmpty())
        return 0;
    const qsizetype first = std::max(from, 1) - 1;           // 0-based start
    const qsizetype end = std::min<qsizetype>(to, text.size()); // 0-based end, exclusive
    if (end - first < sub.size())
        return 0;
    const qsizetype found = text.indexOf(sub, first);
    if (found < 0 || found + sub.size() > end)
        return 0;
    return int(found) + 1;
}

int ContainsIgnoreCase(const QString& sub, const QString& text)
{
    if (sub.isEmpty())
        return 0;
    return int(text.indexOf(sub, 0, Qt::CaseInsensitive)) + 1;
}

bool ReplaceFirst(const QString& oldText, const QString& newText, QString& text)
{
    if (oldText.isEmpty())
        return false;
    const qsizetype found = text.indexOf(oldText);
    if (found < 0)
        return false;
    text.replace(found, oldText.size(), newText);
    return true;
}

int ReplaceAll(const QString& oldText, const QString& newText, QString& text)
{
    if (oldText.isEmpty())
        return 0;
    int count = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype found = text.indexOf(oldText, from);
        if (found < 0)
            return count;
        text.replace(found, oldText.size(), newText);
        from = found + newText.size();
        ++count;
    }
}

QString TrimLeadingBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    return text.mid(i);
}

bool IsBlankChar(QChar c)
{
    return c == u'\t' || c == u'\n' || c == u'\r' || c == u' ';
}

QString TitleCase(const QString& text)
{
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const bool startsWord = i == 0 || IsBlankChar(text.at(i - 1));
        result[i] = startsWord ? AsciiUpper(text.at(i)) : AsciiLower(text.at(i));
    }
    return result;
}

namespace {

template <typename Number> Number saturatedDigits(const QString& text)
{
    constexpr Number kMax = std::numeric_limits<Number>::max();
    Number value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return 0;
        const Number digit = c.unicode() - u'0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return value;
}

} // namespace

int DigitsToNumber(const QString& text)
{
    return saturatedDigits<int>(text);
}

qint64 DigitsToPosition(const QString& text)
{
    return saturatedDigits<qint64>(text);
}

QString NthField(const QString& text, QChar separator, int n)
{
    if (n < 0)
        return QString();
    return text.split(separator).value(n);
}

int DriveNumber(QChar letter)
{
    return AsciiUpper(letter).unicode() - 64;
}

int Min(int a, int b)
{
    return std::min(a, b);
}

} // namespace tw
