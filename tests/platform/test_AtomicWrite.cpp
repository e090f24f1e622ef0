// Replacing files: what the replaced file had must survive, and a write that
// fails must leave the old file whole.
#include "RawFiles.h"
#include "ScratchMount.h"
#include "UserRights.h"
#include "platform/AtomicWrite.h"
#include "platform/FileAttributes.h"
#include "platform/FileStamp.h"
#include "platform/ProgramDirectory.h"
#include "platform/TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <sys/file.h>
#include <sys/xattr.h>

using namespace tw;
using namespace tw::test;

namespace {

QString write(const QString& path, const QByteArray& bytes)
{
    return writeBytesAtomically(path, bytes.constData(), bytes.size());
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

// A file made just now belongs to whoever runs the test.
bool runsAsRoot(const QString& freshFile) { return QFileInfo(freshFile).ownerId() == 0; }

} // namespace

class TestAtomicWrite : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void replacesContentsWithoutLeftovers();
    void keepsPermissionsOwnerAndAttributes();
    void writesThroughSymbolicLinks();
    void refusesReadOnlyFileEvenForRoot();
    void failedWriteLeavesOldFileWhole();
    void refusesFoldersAndMissingFolders();
    void writesDevicesInPlace();
    void keepsWhatTheFileIs_data();
    void keepsWhatTheFileIs();
    void removesOnlyStaleTemporaries();

private:
    QString path(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestAtomicWrite::replacesContentsWithoutLeftovers()
{
    const QString file = path(QStringLiteral("a.txt"));
    QVERIFY(write(file, "first version, longer").isEmpty());
    QVERIFY(write(file, "second").isEmpty());
    QCOMPARE(readRaw(file), QByteArray("second"));
    QVERIFY(write(file, QByteArray()).isEmpty());
    QCOMPARE(QFileInfo(file).size(), 0);
    QCOMPARE(entries(dir_->path()), QStringList{QStringLiteral("a.txt")});

    // A new file is an ordinary private-or-shared file, never executable.
    const QFileDevice::Permissions p = QFileInfo(file).permissions();
    QVERIFY(p & QFileDevice::WriteOwner);
    QVERIFY(!(p & (QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther)));
}

void TestAtomicWrite::keepsPermissionsOwnerAndAttributes()
{
    const QString file = path(QStringLiteral("script.sh"));
    writeRaw(file, "old");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                      | QFileDevice::ReadGroup | QFileDevice::ExeGroup;   // 0750
    QVERIFY(QFile::setPermissions(file, mode));
    QVERIFY(setFileAttributes(file, FileAttribute::System | FileAttribute::Archive).isEmpty());
    const bool root = runsAsRoot(file);
    if (root)
        QCOMPARE(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("1234:2345"), file}), 0);

    QVERIFY(write(file, "new").isEmpty());
    QCOMPARE(readRaw(file), QByteArray("new"));
    QCOMPARE(modeBits(file), mode);
    QCOMPARE(fileAttributes(file).bits, FileAttribute::System | FileAttribute::Archive);
    if (root) {
        QCOMPARE(QFileInfo(file).ownerId(), 1234u);
        QCOMPARE(QFileInfo(file).groupId(), 2345u);
    }
}

void TestAtomicWrite::writesThroughSymbolicLinks()
{
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("real")));
    const QString target = path(QStringLiteral("real/target.txt"));
    writeRaw(target, "old");
    const QString link = path(QStringLiteral("link.txt"));
    const QString linkToLink = path(QStringLiteral("link2.txt"));
    QVERIFY(QFile::link(QStringLiteral("real/target.txt"), link));   // relative to its folder
    QVERIFY(QFile::link(link, linkToLink));

    QVERIFY(write(linkToLink, "new").isEmpty());
    QCOMPARE(readRaw(target), QByteArray("new"));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo(linkToLink).isSymLink());
    QCOMPARE(entries(path(QStringLiteral("real"))), QStringList{QStringLiteral("target.txt")});

    // A dangling link gets the file it names.
    const QString dangling = path(QStringLiteral("dangling.txt"));
    QVERIFY(QFile::link(QStringLiteral("real/created.txt"), dangling));
    QVERIFY(write(dangling, "made").isEmpty());
    QVERIFY(QFileInfo(dangling).isSymLink());
    QCOMPARE(readRaw(path(QStringLiteral("real/created.txt"))), QByteArray("made"));

    const QString loop = path(QStringLiteral("loop"));
    QVERIFY(QFile::link(loop, loop));
    QVERIFY(!write(loop, "x").isEmpty());
}

void TestAtomicWrite::refusesReadOnlyFileEvenForRoot()
{
    const QString file = path(QStringLiteral("locked.txt"));
    writeRaw(file, "keep me");
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QString error = write(file, "overwritten");
    QVERIFY(!error.isEmpty());
    QCOMPARE(readRaw(file), QByteArray("keep me"));
    QCOMPARE(entries(dir_->path()), QStringList{QStringLiteral("locked.txt")});
}

