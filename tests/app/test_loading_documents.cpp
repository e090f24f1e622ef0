// Big files are read a slice at a time into a document that is there at once:
// through the real window, with the size from which a file counts as big set
// low and small chunks, so each file takes many turns of the event loop.
#include <QtTest>

#include <QApplication>
#include <QLineEdit>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include <cerrno>
#include <sys/stat.h>

#include "app/DocumentLoads.h"
#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "platform/MemoryInfo.h"
#include "platform/TextFileReader.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

QByteArray lines(int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "line " + QByteArray::number(i) + " caf\xC3\xA9\n";
    return text;
}

const QByteArray kBig = lines(3000);   // about 45 KB: many chunks of 512 bytes

TMainForm& startReadingSlowly(MainWindowFixture& fx) {
    TMainForm& form = fx.start();
    form.files().loads().setIncrementalSize(1024, 512, 0);
    fx.prompts.clear();   // the first start's word about its missing readme
    return form;
}

bool loading(TMainForm& form) { return form.files().loads().any(); }

void waitForReading(TMainForm& form) { QTRY_VERIFY_WITH_TIMEOUT(!loading(form), 20000); }

} // namespace

class LoadingDocumentsTest : public QObject {
    Q_OBJECT
private slots:
    void aBigFileIsThereAtOnceReadOnlyAndComesWholeUnmodified() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString big = fx.writeFile("big.txt", kBig);
        QCOMPARE(form.files().OpenAsCurrent(big, true), OpenOk);
        QVERIFY(loading(form));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(fx.currentFileName(), big);
        QVERIFY(form.Edit()->isReadOnly());
        form.Edit()->insertBytes(0, "typed ");   // taken by no one
        form.documents().SetModified(true);
        QVERIFY(!form.Edit()->isModified());
        waitForReading(form);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(fx.shownText() + "\n" == kBig);
        QVERIFY(!form.Edit()->isReadOnly());
        QVERIFY(!form.Edit()->isModified());
        QCOMPARE(form.documents().shownFormat().lineBreak, QByteArray("\n"));
        QVERIFY(form.documents().shownFormat().fromFile);
        QVERIFY(fx.prompts.texts().isEmpty());
    }

    void readOnlyAskedForMeanwhileHoldsOnceComplete() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString big = fx.writeFile("big.txt", kBig);
        QVERIFY(::chmod(QFile::encodeName(big).constData(), 0444) == 0);
        form.files().OpenAsCurrent(big, true);
        QVERIFY(loading(form));
        waitForReading(form);
        QVERIFY(form.Edit()->isReadOnly());   // the file's own flag
        form.files().OpenAsCurrent(big, true);
        fx.run("OptionsReadOnlyMnu");   // the user's, while reading
        QVERIFY(form.Edit()->isReadOnly());
        waitForReading(form);
        QVERIFY(!form.Edit()->isReadOnly());
        ::chmod(QFile::encodeName(big).constData(), 0644);
    }

    void saveAndSaveAllDuringTheReadWriteNoPartialText() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString small = fx.writeFile("small.txt", "small\n");
        const QString big = fx.writeFile("big.txt", kBig);
        form.files().OpenAsCurrent(small, true);
        form.files().OpenAsCurrent(big, true);
        QVERIFY(loading(form));
        form.files().FileSaveMnuClick();
        fx.run("FileSaveAsMnu");
        QCOMPARE(fx.prompts.texts().size(), 2);
        QVERIFY(fx.prompts.texts().first().contains("is still being read"));
        QVERIFY(fx.prompts.scriptUsedUp());   // no save dialog was shown
        // The other document is saved as ever.
        fx.run("NextSpdBtn");
        QCOMPARE(fx.currentFileName(), small);
        form.Edit()->insertBytes(0, "more ");
        fx.run("NextSpdBtn");
        QVERIFY(loading(form));
        fx.run("FileSaveAllMnu");
        form.files().FileSaveAllMnuClick();
        QCOMPARE(MainWindowFixture::readFile(small), QByteArray("more small\n"));
        QVERIFY(MainWindowFixture::readFile(big) == kBig);
        waitForReading(form);
        QVERIFY(MainWindowFixture::readFile(big) == kBig);
        QVERIFY(fx.shownText() + "\n" == kBig);
    }

    void switchingAndClosingDuringTheReadLoseNothing() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString a = fx.writeFile("a.txt", kBig);
        const QString b = fx.writeFile("b.txt", lines(2000));
        const QString c = fx.writeFile("c.txt", lines(2500));
        form.files().OpenAsCurrent(a, true);
        form.files().OpenAsCurrent(b, true);
        form.files().OpenAsCurrent(c, true);
        // a goes on filling while parked, and is shown again mid-way.
        fx.run("NextSpdBtn");
        fx.run("NextSpdBtn");
        // A few turns of the event loop: a few chunks each, far from the end.
        for (int turn = 0; turn < 3; ++turn)
            QCoreApplication::processEvents();
        while (fx.currentFileName() != a)
            fx.run("NextSpdBtn");
        QVERIFY(form.Edit()->isShownLoading());
        QVERIFY(form.Edit()->length() > 0);
        // b is closed while it is being read: its reading stops, no trace left.
        while (fx.currentFileName() != b)
            fx.run("NextSpdBtn");
        QVERIFY(form.Edit()->isShownLoading());
        fx.run("FileCloseCurrentFileMnu");
        waitForReading(form);
        QCOMPARE(form.documents().DocCount(), 2);
        QCOMPARE(fx.tabCaptions(), QStringList({"a.txt", "c.txt"}));
        for (int i = 0; i < 2; ++i) {
            const QString name = fx.currentFileName();
            QVERIFY(fx.shownText() + "\n" == MainWindowFixture::readFile(name));
            QVERIFY(!form.Edit()->isModified() && !form.Edit()->isReadOnly());
            fx.run("NextSpdBtn");
        }
        QVERIFY(fx.prompts.texts().isEmpty());
    }

    void closingTheWindowDuringTheReadAsksNothingAndKeepsTheFile() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString big = fx.writeFile("big.txt", kBig);
        form.files().OpenAsCurrent(big, true);
        QVERIFY(loading(form));
        QVERIFY(form.close());
        QVERIFY(fx.prompts.shown().isEmpty());
        QVERIFY(MainWindowFixture::readFile(big) == kBig);
        // The fixture destroys the window with the reading still under way.
    }

    void aReadThatFailsPartWayLeavesNoDocument() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString small = fx.writeFile("small.txt", "small\n");
        const QString big = fx.writeFile("big.txt", kBig);
        const QString other = fx.writeFile("other.txt", kBig);
        form.files().OpenAsCurrent(small, true);
        failTextReadsAfter(20000, EIO);
        form.files().OpenAsCurrent(big, true);                   // shown
        form.files().OpenInBackground(other, true, false);      // parked
        waitForReading(form);
        failTextReadsAfter(-1, 0);
        const QString error = qt_error_string(EIO);
        QCOMPARE(fx.prompts.texts(),
                 QStringList({QStringLiteral("File \"%1\" cannot be read: %2").arg(big, error),
                              QStringLiteral("File \"%1\" cannot be read: %2").arg(other, error)}));
        QCOMPARE(form.documents().DocCount(), 1);
        QCOMPARE(fx.currentFileName(), small);
        QCOMPARE(fx.shownText(), QByteArray("small"));
        QVERIFY(MainWindowFixture::readFile(big) == kBig);
    }

    // A command that works on the whole text reads the rest of the file at
    // once, before its dialog: a search never misses what is not read yet.
    void commandsOnTheWholeTextReadTheRestFirst_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("everyDocument");
        QTest::newRow("find") << "SearchFindMnu" << false;
        QTest::newRow("search again") << "SearchAgainSpdBtn" << false;
        QTest::newRow("replace") << "ReplaceSpdBtn" << true;
        QTest::newRow("goto line") << "SearchGotoLineNumberMnu" << false;
    }

    void commandsOnTheWholeTextReadTheRestFirst() {
        QFETCH(QString, command);
        QFETCH(bool, everyDocument);
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString parked = fx.writeFile("parked.txt", lines(2000));
        const QString big = fx.writeFile("big.txt", kBig);
        form.files().OpenAsCurrent(parked, true);
        form.files().OpenAsCurrent(big, true);
        QVERIFY(form.Edit()->isShownLoading());
        fx.prompts.type(std::nullopt);   // Goto's question, cancelled
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        fx.run(command);
        QCoreApplication::processEvents();   // no dialog (Goto asks through the prompts): the timer goes now
        QVERIFY(!form.Edit()->isShownLoading());
        QVERIFY(fx.shownText() + "\n" == kBig);
        QCOMPARE(loading(form), !everyDocument);
        QVERIFY(!form.Edit()->isReadOnly() && !form.Edit()->isModified());
        waitForReading(form);
        QVERIFY(fx.prompts.unexpected().isEmpty());
    }

    void backupsDuringTheReadHoldTheWholeText_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("everyDocument");
        QTest::newRow("current file") << "FileBackupCurrentFileMnu" << false;
        QTest::newRow("all files") << "FileBackupAllFilesMnu" << true;
    }

    // A backup replaces the previous one: written from part of a file, it
    // would leave the user with neither the old backup nor a whole new one.
    void backupsDuringTheReadHoldTheWholeText() {
        QFETCH(QString, command);
        QFETCH(bool, everyDocument);
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QByteArray parkedText = lines(2000);
        const QString parked = fx.writeFile("parked.txt", parkedText);
        const QString big = fx.writeFile("big.txt", kBig);
        const QString parkedBackup = fx.writeFile("parked.bak", "old parked backup\n");
        const QString bigBackup = fx.writeFile("big.bak", "old backup\n");
        form.files().OpenAsCurrent(parked, true);
        form.files().OpenAsCurrent(big, true);
        QVERIFY(form.Edit()->isShownLoading());
        fx.run(command);
        QVERIFY(MainWindowFixture::readFile(bigBackup) == kBig);
        if (everyDocument)
            QVERIFY(MainWindowFixture::readFile(parkedBackup) == parkedText);
        else
            QCOMPARE(MainWindowFixture::readFile(parkedBackup), QByteArray("old parked backup\n"));
        QVERIFY(!form.Edit()->isModified());
        waitForReading(form);
        QVERIFY(fx.shownText() + "\n" == kBig);
        QVERIFY(fx.prompts.unexpected().isEmpty());
    }

    void aFindBeforeTheReadEndsFindsTheLastLine() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        form.files().OpenAsCurrent(fx.writeFile("big.txt", kBig), true);
        QVERIFY(form.Edit()->isShownLoading());
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("FindEdit"))->setText(QStringLiteral("line 2999 "));
            dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        fx.run("SearchFindMnu");
        QCOMPARE(form.Edit()->selectedBytes(), QByteArray("line 2999 "));
        QVERIFY(fx.prompts.texts().isEmpty());
    }

    // A parked document's caret (from the desktop saved at the last exit)
    // lies beyond what is read when its tab is shown: it waits at the start
    // and takes its place when the reading ends.
    void aCaretBeyondTheReadTextIsPlacedWhenTheReadEnds() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString small = fx.writeFile("small.txt", "small\n");
        const QString big = fx.writeFile("big.txt", kBig);
        form.files().OpenAsCurrent(small, true);
        QCOMPARE(form.files().OpenInBackground(big, false, false), OpenOk);
        const qsizetype place = kBig.indexOf("line 2900 ");
        DocRecord* rec = form.documents().record(1);
        rec->SelStart = place;
        rec->SelLength = 4;
        form.files().loads().selectWhenDone(rec->Text, place, 4);
        QCoreApplication::processEvents();   // a chunk or two, far from the place
        fx.run("NextSpdBtn");
        QCOMPARE(fx.currentFileName(), big);
        QVERIFY(form.Edit()->isShownLoading());
        QCOMPARE(form.Edit()->selStart(), qsizetype(0));
        waitForReading(form);
        QCOMPARE(form.Edit()->selStart(), place);
        QCOMPARE(form.Edit()->selectedBytes(), QByteArray("line"));
    }

    // Closing the window before the reading ends keeps that place for the
    // next start, for the shown document and for a parked one.
    void aCaretStillWaitingIsKeptAtExit() {
        MainWindowFixture fx(false);
        TMainForm& form = startReadingSlowly(fx);
        const QString a = fx.writeFile("a.txt", kBig);
        const QString b = fx.writeFile("b.txt", kBig);
        form.files().OpenAsCurrent(a, true);
        form.files().selectWhenRead(1000, 5);
        QCOMPARE(form.files().OpenInBackground(b, false, false), OpenOk);
        DocRecord* parked = form.documents().record(1);
        form.files().loads().selectWhenDone(parked->Text, 2000, 6);   // shown once and parked again: 0
        QVERIFY(loading(form));
        QVERIFY(form.close());
        const StoredSettings written =
            readSettings(MainWindowFixture::readFile(fx.programDir() + "tw162.ini"));
        QCOMPARE(written.documents.size(), 2);
        QCOMPARE(written.documents[0], (StoredDocument{a.toUtf8(), 0, 1000, 5}));
        QCOMPARE(written.documents[1], (StoredDocument{b.toUtf8(), 0, 2000, 6}));
    }

    // A file bigger than the memory the system can still give is not read:
    // filling memory would get the editor killed, unsaved work and all.
    void aFileThatWouldNotFitInMemoryIsRefused() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        const QString huge = fx.path("huge.log");
        {
            QFile file(huge);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(100 * 1024 * 1024));   // sparse
        }
        fx.prompts.clear();
        const int before = form.documents().DocCount();
        QVERIFY(availableMemory().value_or(0) > 50 * 1024 * 1024);   // this machine's, read from the system
        pretendAvailableMemory(50 * 1024 * 1024);
        const OpenResult opened = form.files().OpenAsCurrent(huge, true);
        pretendAvailableMemory(-1);
        QVERIFY(opened != OpenOk);
        QCOMPARE(fx.prompts.texts(),
                 QStringList{QStringLiteral("File \"%1\" cannot be read: it needs about 129 MB of memory, "
                                            "and only 50 MB are free").arg(huge)});
        QCOMPARE(form.documents().DocCount(), before);
        QVERIFY(!loading(form));
    }

    void reloadAndInsertReadTheWholeFile() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        const QString a = fx.writeFile("a.txt", "old\n");
        const QString b = fx.writeFile("b.txt", kBig);
        form.files().OpenAsCurrent(a, true);
        form.Edit()->insertBytes(0, "edited ");
        fx.writeFile("a.txt", "new text\r\n");
        fx.prompts.answer(Answer::Yes);
        fx.run("FileReloadMnu");
        QCOMPARE(fx.shownText(), QByteArray("new text"));
        QVERIFY(!form.Edit()->isModified() && !form.Edit()->canUndo());
        QCOMPARE(form.Edit()->lineBreak(), QByteArray("\r\n"));
        form.Edit()->setSelStart(4);
        fx.prompts.choose(b);
        fx.run("FileInsertMnu");
        QVERIFY(fx.shownText() == "new " + kBig.chopped(1) + "text");
        form.Edit()->undo();
        QCOMPARE(fx.shownText(), QByteArray("new text"));
    }
};

QTEST_MAIN(LoadingDocumentsTest)
#include "test_loading_documents.moc"
