// The main window's furniture working together: keystroke mapping on real
// key presses, View toggles, menu-opening enabling, the shortcut menu, F1 on
// a highlighted menu item, and the tool bar scroller as the window narrows.
#include <QtTest>

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QScrollBar>
#include <QToolButton>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/HelpViewer.h"
#include "app/MainMenu.h"
#include "app/SpeedBar.h"
#include "editing/EditControl.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

class MainWindowChromeTest : public QObject {
    Q_OBJECT

    QAction* item(MainWindowFixture& fx, const char* name) {
        return fx.form().findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void keystrokeMappingOneMovesSaveAndOpenToFunctionKeys() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        TMainForm& form = fx.start({a});
        // The menu's own shortcuts until a mapping is applied.
        QCOMPARE(item(fx, "SearchSearchAgainMnu")->shortcut(), QKeySequence("Ctrl+L"));
        form.ApplyKeystrokeMapping(1);
        QCOMPARE(item(fx, "FileSaveMnu")->shortcut(), QKeySequence("F2"));
        QCOMPARE(item(fx, "FileOpenMnu")->shortcut(), QKeySequence("F3"));
        QCOMPARE(item(fx, "SearchSearchAgainMnu")->shortcut(), QKeySequence("Ctrl+L"));
        QCOMPARE(item(fx, "FileExitMnu")->shortcut(), QKeySequence("Alt+X"));

        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Edit()->insertBytes(0, "key ");
        QTest::keyClick(form.Edit(), Qt::Key_F2);
        QCOMPARE(MainWindowFixture::readFile(a), QByteArray("key a\n"));
        fx.prompts.cancelDialog();
        QTest::keyClick(form.Edit(), Qt::Key_F3);
        QCOMPARE(fx.prompts.shown().last().kind, ShownPrompt::Kind::OpenDialog);

        form.ApplyKeystrokeMapping(0);
        QCOMPARE(item(fx, "FileSaveMnu")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(item(fx, "SearchSearchAgainMnu")->shortcut(), QKeySequence("F3"));
        form.ApplyKeystrokeMapping(7);
        QCOMPARE(item(fx, "FileSaveMnu")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(form.options().KeystrokeMapping, 0);
    }

    void viewTogglesHideAndShowTheirParts() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        form.show();
        for (const char* name : {"ViewShowClipMnu", "ViewScrollBarsMnu", "ViewStatusBarMnu",
                                 "ViewToolBarMnu", "ViewTabsMnu"})
            QVERIFY2(item(fx, name)->isChecked(), name);
        fx.run("ViewTabsMnu");
        QVERIFY(form.Tabs()->isHidden());
        fx.run("ViewToolBarMnu");
        QVERIFY(form.findChild<SpeedBar*>()->isHidden());
        fx.run("ViewStatusBarMnu");
        QVERIFY(form.statusBar()->isHidden());
        fx.run("ViewScrollBarsMnu");
        QCOMPARE(form.Edit()->SendScintilla(EditControl::SCI_GETVSCROLLBAR), 0l);
        QCOMPARE(form.Edit()->SendScintilla(EditControl::SCI_GETHSCROLLBAR), 0l);
        fx.run("ViewScrollBarsMnu");
        QCOMPARE(form.Edit()->SendScintilla(EditControl::SCI_GETVSCROLLBAR), 1l);
        QCOMPARE(form.Edit()->SendScintilla(EditControl::SCI_GETHSCROLLBAR), 1l);
        fx.run("ViewTabsMnu");
        fx.run("ViewToolBarMnu");
        fx.run("ViewStatusBarMnu");
        QVERIFY(!form.Tabs()->isHidden());
        QVERIFY(!form.statusBar()->isHidden());

        QApplication::clipboard()->setText(QStringLiteral("clip text"));
        fx.run("ViewShowClipMnu");
        QCOMPARE(form.panelText(3), QString());
        fx.run("ViewShowClipMnu");
        QCOMPARE(form.panelText(3), QStringLiteral("clip text"));
    }

    void selectionDrivesCutCopyAndChangeCase() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        QVERIFY(!fx.isEnabled("EditCopyMnu"));
        QVERIFY(!fx.isEnabled("CutSpdBtn"));
        form.Edit()->setSelection(0, 7);
        QVERIFY(fx.isEnabled("EditCopyMnu"));
        QVERIFY(fx.isEnabled("CopySpdBtn"));
        QVERIFY(fx.isEnabled("CutPopItem"));
        emit fx.form().findChild<QMenu*>("EditMnu")->aboutToShow();
        QVERIFY(fx.isEnabled("EditChangeCaseMnu"));
        fx.run("CopySpdBtn");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Welcome"));
        // Undo follows the edit control.
        QVERIFY(!fx.isEnabled("UndoSpdBtn"));
        fx.run("CutSpdBtn");
        QVERIFY(fx.isEnabled("UndoSpdBtn"));
        QCOMPARE(form.panelText(1), QStringLiteral("Modified"));
        fx.run("EditUndoMnu");
        QCOMPARE(fx.shownText(), QByteArray("Welcome to Tarnwick."));
    }

