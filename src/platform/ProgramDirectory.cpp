#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tw {

namespace {

QString& overriddenDirectory()
{
    static QString directory;
    return directory;
}

QString withTrailingSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace

QString programDirectory()
{
    if (!overriddenDirectory().isEmpty())
        return overriddenDirectory();
    if (QCoreApplication::instance())
        return withTrailingSlash(QCoreApplication::applicationDirPath());
    return withTrailingSlash(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
}

void setProgramDirectory(const QString& dir)
{
    overriddenDirectory() = dir.isEmpty() ? QString() : withTrailingSlash(dir);
}

} // namespace tw
