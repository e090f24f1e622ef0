#include "dialogs/FilterRows.h"

namespace tw {

namespace {

const QString kLineSeparator = QStringLiteral(" | ");

} // namespace

QList<FilterRow> FilterRowsFromString(const QString& filter, int rowCount) {
    QList<FilterRow> rows(rowCount);
    const QStringList pieces = filter.split(QLatin1Char('|'));
    for (int i = 0; i < pieces.size() && i < 2 * rowCount; ++i) {
        FilterRow& row = rows[i / 2];
        (i % 2 == 0 ? row.name : row.pattern) = pieces.at(i);
    }
    return rows;
}

QString FilterStringFromRows(const QList<FilterRow>& rows) {
    QString filter;
    for (const FilterRow& row : rows)
        filter += row.name + QLatin1Char('|') + row.pattern + QLatin1Char('|');
    while (filter.endsWith(QLatin1Char('|')))
        filter.chop(1);
    return filter;
}

QStringList OrderLinesFromRows(const QList<FilterRow>& rows) {
    QStringList lines;
    for (const FilterRow& row : rows) {
        if (row.isEmpty())
            break;
        lines << (row.pattern.isEmpty() ? row.name : row.name + kLineSeparator + row.pattern);
    }
    return lines;
}

FilterRow RowFromOrderLine(const QString& line) {
    const qsizetype at = line.indexOf(kLineSeparator);
    if (at < 0)
        return FilterRow{line, QString()};
    return FilterRow{line.left(at), line.mid(at + kLineSeparator.size())};
}

QString WithoutLeadingDot(const QString& extension) {
    return extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
}

} // namespace tw
