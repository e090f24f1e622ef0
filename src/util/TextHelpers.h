#pragma once
// Small text helpers. Positions inside texts are 1-based, 0 meaning "none",
// as everywhere the editor handles texts (the edit control's own positions are
// 0-based and do not go through these). An empty search text is found nowhere.
#include <QChar>
#include <QString>

namespace tw {

// 1-based position of the last occurrence of c in text, or 0.
int LastCharPos(QChar c, const QString& text);

// 1-based position of the first occurrence of sub that lies wholly within the
// 1-based positions from .. to (both included, clipped to the text), or 0.
int PosFrom(const QString& sub, const QString& text, int from, int to);

// 1-based position of the first occurrence of sub in text, letter case
// ignored, or 0.
int ContainsIgnoreCase(const QString& sub, const QString& text);

// Replaces the first occurrence of oldText in text by newText; true when it did.
bool ReplaceFirst(const QString& oldText, const QString& newText, QString& text);

// Replaces every occurrence of oldText in text by newText, from left to right,
// and returns how many it replaced. The replaced text is never searched again,
// so a newText that contains oldText is safe (each original occurrence is
// replaced once).
int ReplaceAll(const QString& oldText, const QString& newText, QString& text);

// text without its leading spaces and tabs.
QString TrimLeadingBlanks(const QString& text);

// True for tab, line feed, carriage return and space.
bool IsBlankChar(QChar c);

// The first character upper case; each later one upper case when the character
// before it is a blank (IsBlankChar), else lower case. Only ASCII letters
// change: "hELLO wORLD-wide web" -> "Hello World-wide Web".
QString TitleCase(const QString& text);

// The decimal value of a text made only of the ASCII digits 0 to 9; 0 for an
// empty text or one with any other character (sign, blank, letter). A value
// beyond the int range saturates at INT_MAX, so an over-long number reads as
// "as large as possible" rather than as a wrapped or unrelated value.
int DigitsToNumber(const QString& text);
// The same in 64 bits, for line numbers and positions of texts past 2 GB.
qint64 DigitsToPosition(const QString& text);

// The n-th (counted from 0) of the fields of text separated by separator;
// empty when there are not that many fields.
QString NthField(const QString& text, QChar separator, int n);

// The drive number a drive letter names: the ASCII upper-cased letter's code
// minus 64, so A (or a) is 1 and Z is 26.
int DriveNumber(QChar letter);

// The smaller of a and b.
int Min(int a, int b);

} // namespace tw
