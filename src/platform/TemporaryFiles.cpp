#include "platform/TemporaryFiles.h"

#include "platform/WriteSupport.h"
#include "platform/WriteTarget.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {

constexpr int kRandomLength = 6;   // mkostemp's XXXXXX

// The file-name part of target, cut short enough for the file system's limit
// once the prefix and suffix are added.
QByteArray shortName(const QByteArray& target)
{
    return target.mid(writing::directoryPart(target).size()).left(200);
}

QByteArray temporaryPrefix(const QByteArray& target)
{
    return '.' + shortName(target) + ".tw-";
}

bool isRandomPart(const char* text)
{
    for (int i = 0; i < kRandomLength; ++i) {
        const char c = text[i];
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum)
            return false;
    }
    return text[kRandomLength] == '\0';
}

int createLocked(QByteArray& pattern)
{
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0)
        ::flock(fd, LOCK_EX);
    return fd;
}

// Removes one candidate when it is the editor's leftover; folder is open.
void removeIfStale(int folder, const char* name, uid_t fileOwner)
{
    struct stat st;
    if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
        return;
    if (st.st_uid != ::geteuid() && st.st_uid != fileOwner)
        return;
    const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return;
    // A writer that is still at work holds the lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlinkat(folder, name, 0);
    ::close(fd);
}

} // namespace

void removeStaleTemporaries(const QString& path)
{
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty() || writing::resolveWriteTarget(target) != 0)
        return;
    const QByteArray prefix = temporaryPrefix(target);
    const QByteArray folderName = writing::directoryPart(target);
    DIR* dir = ::opendir(folderName.isEmpty() ? "." : folderName.constData());
    if (!dir)
        return;
    struct stat file;
    const uid_t fileOwner = ::stat(target.constData(), &file) == 0 ? file.st_uid : ::geteuid();
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, prefix.constData(), size_t(prefix.size())) == 0 &&
            isRandomPart(entry->d_name + prefix.size()))
            removeIfStale(::dirfd(dir), entry->d_name, fileOwner);
    }
    ::closedir(dir);
}

namespace writing {

int createTemporary(const QByteArray& target, QByteArray& name)
{
    name = directoryPart(target) + temporaryPrefix(target) + "XXXXXX";
    return createLocked(name);
}

int createSafetyCopy(const QByteArray& target, const QByteArray& elsewhere, QByteArray& name)
{
    name = directoryPart(target) + '.' + shortName(target) + ".tw-old-XXXXXX";
    int fd = createLocked(name);
    if (fd >= 0 || (errno != EACCES && errno != EPERM && errno != EROFS) || elsewhere.isEmpty())
        return fd;
    ::mkdir(elsewhere.constData(), 0700);
    name = elsewhere + (elsewhere.endsWith('/') ? "" : "/") + shortName(target) + ".tw-old-XXXXXX";
    fd = createLocked(name);
    return fd;
}

} // namespace writing

} // namespace tw
