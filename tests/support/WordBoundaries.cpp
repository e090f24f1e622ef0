#include "support/WordBoundaries.h"

#include <QChar>

namespace tw::test {

namespace {

CharClass asciiClass(unsigned char c) {
    if (c < 0x20 || c == ' ')
        return CharClass::Blank;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')
        return CharClass::Word;
    return CharClass::Punctuation;
}

CharClass unicodeClass(char32_t cp) {
    switch (QChar::category(cp)) {
    case QChar::Letter_Uppercase: case QChar::Letter_Lowercase: case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier: case QChar::Letter_Other:
    case QChar::Mark_NonSpacing: case QChar::Mark_SpacingCombining: case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit: case QChar::Number_Letter: case QChar::Number_Other:
        return CharClass::Word;
    case QChar::Punctuation_Connector: case QChar::Punctuation_Dash: case QChar::Punctuation_Open:
    case QChar::Punctuation_Close: case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote: case QChar::Punctuation_Other:
    case QChar::Symbol_Math: case QChar::Symbol_Currency: case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
        return CharClass::Punctuation;
    default:
        return CharClass::Blank;
    }
}

int sequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The code point of a well-formed sequence at s[0, n), or -1. Overlong
// forms, surrogates, values past U+10FFFF and U+FFFE/U+FFFF form none.
long decodeSequence(const unsigned char* s, int n) {
    long cp = s[0] & (0x7F >> n);
    for (int i = 1; i < n; ++i) {
        if ((s[i] & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (s[i] & 0x3F);
    }
    static const long minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE ||
        cp == 0xFFFF)
        return -1;
    return cp;
}

// The code point of the sequence beginning at pos, or -1 for a byte that
// begins none.
long utf8After(const unsigned char* t, qsizetype length, qsizetype pos) {
    const int n = sequenceLength(t[pos]);
    if (n == 0 || pos + n > length)
        return -1;
    return decodeSequence(t + pos, n);
}

// The code point of the sequence ending at pos, or -1 when the byte before
// pos ends none.
long utf8Before(const unsigned char* t, qsizetype pos) {
    for (int back = 2; back <= 4 && pos - back >= 0; ++back) {
        if ((t[pos - back + 1] & 0xC0) != 0x80)
            return -1;
        if (sequenceLength(t[pos - back]) == back)
            return decodeSequence(t + pos - back, back);
    }
    return -1;
}

} // namespace

CharClass charClassAround(const char* text, qsizetype length, qsizetype pos, bool after,
                          TextFormat::Encoding encoding) {
    const auto* t = reinterpret_cast<const unsigned char*>(text);
    const unsigned char byte = after ? t[pos] : t[pos - 1];
    if (byte < 0x80)
        return asciiClass(byte);
    if (encoding == TextFormat::Encoding::Latin1)
        return CharClass::Word;
    const long cp = after ? utf8After(t, length, pos) : utf8Before(t, pos);
    return cp < 0 ? CharClass::Punctuation : unicodeClass(static_cast<char32_t>(cp));
}

bool isWholeWordAt(const char* text, qsizetype length, qsizetype start, qsizetype end,
                   TextFormat::Encoding encoding) {
    if (start >= end || start >= length || end <= 0)
        return false;
    if (start > 0) {
        const CharClass first = charClassAround(text, length, start, true, encoding);
        if (first == CharClass::Blank || first == charClassAround(text, length, start, false, encoding))
            return false;
    }
    if (end < length) {
        const CharClass last = charClassAround(text, length, end, false, encoding);
        if (last == CharClass::Blank || last == charClassAround(text, length, end, true, encoding))
            return false;
    }
    return true;
}

} // namespace tw::test
