#include "util/Filters.h"

namespace tw {

QStringList FilterPatterns(const QString& filter)
{
    const QStringList fields = filter.split(u'|');
    QStringList patterns;
    for (qsizetype i = 1; i < fields.size(); i += 2)
        patterns.append(fields.at(i));
    return patterns;
}

int FilterIndexOf(const QString& pattern, const QString& filter)
{
    const QStringList patterns = FilterPatterns(filter);
    for (qsizetype i = 0; i < patterns.size(); ++i) {
        if (patterns.at(i).compare(pattern, Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    }
    return 0;
}

} // namespace tw
