// Saving and closing through the real main window: files come back byte for
// byte, failed writes lose nothing, and every close asks before it discards.
#include <QtTest>

#include <QTabBar>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "platform/ScratchMount.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

class SavingClosingTest : public QObject {
    Q_OBJECT
private slots:
    void filesSurviveOpenAndSaveByteForByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n");
        QTest::newRow("LF") << QByteArray("one\ntwo\n");
        QTest::newRow("mixed") << QByteArray("one\r\ntwo\nthree\r\n");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac\n");
        QTest::newRow("UTF-8 BOM") << QByteArray("\xef\xbb\xbfwith bom\r\n");
        QTest::newRow("Latin-1") << QByteArray("caf\xe9 na\xefve\n");
        QTest::newRow("NUL bytes") << QByteArray("a\0b\0\xff\n", 6);
        QTest::newRow("empty") << QByteArray();
        // A file keeps its last byte and its length.
        QTest::newRow("no final break") << QByteArray("a\r\nb");
        QTest::newRow("only LF") << QByteArray("\n");
        QTest::newRow("only CR LF") << QByteArray("\r\n");
        QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfeh\0i\0\n\0", 8);
    }
    void filesSurviveOpenAndSaveByteForByte() {
        QFETCH(QByteArray, bytes);
        MainWindowFixture fx;
        const QString shown = fx.writeFile("shown.txt", bytes);
        const QString parked = fx.writeFile("parked.txt", bytes);
        fx.start({shown, parked});
        // Modify and restore both, so each really is written: the shown one by
        // Save, the parked one by Save All.
        EditControl* edit = fx.form().Edit();
        edit->insertBytes(0, "x");
        edit->SendScintilla(EditControl::SCI_DELETERANGE, 0ul, 1l);
        QVERIFY(edit->isModified());
        fx.run("ViewNextMnu");
        edit->insertBytes(0, "x");
        edit->SendScintilla(EditControl::SCI_DELETERANGE, 0ul, 1l);
        fx.run("ViewNextMnu");
        fx.run("FileSaveAllMnu");
        QVERIFY(fx.prompts.shown().isEmpty());
        QCOMPARE(MainWindowFixture::readFile(shown), bytes);
        QCOMPARE(MainWindowFixture::readFile(parked), bytes);
        QVERIFY(!edit->isModified());
        QVERIFY(!fx.form().documents().record(1)->Modified);
        QVERIFY(!fx.isEnabled("FileSaveAllMnu"));
    }

    void aFileWithoutFinalBreakKeepsItsLastByteANewDocumentEndsWithABreak() {
        MainWindowFixture fx;
        const QString path = fx.writeFile("nobreak.txt", "a\r\nb");
        fx.start({path});
        fx.run("FileSaveAsMnu");   // unscripted: cancelled
        fx.form().files().SaveCurrentDocument();
        QCOMPARE(MainWindowFixture::readFile(path), QByteArray("a\r\nb"));

        fx.run("FileNewMnu");
        fx.form().Edit()->insertBytes(0, "new text");
        const QString made = fx.path("made.txt");
        fx.prompts.choose(made);
        fx.run("FileSaveAsMnu");
        QCOMPARE(MainWindowFixture::readFile(made), QByteArray("new text\n"));
    }

    void aFailedSaveKeepsTheOldFileAndTheModifiedDocument() {
        ScratchMount disk(QStringLiteral("tmpfs"), QStringLiteral("size=64k"));
        if (!disk.isMounted())
            QSKIP("mounting a tmpfs is not permitted here");
        const QString path = disk.path() + "/small.txt";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("original\n");
        }
        MainWindowFixture fx;
        fx.start({path});
        fx.form().Edit()->setTextBytes(QByteArray(200 * 1024, 'x'));
        fx.run("SaveSpdBtn");
        QCOMPARE(fx.prompts.texts().size(), 1);
        QCOMPARE(fx.prompts.shown().last().type, MessageType::Error);
        QVERIFY(fx.prompts.texts().first().contains("space", Qt::CaseInsensitive));
        QCOMPARE(MainWindowFixture::readFile(path), QByteArray("original\n"));
        QVERIFY(fx.form().Edit()->isModified());
        QCOMPARE(fx.form().panelText(1), QStringLiteral("Modified"));
        // Closing asks; a Yes whose save fails keeps the document open.
        fx.prompts.clear();
        fx.prompts.answer(Answer::Yes);
        fx.run("CloseSpdBtn");
        QVERIFY(fx.documentShown());
        QCOMPARE(fx.currentFileName(), path);
        fx.discardAll();
    }

    void saveOnAnUntitledDocumentRunsSaveAs() {
        MainWindowFixture fx;
        fx.start();
        fx.run("FileNewMnu");
        fx.form().Edit()->insertBytes(0, "draft");
        fx.prompts.cancelDialog();
        fx.run("SaveSpdBtn");
        QCOMPARE(fx.prompts.shown().last().kind, ShownPrompt::Kind::SaveDialog);
        QCOMPARE(fx.prompts.shown().last().request.fileName, QStringLiteral("Untitled1"));
        QCOMPARE(fx.currentFileName(), QStringLiteral("Untitled1"));
        QVERIFY(fx.form().Edit()->isModified());

        const QString target = fx.writeFile("named.txt", "old\n");
        fx.prompts.choose(target);
        fx.prompts.answer(Answer::Yes);
        fx.run("FileSaveMnu");
        QCOMPARE(fx.prompts.texts().last(), target + " exists.  Overwrite?");
        QCOMPARE(fx.currentFileName(), target);
        QCOMPARE(fx.tabCaptions().last(), QStringLiteral("named.txt"));
        QCOMPARE(MainWindowFixture::readFile(target), QByteArray("draft\n"));
        QCOMPARE(fx.form().options().dialogs.saveDir, fx.path(QString()));
    }

    void saveAllStopsWhenTheUserDeclinesToContinue() {
        MainWindowFixture fx;
        const QString shown = fx.writeFile("shown.txt", "s\n");
        fx.start({shown});
        fx.run("FileNewMnu");
        fx.form().Edit()->insertBytes(0, "one");
        fx.run("FileNewMnu");
        fx.form().Edit()->insertBytes(0, "two");
        fx.form().documents().SelectTab(0);   // shown.txt; both untitled parked
        QCOMPARE(fx.form().documents().record(1)->FileName, QStringLiteral("Untitled2"));
        QCOMPARE(fx.form().documents().record(2)->FileName, QStringLiteral("Untitled1"));
        fx.form().Edit()->insertBytes(0, "edited ");
        fx.prompts.cancelDialog();
        fx.prompts.answer(Answer::No);
        fx.run("SaveAllSpdBtn");
        QCOMPARE(MainWindowFixture::readFile(shown), QByteArray("edited s\n"));
        // One Save As dialog, for the first untitled slot; then the question.
        int dialogs = 0;
        for (const ShownPrompt& p : fx.prompts.shown())
            dialogs += p.kind == ShownPrompt::Kind::SaveDialog;
        QCOMPARE(dialogs, 1);
        QCOMPARE(fx.prompts.texts(), QStringList{"Do you wish to continue saving files?"});
        QCOMPARE(fx.currentFileName(), shown);
        QCOMPARE(fx.form().Tabs()->currentIndex(), 0);
        QCOMPARE(fx.tabMap(), (QList<int>{0, 2, 1}));
        QVERIFY(fx.prompts.scriptUsedUp());
    }

    void saveAllSavesEachUntitledInTurn() {
        MainWindowFixture fx;
        fx.start();
        fx.run("FileNewMnu");
        fx.form().Edit()->insertBytes(0, "first");
        fx.run("FileNewMnu");
        fx.form().Edit()->insertBytes(0, "second");
        fx.form().documents().SelectTab(0);   // the readme
        fx.prompts.choose(fx.path("two.txt"));
        fx.prompts.choose(fx.path("one.txt"));
        fx.run("FileSaveAllMnu");
        QCOMPARE(MainWindowFixture::readFile(fx.path("one.txt")), QByteArray("first\n"));
        QCOMPARE(MainWindowFixture::readFile(fx.path("two.txt")), QByteArray("second\n"));
        QCOMPARE(fx.tabCaptions(), (QStringList{"readme.txt", "one.txt", "two.txt"}));
        QCOMPARE(fx.currentFileName(), fx.programDir() + "readme.txt");
        QVERIFY(!fx.isEnabled("FileSaveAllMnu"));
    }

    void closeAllAsksAboutParkedThenShown() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        fx.start({a, b});
        fx.run("NextSpdBtn");
        fx.form().Edit()->insertBytes(0, "changed ");   // b, to be parked
        fx.run("NextSpdBtn");
        fx.prompts.answer(Answer::Cancel);
        fx.run("FileCloseAllFilesMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{"Save Changes to " + b + "?"});
        QCOMPARE(fx.form().documents().DocCount(), 2);
        QCOMPARE(fx.currentFileName(), a);
        QVERIFY(fx.form().documents().record(1)->Modified);

        fx.prompts.clear();
        fx.prompts.answer(Answer::No);
        fx.form().Edit()->insertBytes(0, "too ");
        fx.prompts.answer(Answer::No);
        fx.run("FileCloseAllFilesMnu");
        QCOMPARE(fx.prompts.texts(),
                 (QStringList{"Save Changes to " + b + "?", "Save Changes to " + a + "?"}));
        QVERIFY(!fx.documentShown());
        QCOMPARE(MainWindowFixture::readFile(b), QByteArray("b\n"));
    }

    void exitAsksShownFirstThenParkedAndCancelKeepsAll() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        const QString c = fx.writeFile("c.txt", "c\n");
        TMainForm& form = fx.start({a, b, c});
        for (int i = 0; i < 3; ++i) {
            form.Edit()->insertBytes(0, "*");
            fx.run("NextSpdBtn");
        }
        fx.prompts.answer(Answer::No);
        fx.prompts.answer(Answer::Cancel);
        QVERIFY(!form.close());
        // Slot order: c went to slot 1 when a came back to the front.
        QCOMPARE(fx.prompts.texts(),
                 (QStringList{"Save Changes to " + a + "?", "Save Changes to " + c + "?"}));
        QCOMPARE(form.documents().DocCount(), 3);
        QCOMPARE(fx.currentFileName(), a);
        QVERIFY(form.Edit()->isModified());
        QVERIFY(form.documents().record(1)->Modified);
        QVERIFY(form.documents().record(2)->Modified);
    }

    void exitAfterAFailedSaveAsksWhetherToLeaveAnyway() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        fx.run("FileNewMnu");
        form.Edit()->insertBytes(0, "unsaved");
        fx.prompts.answer(Answer::Yes);      // save changes?
        fx.prompts.cancelDialog();           // ... but the Save As is cancelled
        fx.prompts.answer(Answer::No);       // still wish to exit?
        QVERIFY(!form.close());
        QCOMPARE(fx.prompts.texts().last(),
                 QStringLiteral("Still Wish to Exit Without Saving Changes?"));
        fx.prompts.answer(Answer::No);
        QVERIFY(form.close());
    }

    void autosaveWaitsForTheMainWindow() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        TMainForm& form = fx.start({a});
        form.Timer1()->setInterval(300000);
        form.Edit()->insertBytes(0, "auto ");
        // Not the active window: poll each second, save nothing.
        form.Timer1Timer();
        QCOMPARE(form.Timer1()->interval(), 1000);
        QCOMPARE(MainWindowFixture::readFile(a), QByteArray("a\n"));
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Timer1Timer();
        QCOMPARE(form.Timer1()->interval(), 300000);
        QCOMPARE(MainWindowFixture::readFile(a), QByteArray("auto a\n"));
        QVERIFY(!form.Edit()->isModified());
    }
};

QTEST_MAIN(SavingClosingTest)
#include "test_saving_closing.moc"
