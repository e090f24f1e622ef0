// The platform's file operations: what a copy and a cross-file-system move
// keep, a full disk that leaves the old target whole, links acted on or
// followed, deletes into a trash or outright, and the volume list.
#include <QtTest>

#include "platform/FileAttributes.h"
#include "platform/FileOperations.h"
#include "platform/Trash.h"
#include "platform/Volumes.h"
#include "RawFiles.h"
#include "ScratchMount.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

using namespace tw;
using namespace tw::test;

namespace {

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

struct stat statOf(const QString& path) {
    struct stat st{};
    ::lstat(encoded(path).constData(), &st);
    return st;
}

QStringList hiddenOrNot(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
}

} // namespace

class FileOperationsPlatformTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dataHome_;

private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8()); }

    void moveAcrossFileSystemsKeepsWhatTheFileIs() {
        ScratchMount tmpfs("tmpfs", "size=4m");
        if (!tmpfs.isMounted())
            QSKIP("no right to mount a tmpfs");
        QTemporaryDir here;
        const QString source = here.filePath("a.c");
        writeRaw(source, "int main;\n");
        ::chmod(encoded(source).constData(), 0751);
        ::chown(encoded(source).constData(), uid_t(-1), 12);
        QCOMPARE(setFileAttributes(source, FileAttribute::Archive | FileAttribute::System), QString());
        const struct timespec times[2] = {{1000000000, 0}, {1200000000, 500}};
        ::utimensat(AT_FDCWD, encoded(source).constData(), times, 0);

        const QString target = tmpfs.path() + "/a.c";
        QCOMPARE(moveReplacing(source, target), QString());
        QVERIFY(!QFile::exists(source));
        QCOMPARE(readRaw(target), QByteArray("int main;\n"));
        const struct stat st = statOf(target);
        QCOMPARE(st.st_mode & 07777, mode_t(0751));
        QCOMPARE(st.st_gid, gid_t(12));
        QCOMPARE(qint64(st.st_mtim.tv_sec), qint64(1200000000));
        QCOMPARE(fileAttributes(target).bits, FileAttribute::Archive | FileAttribute::System);
        QCOMPARE(hiddenOrNot(tmpfs.path()), QStringList{"a.c"});

        // A read-only source could not be removed afterwards: nothing moves.
        writeRaw(source, "ro\n");
        ::chmod(encoded(source).constData(), 0444);
        QVERIFY(!moveReplacing(source, tmpfs.path() + "/ro.c").isEmpty());
        QCOMPARE(readRaw(source), QByteArray("ro\n"));
        QCOMPARE(hiddenOrNot(tmpfs.path()), QStringList{"a.c"});
    }

    void aFullDiskLeavesTheOldTargetWholeAndNoTemporaryFile() {
        ScratchMount tmpfs("tmpfs", "size=64k");
        if (!tmpfs.isMounted())
            QSKIP("no right to mount a tmpfs");
        QTemporaryDir here;
        const QString big = here.filePath("big.txt");
        writeRaw(big, QByteArray(256 * 1024, 'x'));
        const QString target = tmpfs.path() + "/big.txt";
        writeRaw(target, "old contents\n");
        QVERIFY(!copyFileReplacing(big, target).isEmpty());
        QCOMPARE(readRaw(target), QByteArray("old contents\n"));
        QVERIFY(!moveReplacing(big, target).isEmpty());
        QCOMPARE(readRaw(target), QByteArray("old contents\n"));
        QVERIFY(QFile::exists(big));
        QCOMPARE(hiddenOrNot(tmpfs.path()), QStringList{"big.txt"});
    }

    // Rename, Move and Delete act on a link itself; Copy on what it names.
    void linksAreMovedThemselvesAndCopiedThrough() {
        ScratchMount tmpfs("tmpfs", "size=1m");
        QTemporaryDir here;
        const QString file = here.filePath("real.txt");
        writeRaw(file, "real\n");
        const QString link = here.filePath("link.txt");
        QVERIFY(QFile::link("real.txt", link));
        QCOMPARE(copyFileReplacing(link, here.filePath("copy.txt")), QString());
        QVERIFY(!S_ISLNK(statOf(here.filePath("copy.txt")).st_mode));
        QCOMPARE(renameReplacing(link, here.filePath("renamed.txt")), QString());
        QVERIFY(S_ISLNK(statOf(here.filePath("renamed.txt")).st_mode));
        if (tmpfs.isMounted()) {
            const QString across = tmpfs.path() + "/moved.txt";
            QCOMPARE(moveReplacing(here.filePath("renamed.txt"), across), QString());
            QVERIFY(S_ISLNK(statOf(across).st_mode));
            QCOMPARE(QFile::symLinkTarget(across), tmpfs.path() + "/real.txt");
        }
        // A copy onto a link writes the file it names.
        const QString toLink = here.filePath("to-link.txt");
        QVERIFY(QFile::link("real.txt", toLink));
        writeRaw(here.filePath("other.txt"), "other\n");
        QCOMPARE(copyFileReplacing(here.filePath("other.txt"), toLink), QString());
        QVERIFY(S_ISLNK(statOf(toLink).st_mode));
        QCOMPARE(readRaw(file), QByteArray("other\n"));
        QVERIFY(isSameFile(toLink, file, LinkMode::Follow));
        QVERIFY(!isSameFile(toLink, file, LinkMode::Itself));
    }

    // Read-only means no write bit, for root as for anyone.
    void readOnlyFilesAreNeverReplacedOrRemoved() {
        QTemporaryDir here;
        const QString source = here.filePath("s.txt");
        const QString ro = here.filePath("ro.txt");
        writeRaw(source, "s\n");
        writeRaw(ro, "ro\n");
        ::chmod(encoded(ro).constData(), 0444);
        QVERIFY(isReadOnlyEntry(ro));
        QVERIFY(!renameReplacing(source, ro).isEmpty());
        QVERIFY(!moveReplacing(source, ro).isEmpty());
        QVERIFY(!copyFileReplacing(source, ro).isEmpty());
        QVERIFY(!deleteFile(ro).ok());
        QCOMPARE(readRaw(ro), QByteArray("ro\n"));
        QCOMPARE(readRaw(source), QByteArray("s\n"));
        // A read-only file itself may be renamed, as the design's system allows.
        QCOMPARE(renameReplacing(ro, here.filePath("ro2.txt")), QString());
    }

    void deleteUsesATrashOnlyWhereTheVolumeHasOne() {
        QTemporaryDir here;   // on the trash's own volume
        const QString a = here.filePath("a.txt");
        writeRaw(a, "a\n");
        const DeleteResult trashed = deleteFile(a);
        QVERIFY(trashed.ok());
        QVERIFY(trashed.trashed);
        const QString trash = dataHome_.path() + "/Trash";
        QCOMPARE(readRaw(trash + "/files/a.txt"), QByteArray("a\n"));
        QVERIFY(readRaw(trash + "/info/a.txt.trashinfo").contains("Path=" + QUrl::toPercentEncoding(a, "/")));
        writeRaw(a, "again\n");
        QVERIFY(deleteFile(a).trashed);
        QCOMPARE(readRaw(trash + "/files/a.txt.2"), QByteArray("again\n"));

        ScratchMount tmpfs("tmpfs", "size=1m");
        if (!tmpfs.isMounted())
            QSKIP("no right to mount a tmpfs");
        const QString b = tmpfs.path() + "/b.txt";
        writeRaw(b, "b\n");
        const DeleteResult removed = deleteFile(b);
        QVERIFY(removed.ok());
        QVERIFY(!removed.trashed);
        QCOMPARE(hiddenOrNot(tmpfs.path()), QStringList());
        QDir(tmpfs.path()).mkdir(QString(".Trash-%1").arg(::getuid()));
        writeRaw(b, "b\n");
        QVERIFY(deleteFile(b).trashed);
        QCOMPARE(readRaw(tmpfs.path() + QString("/.Trash-%1/files/b.txt").arg(::getuid())), QByteArray("b\n"));
    }

    void theVolumeListLeavesOutPseudoFileSystems() {
        const QByteArray table = "sysfs /sys sysfs rw 0 0\n"
                                 "proc /proc proc rw 0 0\n"
                                 "/dev/sda1 / ext4 rw 0 0\n"
                                 "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                                 "server:/x /mnt/my\\040share nfs rw 0 0\n"
                                 "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                                 "/dev/sda1 / ext4 rw 0 0\n";
        const QList<Volume> volumes = volumesFromMountTable(table);
        QStringList roots;
        for (const Volume& v : volumes)
            roots << v.root;
        QCOMPARE(roots, QStringList({"/", "/run/user/1000", "/mnt/my share"}));
        QCOMPARE(volumeRootOf("/mnt/my share/a/b", volumes), QString("/mnt/my share"));
        QCOMPARE(volumeRootOf("/mnt/my shared", volumes), QString("/"));
        QVERIFY(volumeReady("/no/such/folder/below/root"));
    }
};

QTEST_MAIN(FileOperationsPlatformTest)
#include "test_FileOperations.moc"
