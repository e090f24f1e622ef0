// The document table through the real main window: parking, tab clicks,
// closing, Next/Previous, captions, and state that survives a switch.
#include <QtTest>

#include <QTabBar>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/UntitledNames.h"
#include "editing/EditControl.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

class DocumentSwitchingTest : public QObject {
    Q_OBJECT

    // Opens X, Y and Z in turn, as File > Open would.
    void openXyz(MainWindowFixture& fx) {
        fx.start();
        fx.form().files().CloseAllDocuments();
        for (const char* name : {"X.txt", "Y.txt", "Z.txt"}) {
            const QString path = fx.writeFile(name, QByteArray("text of ") + name + "\n");
            QCOMPARE(fx.form().files().OpenAsCurrent(path, true), OpenOk);
        }
    }

    void clickTab(MainWindowFixture& fx, int index) {
        QTabBar* tabs = fx.form().Tabs();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

private slots:
    void openingParksInOrderAndTabClickExchanges() {
        MainWindowFixture fx;
        openXyz(fx);
        DocumentTable& table = fx.form().documents();
        QCOMPARE(table.DocCount(), 3);
        QCOMPARE(table.record(1)->FileName, fx.path("X.txt"));
        QCOMPARE(table.record(2)->FileName, fx.path("Y.txt"));
        QCOMPARE(fx.tabMap(), (QList<int>{1, 2, 0}));

        // Leave a selection in X, then come back to it by a click on its tab.
        clickTab(fx, 0);
        QCOMPARE(fx.currentFileName(), fx.path("X.txt"));
        fx.form().Edit()->setSelection(3, 4);
        clickTab(fx, 2);
        QCOMPARE(fx.tabMap(), (QList<int>{1, 2, 0}));
        QCOMPARE(fx.currentFileName(), fx.path("Z.txt"));
        clickTab(fx, 0);
        QCOMPARE(fx.tabMap(), (QList<int>{0, 2, 1}));
        QCOMPARE(table.record(1)->FileName, fx.path("Z.txt"));
        QCOMPARE(fx.shownText(), QByteArray("text of X.txt"));
        QCOMPARE(fx.form().Edit()->selStart(), qsizetype(3));
        QCOMPARE(fx.form().Edit()->selLength(), qsizetype(4));
        QCOMPARE(fx.form().windowTitle(), "Tarnwick - " + fx.path("X.txt"));
    }

    void closingShowsTheHighestSlotWhateverItsTab() {
        MainWindowFixture fx;
        openXyz(fx);
        // Show X (tab 0); Z goes to slot 1, Y stays in slot 2.
        fx.form().documents().SelectTab(0);
        fx.run("CloseSpdBtn");
        QCOMPARE(fx.currentFileName(), fx.path("Y.txt"));
        QCOMPARE(fx.tabCaptions(), (QStringList{"Y.txt", "Z.txt"}));
        QCOMPARE(fx.form().Tabs()->currentIndex(), 0);
        QCOMPARE(fx.tabMap(), (QList<int>{0, 1}));
        fx.run("CloseSpdBtn");
        fx.run("CloseSpdBtn");
        QVERIFY(!fx.documentShown());
        QCOMPARE(fx.form().windowTitle(), QStringLiteral("Tarnwick"));
        QCOMPARE(fx.form().Tabs()->count(), 0);
    }

    void nextAndPreviousWrapAround() {
        MainWindowFixture fx;
        openXyz(fx);
        fx.run("NextSpdBtn");
        QCOMPARE(fx.form().Tabs()->currentIndex(), 0);
        QCOMPARE(fx.currentFileName(), fx.path("X.txt"));
        fx.run("PreviousSpdBtn");
        QCOMPARE(fx.form().Tabs()->currentIndex(), 2);
        QCOMPARE(fx.currentFileName(), fx.path("Z.txt"));
        fx.run("ViewPreviousMnu");
        QCOMPARE(fx.currentFileName(), fx.path("Y.txt"));

        // With one document both leave it shown and unchanged.
        fx.form().files().CloseAllDocuments();
        fx.run("FileNewMnu");
        fx.form().Edit()->setTextBytes("only");
        fx.form().documents().ViewNext();
        fx.form().documents().ViewPrevious();
        QCOMPARE(fx.shownText(), QByteArray("only"));
        QVERIFY(fx.form().Edit()->isModified());
    }

    void mainFileIsBroughtToTheFront() {
        MainWindowFixture fx;
        openXyz(fx);
        DocumentTable& table = fx.form().documents();
        table.ShowMainFile(fx.path("Z.txt"));   // shown already: nothing changes
        QCOMPARE(fx.tabMap(), (QList<int>{1, 2, 0}));
        table.ShowMainFile(fx.path("nowhere.txt"));
        QCOMPARE(fx.currentFileName(), fx.path("Z.txt"));
        table.ShowMainFile(fx.path("X.txt"));
        QCOMPARE(fx.currentFileName(), fx.path("X.txt"));
        QCOMPARE(fx.form().Tabs()->currentIndex(), 0);
        QVERIFY(!fx.isEnabled("ViewMainFileMnu"));   // no group is open
    }

    void ampersandShowsInTheTabCaption() {
        MainWindowFixture fx;
        fx.start();
        const QString path = fx.writeFile("R&D.txt", "x\n");
        fx.form().files().OpenAsCurrent(path, true);
        QCOMPARE(fx.form().Tabs()->tabText(1), QStringLiteral("R&&D.txt"));
    }

    void switchingKeepsModifiedSelectionAndReadOnly() {
        MainWindowFixture fx;
        openXyz(fx);
        EditControl* edit = fx.form().Edit();
        edit->insertBytes(0, "new ");
        edit->setSelection(2, 3);
        fx.form().SetReadOnly(true);
        fx.run("NextSpdBtn");
        QVERIFY(!edit->isModified());
        QVERIFY(!edit->isReadOnly());
        QCOMPARE(fx.form().panelText(1), QString());
        // A parked document is modified: Save All stays on.
        QVERIFY(!fx.isEnabled("FileSaveMnu"));
        QVERIFY(fx.isEnabled("FileSaveAllMnu"));
        QVERIFY(fx.isEnabled("SaveAllSpdBtn"));
        fx.run("PreviousSpdBtn");
        QCOMPARE(fx.shownText(), QByteArray("new text of Z.txt"));
        QVERIFY(edit->isModified());
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->selStart(), qsizetype(2));
        QCOMPARE(edit->selLength(), qsizetype(3));
        QCOMPARE(fx.form().panelText(1), QStringLiteral("Modified"));
        QVERIFY(fx.isEnabled("FileSaveMnu"));
        fx.form().SetReadOnly(false);
        // Each document keeps its own undo history across switches.
        edit->undo();
        QCOMPARE(fx.shownText(), QByteArray("text of Z.txt"));
        QVERIFY(!edit->isModified());
    }

