#pragma once
// The file-dialog filter string as rows of the filters editor, and back.
// A filter string alternates names and patterns, every piece separated by "|":
// "Any File|*.*|Text Files (txt)|*.txt".
#include <QList>
#include <QString>
#include <QStringList>

namespace tw {

struct FilterRow {
    QString name;
    QString pattern;
    bool isEmpty() const { return name.isEmpty() && pattern.isEmpty(); }
    bool operator==(const FilterRow&) const = default;
};

// The number of filters the editor holds.
inline constexpr int kFilterRowCount = 19;

// The pieces of filter laid into rowCount rows in reading order (name, then
// pattern, then the next row's name, ...). Pieces beyond the rows are dropped;
// cells after the last piece are empty.
QList<FilterRow> FilterRowsFromString(const QString& filter, int rowCount = kFilterRowCount);

// Every row as "name|pattern|", empty rows included, with all "|" at the end
// removed: rows A *.a, (empty), B *.b give "A|*.a|||B|*.b".
QString FilterStringFromRows(const QList<FilterRow>& rows);

// One line per row, down to the first empty row (not included): the name, or
// "name | pattern" when the pattern is not empty.
QStringList OrderLinesFromRows(const QList<FilterRow>& rows);

// A line of OrderLinesFromRows split at its first " | " (no " | ": the name
// with an empty pattern).
FilterRow RowFromOrderLine(const QString& line);

// The default extension as the dialogs keep it: one leading "." removed.
QString WithoutLeadingDot(const QString& extension);

} // namespace tw