void TestAtomicWrite::failedWriteLeavesOldFileWhole()
{
    test::ScratchMount disk(QStringLiteral("tmpfs"), QStringLiteral("size=64k"));
    if (!disk.isMounted())
        QSKIP("mounting a small tmpfs is not permitted here");
    const QString file = disk.path() + QStringLiteral("/full.txt");
    const QByteArray old(20 * 1024, 'o');
    QVERIFY(write(file, old).isEmpty());

    const QString error = write(file, QByteArray(100 * 1024, 'n'));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readRaw(file), old);
    QCOMPARE(entries(disk.path()), QStringList{QStringLiteral("full.txt")});

    // Written in place (a second name): the same, and no copy is left.
    const QString second = disk.path() + QStringLiteral("/second.txt");
    QVERIFY(::link(QFile::encodeName(file).constData(), QFile::encodeName(second).constData()) == 0);
    QVERIFY(!write(file, QByteArray(100 * 1024, 'n')).isEmpty());
    QCOMPARE(readRaw(second), old);
    QVERIFY(write(file, QByteArray(30 * 1024, 'n')).isEmpty());
    QCOMPARE(readRaw(second), QByteArray(30 * 1024, 'n'));
    QCOMPARE(entries(disk.path()), (QStringList{QStringLiteral("full.txt"), QStringLiteral("second.txt")}));
}

void TestAtomicWrite::refusesFoldersAndMissingFolders()
{
    QVERIFY(!write(dir_->path(), "x").isEmpty());
    QVERIFY(!write(path(QStringLiteral("missing/a.txt")), "x").isEmpty());
    QVERIFY(!write(QString(), "x").isEmpty());
    QVERIFY(entries(dir_->path()).isEmpty());
}

void TestAtomicWrite::writesDevicesInPlace()
{
    QVERIFY(write(QStringLiteral("/dev/null"), "discarded").isEmpty());
    QVERIFY(!QFileInfo(QStringLiteral("/dev/null")).isFile());
}

namespace {

struct stat statusOf(const QString& path)
{
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

void own(const QString& path, uid_t user, gid_t group)
{
    QVERIFY(::lchown(QFile::encodeName(path).constData(), user, group) == 0);
}

// A POSIX access ACL in the kernel's extended-attribute form: the owner, the
// group and the others, plus read and write for kOtherUser.
QByteArray accessAcl()
{
    QByteArray acl;
    auto put16 = [&](quint16 v) { acl.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { put16(quint16(v & 0xFFFF)); put16(quint16(v >> 16)); };
    put32(2);
    const quint32 none = 0xFFFFFFFF;
    for (const auto& [tag, perm, id] : {std::tuple{0x01, 6, none}, std::tuple{0x02, 6, quint32(kOtherUser)},
                                        std::tuple{0x04, 4, none}, std::tuple{0x10, 6, none},
                                        std::tuple{0x20, 4, none}}) {
        put16(quint16(tag));
        put16(quint16(perm));
        put32(id);
    }
    return acl;
}

QByteArray aclOf(const QString& path)
{
    char value[256];
    const ssize_t n = ::getxattr(QFile::encodeName(path).constData(), "system.posix_acl_access", value,
                                 sizeof value);
    return n < 0 ? QByteArray() : QByteArray(value, n);
}

} // namespace

// Each case prepares a folder, saves "new" over `target` (as an ordinary user
// where the case says so) and checks what the file still is.
void TestAtomicWrite::keepsWhatTheFileIs_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"hard link", "foreign owner, group-writable", "folder refuses new files",
                             "ACL", "sticky folder, a stranger's link", "sticky folder, own link",
                             "foreign owner, not writable"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestAtomicWrite::keepsWhatTheFileIs()
{
    QFETCH(QString, kind);
    const bool needsRoot = kind.startsWith(QLatin1String("foreign")) || kind.startsWith(QLatin1String("sticky"));
    if (needsRoot && !runsAsRoot())
        QSKIP("giving files to other users needs root");
    // The ordinary user must reach the test's folders.
    QVERIFY(::chmod(QFile::encodeName(dir_->path()).constData(), 0755) == 0);
    QTemporaryDir programDir;
    QVERIFY(::chmod(QFile::encodeName(programDir.path()).constData(), 0777) == 0);
    setProgramDirectory(programDir.path());
    const QString folder = path(QStringLiteral("folder"));
    QVERIFY(QDir().mkdir(folder));
    const QString target = folder + QStringLiteral("/file.txt");
    writeRaw(target, "old");
    bool asUser = false;
    bool succeeds = true;
    QString saved = target;   // the name the save is given

    if (kind == QLatin1String("hard link")) {
        QVERIFY(::link(QFile::encodeName(target).constData(),
                       QFile::encodeName(folder + QStringLiteral("/other name.txt")).constData()) == 0);
    } else if (kind == QLatin1String("foreign owner, group-writable")) {
        asUser = true;
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
        own(target, kOtherUser, kSharedGroup);
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0664) == 0);
    } else if (kind == QLatin1String("folder refuses new files")) {
        asUser = runsAsRoot();
        if (asUser) {
            own(folder, kUser, kUserGroup);
            own(target, kUser, kUserGroup);
        }
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    } else if (kind == QLatin1String("ACL")) {
        const QByteArray acl = accessAcl();
        if (::setxattr(QFile::encodeName(target).constData(), "system.posix_acl_access", acl.constData(),
                       size_t(acl.size()), 0) != 0)
            QSKIP("this file system keeps no ACLs");
    } else if (kind.startsWith(QLatin1String("sticky"))) {
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 01777) == 0);
        saved = folder + QStringLiteral("/swapped.txt");
        QVERIFY(QFile::link(path(QStringLiteral("secret.txt")), saved));
        writeRaw(path(QStringLiteral("secret.txt")), "secret");
        if (kind.endsWith(QLatin1String("stranger's link"))) {
            own(saved, kOtherUser, kOtherUser);
            succeeds = false;
        }
    } else if (kind == QLatin1String("foreign owner, not writable")) {
        asUser = true;
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
        own(target, kOtherUser, kOtherUser);
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0644) == 0);
        succeeds = false;
    }
    const struct stat before = statusOf(target);
    const QByteArray aclBefore = aclOf(target);

    auto save = [&] {
        const QString error = write(saved, "new");
        if (!error.isEmpty())
            std::fprintf(stderr, "save: %s\n", qPrintable(error));
        return error.isEmpty();
    };
    QCOMPARE(asUser ? runAsUser(save) : save(), succeeds);
    ::chmod(QFile::encodeName(folder).constData(), 0755);

    const struct stat after = statusOf(target);
    if (kind.startsWith(QLatin1String("sticky"))) {
        QVERIFY(QFileInfo(saved).isSymLink());
        QCOMPARE(readRaw(path(QStringLiteral("secret.txt"))), QByteArray(succeeds ? "new" : "secret"));
        setProgramDirectory(QString());
        return;
    }
    QCOMPARE(readRaw(target), QByteArray(succeeds ? "new" : "old"));
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(aclOf(target), aclBefore);
    if (kind == QLatin1String("hard link")) {
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(readRaw(folder + QStringLiteral("/other name.txt")), QByteArray("new"));
    }
    // No temporary and no copy of the old contents is left anywhere.
    QStringList expected{QStringLiteral("file.txt")};
    if (kind == QLatin1String("hard link"))
        expected << QStringLiteral("other name.txt");
    QCOMPARE(entries(folder), expected);
    const QString recovery = programDir.filePath(QStringLiteral("recovery"));
    QVERIFY(entries(recovery).isEmpty());
    setProgramDirectory(QString());
}

