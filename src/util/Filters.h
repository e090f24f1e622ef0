#pragma once
// File-dialog filters are one text of "|"-separated fields that alternate
// between a description and its pattern: "Text files|*.txt|All files|*.*".
#include <QString>
#include <QStringList>

namespace tw {

// The pattern fields of filter (its 2nd, 4th, ... fields), the last one
// included. A trailing description without a pattern adds nothing.
QStringList FilterPatterns(const QString& filter);

// The 1-based position of pattern among FilterPatterns(filter), compared
// without regard to case, or 0 when it is not there.
int FilterIndexOf(const QString& pattern, const QString& filter);

} // namespace tw
