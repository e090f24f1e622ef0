#include "platform/JournalFiles.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {

const QByteArray kMagic("Tarnwick recovery journal 1\n");
const QByteArray kEnd("\nend of entry ");
constexpr int kHashLength = 16;   // MD5: finds damage, not forgery
const QString kSessionPrefix = QStringLiteral("session-");
const QString kLockName = QStringLiteral("lock");
const QString kEntrySuffix = QStringLiteral(".entry");

QByteArray header(const QString& fileName, const TextFormat& format, qsizetype textLength)
{
    QByteArray bytes = kMagic;
    QDataStream out(&bytes, QIODevice::Append);
    out.setVersion(QDataStream::Qt_6_0);
    out << fileName << quint8(format.encoding == TextFormat::Encoding::Latin1) << format.bom
        << format.lineBreak << format.finalBreak << format.fromFile << format.stamp.known
        << format.stamp.device << format.stamp.inode << format.stamp.size << format.stamp.modifiedNs
        << qint64(textLength);
    return bytes;
}

QByteArray checksum(const QByteArray& head, const char* text, qsizetype length)
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(head);
    hash.addData(QByteArrayView(text, length));
    return hash.result();
}

int lockFile(const QString& path, int operation)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, operation) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

QString writeJournalEntry(const QString& path, const QString& fileName, const TextFormat& format,
                          const QByteArray& text)
{
    const QByteArray head = header(fileName, format, text.size());
    const QByteArray tail = kEnd + checksum(head, text.constData(), text.size());
    return writeRangesAtomically(path, {ByteRange{head.constData(), head.size()},
                                        ByteRange{text.constData(), text.size()},
                                        ByteRange{tail.constData(), tail.size()}});
}

JournalRead readJournalEntry(const QString& path)
{
    JournalRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith(kMagic)) {
        result.error = QStringLiteral("not a recovery entry");
        return result;
    }
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    in.skipRawData(int(kMagic.size()));
    JournalEntry entry;
    quint8 latin1 = 0;
    qint64 textLength = -1;
    in >> entry.fileName >> latin1 >> entry.format.bom >> entry.format.lineBreak >> entry.format.finalBreak
        >> entry.format.fromFile >> entry.format.stamp.known >> entry.format.stamp.device
        >> entry.format.stamp.inode >> entry.format.stamp.size >> entry.format.stamp.modifiedNs >> textLength;
    const qint64 headLength = in.device() ? in.device()->pos() : -1;
    const qint64 tailLength = kEnd.size() + kHashLength;
    if (in.status() != QDataStream::Ok || headLength < 0 || textLength < 0 ||
        headLength + textLength + tailLength != bytes.size() || entry.fileName.isEmpty()) {
        result.error = QStringLiteral("the entry is damaged");
        return result;
    }
    const QByteArray head = bytes.left(headLength);
    const char* text = bytes.constData() + headLength;
    const QByteArray tail = bytes.right(tailLength);
    if (tail != kEnd + checksum(head, text, textLength)) {
        result.error = QStringLiteral("the entry is damaged");
        return result;
    }
    entry.format.encoding = latin1 ? TextFormat::Encoding::Latin1 : TextFormat::Encoding::Utf8;
    entry.text = bytes.mid(headLength, textLength);
    result.entry = std::move(entry);
    return result;
}

JournalSession::JournalSession(const QString& recoveryFolder) : recoveryFolder_(recoveryFolder) {}

JournalSession::~JournalSession()
{
    if (lock_ >= 0)
        ::close(lock_);
}

QString JournalSession::entryPath(quint64 id, QString* error)
{
    struct stat st;
    if (!folder_.isEmpty() && (::lstat(QFile::encodeName(folder_).constData(), &st) != 0 || !S_ISDIR(st.st_mode))) {
        // Someone removed the folder (cleaning up the settings folder): the
        // journal begins a new one rather than writing into nothing.
        if (lock_ >= 0)
            ::close(lock_);
        lock_ = -1;
        folder_.clear();
    }
    if (folder_.isEmpty()) {
        QDir().mkpath(recoveryFolder_);
        QByteArray pattern = QFile::encodeName(QDir(recoveryFolder_).filePath(kSessionPrefix + QStringLiteral("XXXXXX")));
        if (!::mkdtemp(pattern.data())) {
            if (error)
                *error = qt_error_string(errno);
            return QString();
        }
        const QString folder = QFile::decodeName(pattern);
        lock_ = lockFile(folder + QLatin1Char('/') + kLockName, LOCK_EX | LOCK_NB);
        if (lock_ < 0) {
            if (error)
                *error = qt_error_string(errno);
            QDir(folder).removeRecursively();
            return QString();
        }
        folder_ = folder;
        ++foldersMade_;
    }
    return folder_ + QStringLiteral("/%1").arg(id, 16, 16, QLatin1Char('0')) + kEntrySuffix;
}

void JournalSession::remove()
{
    if (folder_.isEmpty())
        return;
    removeSessionFolder(folder_);
    if (lock_ >= 0)
        ::close(lock_);
    lock_ = -1;
    folder_.clear();
}

QStringList abandonedSessions(const QString& recoveryFolder)
{
    QStringList result;
    const QDir dir(recoveryFolder);
    for (const QString& name : dir.entryList({kSessionPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks | QDir::Hidden, QDir::Time | QDir::Reversed)) {
        const QString folder = dir.filePath(name);
        const int fd = lockFile(folder + QLatin1Char('/') + kLockName, LOCK_EX | LOCK_NB);
        if (fd < 0)
            continue;   // a running editor's, or not ours to look at
        ::close(fd);
        result << folder;
    }
    return result;
}

QStringList sessionEntries(const QString& sessionFolder)
{
    QStringList result;
    const QDir dir(sessionFolder);
    for (const QString& name : dir.entryList({QLatin1Char('*') + kEntrySuffix}, QDir::Files | QDir::NoSymLinks, QDir::Name))
        result << dir.filePath(name);
    return result;
}

void removeSessionFolder(const QString& sessionFolder)
{
    const QDir dir(sessionFolder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name == kLockName || name.endsWith(kEntrySuffix) || name.startsWith(QLatin1Char('.')))
            QFile::remove(dir.filePath(name));
    QDir().rmdir(sessionFolder);
}

} // namespace tw