    void untitledNamesNeverReachZero() {
        UntitledCounter counter;
        QString last;
        for (int i = 0; i < 256; ++i)
            last = counter.nextName(QStringLiteral("txt"));
        // The 256th name wraps past 0, which would not count as untitled.
        QCOMPARE(last, QStringLiteral("Untitled1.txt"));
        for (int i = 0; i < 600; ++i)
            QVERIFY(IsUntitledName(counter.nextName(QString())));
    }

    void untitledNameRule_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("untitled");
        QTest::newRow("plain") << "Untitled1" << true;
        QTest::newRow("extension") << "Untitled12.txt" << true;
        QTest::newRow("zero") << "Untitled0.txt" << false;
        QTest::newRow("zeros") << "Untitled00" << false;
        QTest::newRow("leading zero") << "Untitled07.c" << true;
        QTest::newRow("no number") << "Untitled.txt" << false;
        QTest::newRow("letters") << "Untitled1a.txt" << false;
        QTest::newRow("lower case") << "untitled1.txt" << false;
        QTest::newRow("in a folder") << "/home/u/Untitled1.txt" << false;
    }
    void untitledNameRule() {
        QFETCH(QString, name);
        QFETCH(bool, untitled);
        QCOMPARE(IsUntitledName(name), untitled);
    }

    void newNamesFollowTheDefaultExtension() {
        MainWindowFixture fx;
        fx.start();
        fx.form().options().dialogs.defaultExt = QStringLiteral("txt");
        fx.run("FileNewMnu");
        QCOMPARE(fx.currentFileName(), QStringLiteral("Untitled1.txt"));
        fx.form().options().dialogs.defaultExt.clear();
        fx.run("FileNewMnu");
        QCOMPARE(fx.currentFileName(), QStringLiteral("Untitled2"));
        QCOMPARE(fx.tabCaptions().last(), QStringLiteral("Untitled2"));
    }
};

QTEST_MAIN(DocumentSwitchingTest)
#include "test_document_switching.moc"
