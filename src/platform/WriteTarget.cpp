#include "platform/WriteTarget.h"

#include "platform/WriteSupport.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace tw::writing {

namespace {

// The kernel's rule (fs.protected_symlinks) for a link in a sticky,
// world-writable folder.
bool mayFollow(const QByteArray& link, const struct stat& linkStat)
{
    QByteArray folder = directoryPart(link);
    if (folder.isEmpty())
        folder = ".";
    struct stat dir;
    if (::stat(folder.constData(), &dir) != 0)
        return false;
    const bool sticky = (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH);
    return !sticky || linkStat.st_uid == ::geteuid() || linkStat.st_uid == dir.st_uid;
}

} // namespace

int resolveWriteTarget(QByteArray& path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode))
            return 0;
        if (!mayFollow(path, st))
            return EACCES;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer);
        if (n < 0)
            return errno;
        if (n == sizeof buffer)
            return ENAMETOOLONG;
        const QByteArray target(buffer, n);
        path = target.startsWith('/') ? target : directoryPart(path) + target;
    }
    return ELOOP;
}

} // namespace tw::writing