    void colourSchemes() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        auto fore = [&] { return form.Edit()->SendScintilla(EditControl::SCI_STYLEGETFORE, 32ul); };
        auto back = [&] { return form.Edit()->SendScintilla(EditControl::SCI_STYLEGETBACK, 32ul); };
        form.ApplyColourScheme(1);
        QCOMPARE(fore(), 0x00FFFFl);   // yellow, as 0x00BBGGRR
        QCOMPARE(back(), 0x800000l);   // navy
        form.options().customText = QColor(1, 2, 3);
        form.options().customBackground = QColor(4, 5, 6);
        form.ApplyColourScheme(2);
        QCOMPARE(fore(), 0x030201l);
        QCOMPARE(back(), 0x060504l);
        // An unknown scheme keeps and reapplies the stored one.
        form.ApplyColourScheme(9);
        QCOMPARE(form.options().ColourScheme, 2);
        QCOMPARE(back(), 0x060504l);
    }

    void editorKeysDoNotActBehindDisabledMenuCommands() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        form.Edit()->setSelection(0, 7);
        for (const QKeyCombination key : {Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::Key_T,
                                          Qt::CTRL | Qt::Key_U, Qt::CTRL | Qt::Key_D,
                                          Qt::CTRL | Qt::SHIFT | Qt::Key_U})
            QTest::keyClick(form.Edit(), key.key(), key.keyboardModifiers());
        QCOMPARE(fx.shownText(), QByteArray("Welcome to Tarnwick."));
    }

    void commandsOfLaterWorkStayDisabled() {
        MainWindowFixture fx;
        fx.start();
        // Run without records and Execute without a record for ".txt" are disabled too.
        for (const char* name : {"RunMnu", "ExecuteCurrentFileMnu", "ExecuteSpdBtn"})
            QVERIFY2(!fx.isEnabled(name), name);
        // File operations are built: enabled while a document is open.
        for (const char* name : {"FileCopyMnu", "FileDeleteMnu", "OptionsPropertiesMnu",
                                 "OptionsEnvironmentMnu", "HelpAboutMnu"})
            QVERIFY2(fx.isEnabled(name), name);
    }

    void popupMenuMirrorsTheFileSubmenus() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        QMenu* popup = form.findChild<QMenu*>("PopupMenu");
        QVERIFY(popup);
        mirrorPopupSubmenus(form.menuBar(), popup);
        QMenu* close = form.findChild<QMenu*>("ClosePopItem");
        QVERIFY(close);
        QVERIFY(close->actions().contains(item(fx, "FileCloseCurrentFileMnu")));
    }

    void f1OnAHighlightedMenuItemOpensItsTopic() {
        MainWindowFixture fx;
        QFile::copy(qEnvironmentVariable("TARNWICK_SOURCE_DIR") + "/resources/Tarnwick.hlp",
                    fx.programDir() + "Tarnwick.hlp");
        TMainForm& form = fx.start();
        QMenu* view = form.findChild<QMenu*>("ViewMnu");
        view->setActiveAction(item(fx, "ViewTabsMnu"));
        QCOMPARE(view->activeAction(), item(fx, "ViewTabsMnu"));
        QTest::keyClick(view, Qt::Key_F1);
        QVERIFY(form.helpViewer()->isVisible());
        form.helpViewer()->close();
    }

    void narrowingTheWindowShowsTheScroller() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        form.resize(700, 400);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget* upDown = form.findChild<QWidget*>("UpDown1");
        QToolButton* help = form.findChild<QToolButton*>("HelpSpdBtn");
        QVERIFY(upDown->isHidden());
        form.resize(300, 400);
        QTRY_VERIFY(!upDown->isHidden());
        form.resize(700, 400);
        QTRY_VERIFY(upDown->isHidden());
        QCOMPARE(help->x(), 484);
    }

    void afterStartUpTheTextHasTheFocusAndTheBarsStayPut() {
        // Enough files that the tab strip shows its scroll arrows.
        MainWindowFixture fx;
        QStringList files;
        for (int i = 0; i < 40; ++i)
            files << fx.writeFile(QStringLiteral("file%1.txt").arg(i), "x\n");
        TMainForm& form = fx.start(files);
        form.resize(500, 400);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.Edit());
        QTest::keyClicks(QApplication::focusWidget(), "typed");
        QCOMPARE(fx.shownText(), QByteArray("typedx"));
        form.Edit()->setModifiedFlag(false);

        // Both scroll bars whenever the mark is set and wrap is off, however
        // short the text; with wrap, only the vertical one.
        QTRY_VERIFY(form.Edit()->verticalScrollBar()->isVisible());
        QVERIFY(form.Edit()->horizontalScrollBar()->isVisible());
        fx.run("WrapMnu");
        QTRY_VERIFY(!form.Edit()->horizontalScrollBar()->isVisible());
        QVERIFY(form.Edit()->verticalScrollBar()->isVisible());
        fx.run("WrapMnu");
        fx.run("ViewNextMnu");   // another document keeps the bars
        QTRY_VERIFY(form.Edit()->horizontalScrollBar()->isVisible());
        QVERIFY(form.Edit()->verticalScrollBar()->isVisible());

        // With no document shown, the tool bar stays at the top.
        auto* bar = form.findChild<SpeedBar*>();
        const int top = bar->y();
        QVERIFY(form.files().CloseAllDocuments());
        QTRY_VERIFY(form.Edit()->isHidden());
        QCOMPARE(bar->y(), top);
        QVERIFY(form.Tabs()->y() < form.height() / 2);
    }
};

QTEST_MAIN(MainWindowChromeTest)
#include "test_main_window_chrome.moc"
