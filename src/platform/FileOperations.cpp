#include "platform/FileOperations.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {

QString errorText(int error) { return qt_error_string(error); }

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

bool statOf(const QString& path, LinkMode mode, struct stat& st)
{
    const QByteArray name = encoded(path);
    if (name.isEmpty())
        return false;
    return (mode == LinkMode::Follow ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st)) == 0;
}

bool readOnlyMode(const struct stat& st) { return !S_ISLNK(st.st_mode) && (st.st_mode & 0222) == 0; }

// Refuses to replace a read-only target or a folder. Returns 0 or errno.
int checkTarget(const QString& target)
{
    struct stat st;
    if (!statOf(target, LinkMode::Itself, st))
        return 0;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    return readOnlyMode(st) ? EACCES : 0;
}

// The file a link at target names, so a copy writes through it; target itself
// when it is no link or leads nowhere.
QString throughLinks(const QString& target)
{
    struct stat st;
    if (!statOf(target, LinkMode::Itself, st) || !S_ISLNK(st.st_mode))
        return target;
    char resolved[PATH_MAX];
    if (!::realpath(encoded(target).constData(), resolved))
        return target;
    return QFile::decodeName(resolved);
}

// Moves a symbolic link to another file system: a new link with the same text.
QString moveLinkAcross(const QByteArray& source, const QByteArray& target)
{
    char text[PATH_MAX];
    const ssize_t n = ::readlink(source.constData(), text, sizeof text - 1);
    if (n < 0)
        return errorText(errno);
    text[n] = '\0';
    QByteArray temporary;
    for (int attempt = 0;; ++attempt) {
        temporary = temporaryPatternBeside(target);
        const int fd = ::mkstemp(temporary.data());
        if (fd < 0)
            return errorText(errno);
        ::close(fd);
        ::unlink(temporary.constData());
        if (::symlink(text, temporary.constData()) == 0)
            break;
        if (errno != EEXIST || attempt > 10)
            return errorText(errno);
    }
    if (::unlink(source.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return errorText(error);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        (void)::rename(temporary.constData(), source.constData());
        return errorText(error);
    }
    return QString();
}

} // namespace

bool isSameFile(const QString& a, const QString& b, LinkMode mode)
{
    struct stat sa, sb;
    return statOf(a, mode, sa) && statOf(b, mode, sb) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool entryExists(const QString& path)
{
    struct stat st;
    return statOf(path, LinkMode::Itself, st);
}

bool isReadOnlyEntry(const QString& path)
{
    struct stat st;
    return statOf(path, LinkMode::Itself, st) && readOnlyMode(st);
}

QString copyFileReplacing(const QString& source, const QString& target, const CopyProgress& progress)
{
    const QString destination = throughLinks(target);
    if (const int error = checkTarget(destination))
        return errorText(error);
    PendingCopy copy;
    QString error = copy.start(source, destination, false, progress);
    if (error.isEmpty())
        error = copy.commit();
    return error;
}

QString renameReplacing(const QString& source, const QString& target)
{
    if (const int error = checkTarget(target))
        return errorText(error);
    return ::rename(encoded(source).constData(), encoded(target).constData()) == 0 ? QString()
                                                                                 : errorText(errno);
}

QString moveReplacing(const QString& source, const QString& target, const CopyProgress& progress)
{
    if (const int error = checkTarget(target))
        return errorText(error);
    const QByteArray from = encoded(source);
    const QByteArray to = encoded(target);
    if (::rename(from.constData(), to.constData()) == 0)
        return QString();
    if (errno != EXDEV)
        return errorText(errno);

    struct stat st;
    if (::lstat(from.constData(), &st) != 0)
        return errorText(errno);
    if (S_ISLNK(st.st_mode))
        return moveLinkAcross(from, to);
    if (readOnlyMode(st))
        return errorText(EACCES);   // the source could not be removed afterwards
    PendingCopy copy;
    if (const QString error = copy.start(source, target, true, progress); !error.isEmpty())
        return error;
    // The source goes before the copy takes the target's place, so a source
    // that cannot be removed leaves everything as it was.
    if (::unlink(from.constData()) != 0)
        return errorText(errno);
    const QString error = copy.commit();
    if (!error.isEmpty())   // the only copy of the file now: never removed
        return QStringLiteral("%1; the file is kept as \"%2\"").arg(error, copy.keep());
    return QString();
}

QString createFolder(const QString& path)
{
    QByteArray name = encoded(path);
    while (name.size() > 1 && name.endsWith('/'))
        name.chop(1);
    return ::mkdir(name.constData(), 0777) == 0 ? QString() : errorText(errno);
}

} // namespace tw
