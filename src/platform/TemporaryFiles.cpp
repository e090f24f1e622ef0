#include "platform/TemporaryFiles.h"

#include "platform/WriteSupport.h"
#include "platform/WriteTarget.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <functional>
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

// The kinds of file a writer leaves beside its target when it dies.
enum class Leftover { Temporary, OldCopy };

QByteArray leftoverPrefix(const QByteArray& target, Leftover kind)
{
    return kind == Leftover::Temporary ? temporaryPrefix(target) : '.' + shortName(target) + ".tw-old-";
}

// Calls found(folder, name) for every leftover of that kind beside the file at
// path (links followed as a write follows them): regular files named exactly
// prefix + XXXXXX that belong to this user or to the file's owner and that no
// running process holds. The candidate's lock is held during the call. The
// folder is passed open and by name ("" for the current folder).
using FoundLeftover = std::function<void(int folder, const char* name, const QByteArray& folderName)>;
void forEachLeftover(const QString& path, Leftover kind, const FoundLeftover& found)
{
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty() || writing::resolveWriteTarget(target) != 0)
        return;
    const QByteArray prefix = leftoverPrefix(target, kind);
    const QByteArray folderName = writing::directoryPart(target);
    DIR* dir = ::opendir(folderName.isEmpty() ? "." : folderName.constData());
    if (!dir)
        return;
    struct stat file;
    const uid_t fileOwner = ::stat(target.constData(), &file) == 0 ? file.st_uid : ::geteuid();
    const int folder = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strncmp(name, prefix.constData(), size_t(prefix.size())) != 0 ||
            !isRandomPart(name + prefix.size()))
            continue;
        struct stat st;
        if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (st.st_uid != ::geteuid() && st.st_uid != fileOwner)
            continue;
        const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            continue;
        // A writer that is still at work holds the lock.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            found(folder, name, folderName);
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace

void removeStaleTemporaries(const QString& path)
{
    forEachLeftover(path, Leftover::Temporary,
                    [](int folder, const char* name, const QByteArray&) { ::unlinkat(folder, name, 0); });
}

QStringList keptOldCopies(const QString& path)
{
    QStringList copies;
    forEachLeftover(path, Leftover::OldCopy, [&](int, const char* name, const QByteArray& folderName) {
        copies << QFile::decodeName(folderName + name);
    });
    copies.sort();
    return copies;
}

namespace writing {

int createTemporary(const QByteArray& target, QByteArray& name)
{
    name = directoryPart(target) + temporaryPrefix(target) + "XXXXXX";
    return createLocked(name);
}

int createSafetyCopy(const QByteArray& target, const QByteArray& elsewhere, QByteArray& name)
{
    name = directoryPart(target) + leftoverPrefix(target, Leftover::OldCopy) + "XXXXXX";
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
