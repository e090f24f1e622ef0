#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <unistd.h>

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

QString executableDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// Whether new files can be made in the folder: the settings file and the
// scripts are written through temporary files beside them.
bool canCreateFilesIn(const QString& dir)
{
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

} // namespace

QString chooseProgramDirectory(const ProgramDirectoryFacts& facts)
{
    if (facts.executableDirWritable && !facts.installed)
        return withTrailingSlash(facts.executableDir);
    const QString config = facts.xdgConfigHome.isEmpty()
                               ? withTrailingSlash(facts.home) + QStringLiteral(".config")
                               : facts.xdgConfigHome;
    return withTrailingSlash(config) + QStringLiteral("tarnwick/");
}

QString programDirectory()
{
    if (!overriddenDirectory().isEmpty())
        return overriddenDirectory();
    static const QString chosen = [] {
        ProgramDirectoryFacts facts;
        facts.executableDir = executableDirectory();
        facts.executableDirWritable = canCreateFilesIn(facts.executableDir);
        const QStringList folders = programFileFolders(facts.executableDir);
        const QString help = QStringLiteral("Tarnwick.hlp");
        facts.installed = !QFileInfo::exists(folders[0] + help) && QFileInfo::exists(folders[1] + help);
        facts.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        facts.home = QDir::homePath();
        const QString dir = chooseProgramDirectory(facts);
        QDir().mkpath(dir);
        return dir;
    }();
    return chosen;
}

void setProgramDirectory(const QString& dir)
{
    overriddenDirectory() = dir.isEmpty() ? QString() : withTrailingSlash(dir);
}

QStringList programFileFolders(const QString& executableDir)
{
    const QString dir = withTrailingSlash(executableDir);
    return {dir, QDir::cleanPath(dir + QStringLiteral("../share/tarnwick")) + QLatin1Char('/')};
}

QString programFile(const QString& name)
{
    QStringList folders{programDirectory()};
    if (overriddenDirectory().isEmpty())
        folders << programFileFolders(executableDirectory());
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + name))
            return folder + name;
    return programDirectory() + name;
}

} // namespace tw
