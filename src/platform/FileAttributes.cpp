#include "platform/FileAttributes.h"

#include "util/PathStyle.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace tw {

namespace {

constexpr char kAttributeName[] = "user.tarnwick.attributes";
constexpr int kStoredBits = FileAttribute::Hidden | FileAttribute::System | FileAttribute::Archive;

QString errorText(int error) { return qt_error_string(error); }

bool hasDotName(const QString& path)
{
    return FileNamePart(WithoutTrailingSeparator(path)).startsWith(QLatin1Char('.'));
}

bool isReadOnlyMode(mode_t mode) { return (mode & 0222) == 0; }

// Reads the stored bits into bits; a file system without extended attributes
// or a file without ours has none. Returns 0 or errno.
int readStoredBits(const QByteArray& name, int& bits)
{
    bits = 0;
    char value[32];
    const ssize_t n = ::getxattr(name.constData(), kAttributeName, value, sizeof value - 1);
    if (n < 0)
        return errno == ENODATA || errno == ENOTSUP || errno == ERANGE ? 0 : errno;
    bool ok = false;
    const int parsed = QByteArray(value, n).trimmed().toInt(&ok);
    bits = ok ? parsed & kStoredBits : 0;
    return 0;
}

int writeStoredBits(const QByteArray& name, int bits)
{
    if (bits == 0) {
        if (::removexattr(name.constData(), kAttributeName) == 0 || errno == ENODATA)
            return 0;
        return errno;
    }
    const QByteArray value = QByteArray::number(bits);
    return ::setxattr(name.constData(), kAttributeName, value.constData(), size_t(value.size()), 0) == 0
               ? 0 : errno;
}

} // namespace

AttributeQuery fileAttributes(const QString& path)
{
    AttributeQuery result;
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0) {
        result.error = errorText(name.isEmpty() ? ENOENT : errno);
        return result;
    }
    int stored = 0;
    if (const int error = readStoredBits(name, stored)) {
        result.error = errorText(error);
        return result;
    }
    result.bits = stored;
    if (hasDotName(path))
        result.bits |= FileAttribute::Hidden;
    if (isReadOnlyMode(st.st_mode))
        result.bits |= FileAttribute::ReadOnly;
    return result;
}

QString setFileAttributes(const QString& path, int bits)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0)
        return errorText(name.isEmpty() ? ENOENT : errno);

    const bool dotName = hasDotName(path);
    if (dotName && !(bits & FileAttribute::Hidden))
        return QStringLiteral("A name that starts with \".\" is always hidden");

    // A dot name is hidden by its name alone; storing that too would keep the
    // file hidden after a rename to an ordinary name.
    const int wantedStored = bits & kStoredBits & ~(dotName ? FileAttribute::Hidden : 0);
    int stored = 0;
    if (const int error = readStoredBits(name, stored))
        return errorText(error);

    const mode_t original = st.st_mode & 07777;
    const bool wantReadOnly = bits & FileAttribute::ReadOnly;
    const mode_t wantedMode = wantReadOnly ? original & ~mode_t(0222)
                              : isReadOnlyMode(original) ? original | S_IWUSR
                                                         : original;
    mode_t current = original;

    if (wantedStored != stored) {
        // Extended attributes of a file follow its write permission, so a
        // read-only file is opened up for the change.
        if (isReadOnlyMode(current)) {
            if (::chmod(name.constData(), current | S_IWUSR) != 0)
                return errorText(errno);
            current |= S_IWUSR;
        }
        if (const int error = writeStoredBits(name, wantedStored)) {
            if (current != original)
                ::chmod(name.constData(), original);
            return errorText(error);
        }
    }
    if (wantedMode != current && ::chmod(name.constData(), wantedMode) != 0) {
        const int error = errno;
        writeStoredBits(name, stored);
        if (current != original)
            ::chmod(name.constData(), original);
        return errorText(error);
    }
    return QString();
}

bool fileExists(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0
           && !S_ISDIR(st.st_mode);
}

QString fileLookupError(const QString& path)
{
    struct stat st;
    if (path.isEmpty())
        return QString();
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? QString() : errorText(errno);
    return S_ISDIR(st.st_mode) ? QStringLiteral("Not a regular file") : QString();
}

bool folderExists(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0
           && S_ISDIR(st.st_mode);
}

qint64 fileSize(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return qint64(st.st_size);
}

} // namespace tw
