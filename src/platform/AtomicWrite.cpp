#include "platform/AtomicWrite.h"

#include "platform/FileMetadata.h"
#include "platform/FileStamp.h"
#include "platform/InPlaceWrite.h"
#include "platform/ProgramDirectory.h"
#include "platform/TemporaryFiles.h"
#include "platform/WriteSupport.h"
#include "platform/WriteTarget.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

using namespace writing;

namespace {

mode_t currentUmask()
{
    // Read without changing it: the recovery journal writes from a thread of
    // its own, and a brief umask(0) would let another thread create a file
    // open to everyone.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
    }
    return 022;
}

// Checks that the existing target may be replaced; returns 0 or errno.
int checkReplaceable(const QByteArray& target, const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if ((st.st_mode & 0222) == 0)
        return EACCES;   // read-only, whoever asks
    const int probe = ::open(target.constData(), O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0)
        return errno == ETXTBSY ? 0 : errno;   // a running program can still be replaced
    ::close(probe);
    return 0;
}

// A folder that refuses new names, or a rename the folder does not allow.
bool folderRefuses(int error) { return error == EACCES || error == EPERM; }

QByteArray copyFolder() { return QFile::encodeName(programDirectory() + QStringLiteral("recovery")); }

// The replaced file's blocks are freed when its last name and descriptor go:
// for a big file that takes a noticeable time (a tenth of a second for each
// few hundred megabytes), which the save need not wait for. A descriptor held
// across the rename moves that work to a thread that only closes it.
constexpr off_t kReleaseLaterFrom = 16 * 1024 * 1024;

int holdReplacedFile(const QByteArray& target, bool exists, const struct stat& old)
{
    if (!exists || old.st_size < kReleaseLaterFrom || old.st_nlink != 1)
        return -1;
    const int fd = ::open(target.constData(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    struct stat held;
    if (fd >= 0 && (::fstat(fd, &held) != 0 || held.st_ino != old.st_ino || held.st_dev != old.st_dev)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void releaseInBackground(int fd)
{
    if (fd < 0)
        return;
    try {
        std::thread([fd] { ::close(fd); }).detach();
    } catch (const std::system_error&) {
        ::close(fd);
    }
}

enum class Outcome { Done, InPlace };

// The rename route; InPlace when it cannot keep what the file is.
Outcome replaceByRename(const QByteArray& target, bool exists, const struct stat& old,
                        std::initializer_list<ByteRange> ranges, int& error)
{
    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        error = errno;
        return exists && folderRefuses(error) ? Outcome::InPlace : Outcome::Done;
    }
    bool keepsAll = true;
    if (exists) {
        const CarriedOver carried = carryOverMetadata(fd, target, old);
        error = carried.error;
        keepsAll = carried.complete;
    } else {
        error = ::fchmod(fd, 0666 & ~currentUmask()) == 0 ? 0 : errno;
    }
    if (error == 0 && !keepsAll) {
        ::unlink(temporary.constData());
        ::close(fd);
        return Outcome::InPlace;
    }
    if (error == 0)
        error = writeAll(fd, ranges);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    const int replaced = error == 0 ? holdReplacedFile(target, exists, old) : -1;
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error == 0)
        releaseInBackground(replaced);
    else if (replaced >= 0)
        ::close(replaced);
    if (error != 0)
        ::unlink(temporary.constData());
    ::close(fd);   // the lock goes with it, once the name is final
    if (error != 0)
        return exists && folderRefuses(error) ? Outcome::InPlace : Outcome::Done;
    syncDirectory(directoryPart(target));
    return Outcome::Done;
}

} // namespace

QString writeRangesAtomically(const QString& path, std::initializer_list<ByteRange> ranges,
                              FileStamp* written)
{
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty())
        return errorText(ENOENT);
    if (const int error = resolveWriteTarget(target))
        return errorText(error);

    struct stat old;
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return errorText(errno);
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode))
        return writeDevice(target, ranges);
    if (exists) {
        if (const int error = checkReplaceable(target, old))
            return errorText(error);
    }
    removeStaleTemporaries(QFile::decodeName(target));

    int error = 0;
    // Another name for the same file would keep the old text after a rename.
    const bool linked = exists && old.st_nlink > 1;
    if (linked || replaceByRename(target, exists, old, ranges, error) == Outcome::InPlace) {
        const QString failure = writeInPlaceWithCopy(target, copyFolder(), ranges, old);
        if (!failure.isEmpty())
            return failure;
        error = 0;
    }
    if (error != 0)
        return errorText(error);
    if (written)
        *written = currentStamp(QFile::decodeName(target));
    return QString();
}

QString writeBytesAtomically(const QString& path, const char* data, qsizetype length)
{
    return writeRangesAtomically(path, {ByteRange{data, length}});
}

} // namespace tw
