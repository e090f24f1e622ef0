// File attributes: the read-only bit must mean the same for root as for anyone,
// and a change the file system cannot keep must be reported, never faked.
#include "RawFiles.h"
#include "ScratchMount.h"
#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace tw;
using namespace tw::FileAttribute;
using tw::test::modeBits;
using tw::test::writeRaw;

namespace {

constexpr auto kAnyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
constexpr auto kOwnerRead = QFileDevice::ReadOwner;
} // namespace

class TestFileAttributes : public QObject {
    Q_OBJECT

private slots:
    void readOnlyFollowsWriteBits();
    void storedAttributesRoundTrip();
    void readOnlyFileTakesStoredAttributes();
    void dotNamesAreAlwaysHidden();
    void refusedWhereNothingCanBeStored();
    void missingFileGivesErrors();
    void existenceAndSize();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void TestFileAttributes::readOnlyFollowsWriteBits()
{
    const QString file = path(QStringLiteral("ro.txt"));
    writeRaw(file, "x");
    const auto shared = kOwnerRead | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    QVERIFY(QFile::setPermissions(file, shared));   // 0666
    QCOMPARE(fileAttributes(file).bits, 0);

    // Root may still write the file; it counts as read-only all the same.
    QVERIFY(setFileAttributes(file, ReadOnly).isEmpty());
    QCOMPARE(modeBits(file) & kAnyWrite, QFileDevice::Permissions());
    QCOMPARE(fileAttributes(file).bits, ReadOnly);

    QVERIFY(setFileAttributes(file, 0).isEmpty());
    QCOMPARE(modeBits(file), kOwnerRead | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                 | QFileDevice::ReadOther);   // 0644: only the owner's bit returns
    QCOMPARE(fileAttributes(file).bits, 0);

    // Only a missing write bit makes a file read-only; a group bit is enough.
    QVERIFY(QFile::setPermissions(file, kOwnerRead | QFileDevice::WriteGroup));
    QCOMPARE(fileAttributes(file).bits, 0);
    QVERIFY(setFileAttributes(file, 0).isEmpty());
    QCOMPARE(modeBits(file), kOwnerRead | QFileDevice::WriteGroup);   // clearing changed nothing
}

void TestFileAttributes::storedAttributesRoundTrip()
{
    const QString file = path(QStringLiteral("stored.txt"));
    writeRaw(file, "x");
    QVERIFY(setFileAttributes(file, Hidden | System | Archive).isEmpty());
    QCOMPARE(fileAttributes(file).bits, Hidden | System | Archive);

    // Bits outside the four are not kept.
    QVERIFY(setFileAttributes(file, Archive | 16 | 128 | 8192).isEmpty());
    QCOMPARE(fileAttributes(file).bits, Archive);

    QVERIFY(setFileAttributes(file, ReadOnly | System).isEmpty());
    QCOMPARE(fileAttributes(file).bits, ReadOnly | System);
    QVERIFY(setFileAttributes(file, 0).isEmpty());
    QCOMPARE(fileAttributes(file).bits, 0);

    // A link shows and changes the attributes of the file it names.
    const QString link = path(QStringLiteral("link"));
    QVERIFY(QFile::link(file, link));
    QVERIFY(setFileAttributes(link, System).isEmpty());
    QCOMPARE(fileAttributes(file).bits, System);
}

void TestFileAttributes::readOnlyFileTakesStoredAttributes()
{
    const QString file = path(QStringLiteral("locked.txt"));
    writeRaw(file, "x");
    QVERIFY(QFile::setPermissions(file, kOwnerRead));   // 0400
    QVERIFY(setFileAttributes(file, ReadOnly | Archive).isEmpty());
    QCOMPARE(fileAttributes(file).bits, ReadOnly | Archive);
    QCOMPARE(modeBits(file), kOwnerRead);
}

void TestFileAttributes::dotNamesAreAlwaysHidden()
{
    const QString dotFile = path(QStringLiteral(".profile"));
    writeRaw(dotFile, "x");
    QCOMPARE(fileAttributes(dotFile).bits, Hidden);
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral(".config")));
    QCOMPARE(fileAttributes(path(QStringLiteral(".config/"))).bits, Hidden);

    QVERIFY(!setFileAttributes(dotFile, ReadOnly).isEmpty());   // would clear Hidden
    QCOMPARE(fileAttributes(dotFile).bits, Hidden);             // read-only not set either

    QVERIFY(setFileAttributes(dotFile, Hidden | Archive).isEmpty());
    QCOMPARE(fileAttributes(dotFile).bits, Hidden | Archive);
    // Hidden came from the name, so an ordinary name no longer hides the file.
    const QString renamed = path(QStringLiteral("profile"));
    QVERIFY(QFile::rename(dotFile, renamed));
    QCOMPARE(fileAttributes(renamed).bits, Archive);
}

void TestFileAttributes::refusedWhereNothingCanBeStored()
{
    test::ScratchMount disk(QStringLiteral("ramfs"));   // keeps no extended attributes
    if (!disk.isMounted())
        QSKIP("mounting a ramfs is not permitted here");
    const QString file = disk.path() + QStringLiteral("/plain.txt");
    writeRaw(file, "x");
    const auto before = modeBits(file);

    QVERIFY(!setFileAttributes(file, System).isEmpty());
    QVERIFY(!setFileAttributes(file, ReadOnly | Hidden).isEmpty());
    QCOMPARE(modeBits(file), before);   // the read-only part was not done either
    QCOMPARE(fileAttributes(file).bits, 0);

    // What needs no extended attribute still works there.
    QVERIFY(setFileAttributes(file, ReadOnly).isEmpty());
    QCOMPARE(fileAttributes(file).bits, ReadOnly);
}

void TestFileAttributes::missingFileGivesErrors()
{
    const QString missing = path(QStringLiteral("missing.txt"));
    QVERIFY(!fileAttributes(missing).ok());
    QVERIFY(!fileAttributes(missing).error.isEmpty());
    QVERIFY(!setFileAttributes(missing, Archive).isEmpty());
    QVERIFY(!setFileAttributes(QString(), 0).isEmpty());
}

void TestFileAttributes::existenceAndSize()
{
    const QString file = path(QStringLiteral("five.txt"));
    writeRaw(file, "12345");
    const QString link = path(QStringLiteral("five-link"));
    QVERIFY(QFile::link(file, link));

    QVERIFY(fileExists(file));
    QVERIFY(fileExists(link));
    QVERIFY(!fileExists(dir_.path()));
    QVERIFY(!fileExists(path(QStringLiteral("nothing"))));
    QVERIFY(!fileExists(QString()));
    QVERIFY(folderExists(dir_.path()));
    QVERIFY(!folderExists(file));
    QVERIFY(!folderExists(QString()));

    QCOMPARE(fileSize(file), 5);
    QCOMPARE(fileSize(link), 5);
    QCOMPARE(fileSize(path(QStringLiteral("nothing"))), -1);
}

QTEST_GUILESS_MAIN(TestFileAttributes)
#include "test_FileAttributes.moc"
