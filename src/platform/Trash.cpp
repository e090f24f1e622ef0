#include "platform/Trash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {

QString errorText(int error) { return qt_error_string(error); }

bool deviceOf(const QString& path, dev_t& device)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    device = st.st_dev;
    return true;
}

bool isTrashFolder(const QString& path, bool mustBeSticky)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    return !mustBeSticky || (st.st_mode & S_ISVTX);
}

// The top folder of the volume that holds folder: the last folder upwards
// still on the same device.
QString volumeTop(const QString& folder, dev_t device)
{
    QString top = folder;
    for (;;) {
        const QString parent = QFileInfo(top).path();
        dev_t parentDevice;
        if (parent == top || !deviceOf(parent, parentDevice) || parentDevice != device)
            return top;
        top = parent;
    }
}

// "Path=" of a trash entry: the absolute path, percent-encoded but for "/".
QString encodedPath(const QString& path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

QString moveToTrash(const QString& path, const QString& trash)
{
    QDir().mkpath(trash + QStringLiteral("/files"));
    QDir().mkpath(trash + QStringLiteral("/info"));
    const QString name = QFileInfo(path).fileName();
    const QByteArray info = QStringLiteral("[Trash Info]\nPath=%1\nDeletionDate=%2\n")
                                .arg(encodedPath(path),
                                     QDateTime::currentDateTime().toString(Qt::ISODate))
                                .toUtf8();
    for (int n = 1; n < 10000; ++n) {
        const QString entry = n == 1 ? name : QStringLiteral("%1.%2").arg(name).arg(n);
        const QByteArray infoName = QFile::encodeName(trash + QStringLiteral("/info/") + entry
                                                      + QStringLiteral(".trashinfo"));
        const int fd = ::open(infoName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return errorText(errno);
        }
        const bool written = ::write(fd, info.constData(), size_t(info.size())) == info.size();
        ::close(fd);
        const QByteArray fileName = QFile::encodeName(trash + QStringLiteral("/files/") + entry);
        struct stat st;
        if (written && ::lstat(fileName.constData(), &st) != 0
            && ::rename(QFile::encodeName(path).constData(), fileName.constData()) == 0)
            return QString();
        const int error = written ? errno : EIO;
        ::unlink(infoName.constData());
        if (written && error == ENOENT)   // the files entry was taken: try the next name
            continue;
        return errorText(error);
    }
    return errorText(EEXIST);
}

} // namespace

QString trashFolderFor(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    dev_t device;
    if (!deviceOf(folder, device))
        return QString();
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                         + QStringLiteral("/Trash");
    dev_t homeDevice;
    QString homeParent = QFileInfo(home).path();
    if (deviceOf(QFileInfo::exists(home) ? home : homeParent, homeDevice) && homeDevice == device)
        return home;
    const QString top = volumeTop(folder, device);
    const QString uid = QString::number(::getuid());
    const QString shared = top + QStringLiteral("/.Trash");
    if (isTrashFolder(shared, true) && isTrashFolder(shared + QLatin1Char('/') + uid, false))
        return shared + QLatin1Char('/') + uid;
    const QString own = top + QStringLiteral("/.Trash-") + uid;
    return isTrashFolder(own, false) ? own : QString();
}

DeleteResult deleteFile(const QString& path)
{
    DeleteResult result;
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (name.isEmpty() || ::lstat(name.constData(), &st) != 0) {
        result.error = errorText(name.isEmpty() ? ENOENT : errno);
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.error = errorText(EISDIR);
        return result;
    }
    if (!S_ISLNK(st.st_mode) && (st.st_mode & 0222) == 0) {
        result.error = errorText(EACCES);   // read-only, also for root
        return result;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString trash = trashFolderFor(absolute);
    if (!trash.isEmpty()) {
        result.error = moveToTrash(absolute, trash);
        result.trashed = result.ok();
        return result;
    }
    if (::unlink(name.constData()) != 0)
        result.error = errorText(errno);
    return result;
}

} // namespace tw
