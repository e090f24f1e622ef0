// Backups through the real main window: File > Backup, Unbackup and Replace
// with Backup, for the shown document and for all of them.
#include <QtTest>

#include <QDir>
#include <QMenu>

#include "app/DocumentTable.h"
#include "editing/EditControl.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

const QString kReadOnlyBackup =
    "This is a readonly file.  If you want to back this file up, use a different name.";
constexpr auto kReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

QString cannotBeFound(const QString& name) { return "File \"" + name + "\" cannot be found"; }

QByteArray parkedText(TMainForm& form, int slot) {
    return form.Edit()->withDocumentText(
        form.documents().record(slot)->Text,
        [](const char* data, qsizetype len) { return QByteArray(data, len); });
}

} // namespace

class BackupsTest : public QObject {
    Q_OBJECT
private slots:
    void backupWritesTheUnsavedTextBesideTheFile_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("backupName");
        QTest::newRow("style 0") << 0 << "b.bak";
        QTest::newRow("style 1") << 1 << "~b.txt";
    }
    void backupWritesTheUnsavedTextBesideTheFile() {
        QFETCH(int, style);
        QFETCH(QString, backupName);
        MainWindowFixture fx;
        const QString doc = fx.writeFile("b.txt", "line one\r\nline two\r\n");
        fx.start({doc});
        fx.form().options().BackupStyle = style;
        fx.form().Edit()->insertBytes(0, "new ");
        fx.run("FileBackupCurrentFileMnu");
        QVERIFY(fx.prompts.shown().isEmpty());
        QCOMPARE(MainWindowFixture::readFile(fx.path(backupName)),
                 QByteArray("new line one\r\nline two\r\n"));
        QCOMPARE(MainWindowFixture::readFile(doc), QByteArray("line one\r\nline two\r\n"));
        QVERIFY(fx.form().Edit()->isModified());
        QCOMPARE(fx.form().panelText(1), QStringLiteral("Modified"));
    }

    void backupAllFilesWritesParkedDocumentsFromTheirHeldText() {
        MainWindowFixture fx;
        const QByteArray latin("caf\xe9\n");
        const QByteArray bom("\xef\xbb\xbfwith bom\r\n");
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", latin);
        const QString c = fx.writeFile("c.c", bom);
        fx.start({a, b, c});
        QCOMPARE(fx.form().documents().record(2)->FileName, c);
        fx.run("ViewNextMnu");   // b, edited and parked again unsaved
        fx.form().Edit()->insertBytes(0, "\xff");
        fx.run("ViewPreviousMnu");
        fx.run("FileBackupAllFilesMnu");
        QVERIFY(fx.prompts.shown().isEmpty());
        QCOMPARE(MainWindowFixture::readFile(fx.path("a.bak")), QByteArray("a\n"));
        QCOMPARE(MainWindowFixture::readFile(fx.path("b.bak")), "\xff" + latin);
        QCOMPARE(MainWindowFixture::readFile(fx.path("c.bak")), bom);
        QCOMPARE(MainWindowFixture::readFile(b), latin);
        QVERIFY(fx.form().documents().record(1)->Modified);
    }

    void aReadOnlyBackupOfTheShownDocumentIsRefusedWithAWarning() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        const QString locked = fx.writeFile("a.bak", "old backup\n");
        QVERIFY(QFile::setPermissions(locked, kReadOnly));
        fx.start({a, b});
        fx.run("FileBackupCurrentFileMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{kReadOnlyBackup});
        QCOMPARE(fx.prompts.shown().first().type, MessageType::Warning);
        QCOMPARE(MainWindowFixture::readFile(locked), QByteArray("old backup\n"));
        // All Files still backs up the parked documents.
        fx.prompts.clear();
        fx.run("FileBackupAllFilesMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{kReadOnlyBackup});
        QCOMPARE(MainWindowFixture::readFile(fx.path("b.bak")), QByteArray("b\n"));
    }

    void aFailedWriteIsReportedAndEndsAllFiles() {
        MainWindowFixture fx;
        QVERIFY(QDir(fx.path(QString())).mkdir("gone"));
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("gone/b.txt", "b\n");
        const QString c = fx.writeFile("c.txt", "c\n");
        fx.start({a, b, c});
        QVERIFY(QDir(fx.path("gone")).removeRecursively());
        fx.run("FileBackupAllFilesMnu");
        QCOMPARE(fx.prompts.texts().size(), 1);
        QCOMPARE(fx.prompts.shown().first().type, MessageType::Error);
        QVERIFY(!fx.prompts.texts().first().isEmpty());
        QCOMPARE(MainWindowFixture::readFile(fx.path("a.bak")), QByteArray("a\n"));
        QVERIFY(!QFile::exists(fx.path("c.bak")));
    }

    void unbackupDeletesBackupsAndIsSilentAboutMissingAndReadOnlyOnes() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        const QString c = fx.writeFile("c.txt", "c\n");
        const QString d = fx.writeFile("d.txt", "d\n");
        fx.writeFile("a.bak", "A");
        fx.writeFile("c.bak", "C");
        // Read-only backups, which Backup refuses to touch, are kept too.
        for (const char* locked : {"b.bak", "d.bak"})
            QVERIFY(QFile::setPermissions(fx.writeFile(locked, "kept"), kReadOnly));
        fx.start({a, b, c, d});
        fx.run("FileUnbackupCurrentFileMnu");
        QVERIFY(!QFile::exists(fx.path("a.bak")));
        QVERIFY(QFile::exists(fx.path("c.bak")));
        fx.run("FileUnbackupCurrentFileMnu");
        fx.run("ViewNextMnu");
        QCOMPARE(fx.currentFileName(), b);
        fx.run("FileUnbackupCurrentFileMnu");
        fx.run("FileUnbackupAllFilesMenu");
        QVERIFY(!QFile::exists(fx.path("c.bak")));
        QVERIFY(fx.prompts.shown().isEmpty());
        QCOMPARE(QDir(fx.path(QString())).entryList(QDir::Files),
                 (QStringList{"a.txt", "b.bak", "b.txt", "c.txt", "d.bak", "d.txt"}));
        QCOMPARE(MainWindowFixture::readFile(fx.path("d.bak")), QByteArray("kept"));
    }

    void aDocumentThatWouldBeItsOwnBackupIsNeverOverwrittenOrDeleted() {
        MainWindowFixture fx;
        const QString own = fx.writeFile("notes.bak", "saved\n");
        fx.start({own});
        fx.form().Edit()->insertBytes(0, "unsaved ");
        fx.run("FileBackupCurrentFileMnu");
        fx.run("FileUnbackupCurrentFileMnu");
        QCOMPARE(fx.prompts.texts().size(), 2);
        QVERIFY(fx.prompts.texts().first().contains(own));
        QCOMPARE(MainWindowFixture::readFile(own), QByteArray("saved\n"));
        QVERIFY(fx.form().Edit()->isModified());
    }

    void replaceCurrentFileLoadsTheBackupAndLeavesTheFileAlone() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "on disk\n");
        fx.writeFile("~a.txt", "from backup\n");
        fx.start({a});
        fx.form().options().BackupStyle = 1;
        fx.form().SetReadOnly(true);   // Read Only guards typing, not this command
        fx.run("FileReplaceCurrentFileMnu");
        QVERIFY(fx.prompts.shown().isEmpty());
        QCOMPARE(fx.shownText(), QByteArray("from backup"));
        QCOMPARE(fx.currentFileName(), a);
        QVERIFY(fx.form().Edit()->isModified());
        QVERIFY(fx.form().Edit()->isReadOnly());
        QVERIFY(fx.isEnabled("FileSaveMnu"));
        QCOMPARE(MainWindowFixture::readFile(a), QByteArray("on disk\n"));
        fx.form().SetReadOnly(false);
        fx.form().Edit()->undo();   // one step
        QCOMPARE(fx.shownText(), QByteArray("on disk"));

        QFile::remove(fx.path("~a.txt"));
        fx.run("FileReplaceCurrentFileMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{cannotBeFound(fx.path("~a.txt"))});
        QCOMPARE(fx.prompts.shown().first().type, MessageType::Warning);
    }

    void replaceAllFilesMarksParkedDocumentsAndGoesOnPastMissingBackups() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        const QString c = fx.writeFile("c.txt", "c\r\n");
        fx.writeFile("a.bak", "backup of a\n");
        fx.writeFile("c.bak", "backup\r\nof c\r\n");
        fx.start({a, b, c});
        fx.run("FileReplaceAllFilesMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{cannotBeFound(fx.path("b.bak"))});
        DocumentTable& table = fx.form().documents();
        QVERIFY(!table.record(1)->Modified);
        QCOMPARE(parkedText(fx.form(), 1), QByteArray("b"));
        QVERIFY(table.record(2)->Modified);
        QCOMPARE(parkedText(fx.form(), 2), QByteArray("backup\r\nof c"));
        QCOMPARE(fx.shownText(), QByteArray("backup of a"));
        QVERIFY(fx.isEnabled("FileSaveAllMnu"));

        // The parked document comes to the front modified and saves its new text.
        fx.run("ViewPreviousMnu");
        QCOMPARE(fx.currentFileName(), c);
        QVERIFY(fx.form().Edit()->isModified());
        fx.run("FileSaveMnu");
        QCOMPARE(MainWindowFixture::readFile(c), QByteArray("backup\r\nof c\r\n"));
    }

    // The backup's bytes go into the document as they are, whatever the
    // encodings of document and backup, and a Save writes exactly them; the
    // replacement is one step of the document's undo history, parked or not.
    void replaceWithBackupKeepsTheBackupsBytes_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QByteArray>("backup");
        QTest::newRow("Latin-1 document, backup valid UTF-8")
            << QByteArray("caf\xe9\n") << QByteArray("\xc3\xa9t\xc3\xa9\n");
        QTest::newRow("UTF-8 document, Latin-1 backup")
            << QByteArray("\xc3\xa9t\xc3\xa9\n") << QByteArray("caf\xe9 cr\xe8me\n");
        QTest::newRow("Latin-1 document, backup with a byte-order mark")
            << QByteArray("\xef\xbb\xbf\xff\n") << QByteArray("\xef\xbb\xbfplain\n");
        QTest::newRow("CR LF breaks and a NUL byte")
            << QByteArray("a\r\nb\r\n") << QByteArray("c\r\n\0d\r\n", 7);
    }
    void replaceWithBackupKeepsTheBackupsBytes() {
        QFETCH(QByteArray, document);
        QFETCH(QByteArray, backup);
        for (const bool parked : {false, true}) {
            MainWindowFixture fx;
            const QString doc = fx.writeFile("doc.txt", document);
            const QString other = fx.writeFile("other.txt", "other\n");
            fx.writeFile("doc.bak", backup);
            fx.start(parked ? QStringList{other, doc} : QStringList{doc});
            fx.run(parked ? "FileReplaceAllFilesMnu" : "FileReplaceCurrentFileMnu");
            if (parked)
                fx.run("ViewNextMnu");
            QCOMPARE(fx.currentFileName(), doc);
            QVERIFY(fx.form().Edit()->isModified());
            fx.run("FileSaveMnu");
            QCOMPARE(MainWindowFixture::readFile(doc), backup);

            fx.form().Edit()->undo();
            fx.run("FileSaveMnu");
            QCOMPARE(MainWindowFixture::readFile(doc), document);
        }
    }

    void replaceWithBackupWorksWith255DocumentsOpen() {
        MainWindowFixture fx;
        QStringList names;
        for (int i = 0; i < DocumentTable::kMaxDocuments; ++i)
            names << fx.writeFile(QString("f%1.txt").arg(i), "file\n");
        fx.writeFile("f0.bak", "restored\n");
        fx.writeFile("f254.bak", "parked restored\n");
        fx.start(names);
        QCOMPARE(fx.form().documents().DocCount(), DocumentTable::kMaxDocuments);
        fx.run("FileReplaceAllFilesMnu");
        // Only the missing backups are reported; never the open-document limit.
        QCOMPARE(fx.prompts.texts().size(), DocumentTable::kMaxDocuments - 2);
        QVERIFY(!fx.prompts.texts().contains("No more Files can be Opened!"));
        QCOMPARE(fx.shownText(), QByteArray("restored"));
        QCOMPARE(parkedText(fx.form(), DocumentTable::kMaxDocuments - 1),
                 QByteArray("parked restored"));
    }

    void backupAllFilesIsOfferedFromTwoDocumentsOn() {
        MainWindowFixture fx;
        fx.start();
        QMenu* backup = fx.form().findChild<QMenu*>("FileBackupMnu");
        emit backup->aboutToShow();
        QVERIFY(!fx.isEnabled("FileBackupAllFilesMnu"));
        QVERIFY(fx.isEnabled("FileBackupCurrentFileMnu"));
        fx.run("FileNewMnu");
        emit backup->aboutToShow();
        QVERIFY(fx.isEnabled("FileBackupAllFilesMnu"));
    }

    void withoutADocumentNothingIsWrittenOrDeleted() {
        MainWindowFixture fx(false);
        fx.start();
        QVERIFY(!fx.documentShown());
        fx.prompts.clear();
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(fx.path(QString())));
        fx.writeFile(".bak", "someone's file");
        for (const char* item : {"FileBackupCurrentFileMnu", "FileBackupAllFilesMnu",
                                 "FileUnbackupCurrentFileMnu", "FileUnbackupAllFilesMenu",
                                 "FileReplaceCurrentFileMnu", "FileReplaceAllFilesMnu"})
            fx.run(item);
        QDir::setCurrent(before);
        QCOMPARE(MainWindowFixture::readFile(fx.path(".bak")), QByteArray("someone's file"));
        QVERIFY(fx.prompts.shown().isEmpty());
    }
};

QTEST_MAIN(BackupsTest)
#include "test_backups.moc"