void TestAtomicWrite::removesOnlyStaleTemporaries()
{
    const QString file = path(QStringLiteral("doc.txt"));
    writeRaw(file, "text");
    const QStringList stale{QStringLiteral(".doc.txt.tw-a1B2c3"), QStringLiteral(".doc.txt.tw-ZZZZZZ")};
    const QStringList others{QStringLiteral(".doc.txt.tw-old-a1B2c3"),   // a kept copy of old contents
                             QStringLiteral(".doc.txt.tw-abc"), QStringLiteral(".doc.txt.tw-abcdefg"),
                             QStringLiteral(".other.txt.tw-a1B2c3"), QStringLiteral("doc.txt.tw-a1B2c3")};
    for (const QString& name : stale + others)
        writeRaw(path(name), "leftover");
    // One that a running writer still holds.
    const QString held = path(QStringLiteral(".doc.txt.tw-Held00"));
    writeRaw(held, "being written");
    QFile holder(held);
    QVERIFY(holder.open(QIODevice::ReadOnly));
    QVERIFY(::flock(holder.handle(), LOCK_EX) == 0);
    // And a link of the same pattern is never followed nor removed.
    const QString linkName = path(QStringLiteral(".doc.txt.tw-Link00"));
    QVERIFY(QFile::link(file, linkName));

    removeStaleTemporaries(file);
    QStringList expected = others;
    expected << QStringLiteral(".doc.txt.tw-Held00") << QStringLiteral(".doc.txt.tw-Link00")
             << QStringLiteral("doc.txt");
    expected.sort();
    QStringList found = entries(dir_->path());
    found.sort();
    QCOMPARE(found, expected);
    QCOMPARE(readRaw(file), QByteArray("text"));

    // A save removes them too, and leaves none of its own.
    holder.close();
    QVERIFY(write(file, "saved").isEmpty());
    found = entries(dir_->path());
    QVERIFY(!found.contains(QStringLiteral(".doc.txt.tw-Held00")));
    QVERIFY(found.contains(QStringLiteral(".doc.txt.tw-old-a1B2c3")));
}

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "test_AtomicWrite.moc"
