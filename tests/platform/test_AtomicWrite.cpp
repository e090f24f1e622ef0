// Replacing files: what the replaced file had must survive, and a write that
// fails must leave the old file whole.
#include "RawFiles.h"
#include "ScratchMount.h"
#include "platform/AtomicWrite.h"
#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "test_AtomicWrite.moc"
