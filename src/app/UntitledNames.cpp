#include "app/UntitledNames.h"

#include "util/FileNames.h"

namespace tw {

bool IsUntitledName(const QString& name) {
    if (!name.startsWith(QLatin1String("Untitled")))
        return false;
    const int dot = name.indexOf(QLatin1Char('.'), 8);
    const QString digits = name.mid(8, dot < 0 ? -1 : dot - 8);
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    for (const QChar c : digits)
        if (c != QLatin1Char('0'))
            return true;
    return false;
}

QString UntitledCounter::nextName(const QString& defaultExt) {
    counter_ = counter_ == 255 ? 1 : counter_ + 1;
    return ChangeFileExtension(QStringLiteral("Untitled%1").arg(counter_), defaultExt);
}

} // namespace tw
