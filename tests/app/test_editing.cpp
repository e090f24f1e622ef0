// Typing, the Edit menu's commands and the status panels through the real
// main window, with real key events on the edit control.
#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include "app/DocumentTable.h"
#include "editing/EditControl.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

struct Window {
    MainWindowFixture fx;
    EditControl* edit = nullptr;

    explicit Window(const QByteArray& fileBytes) {
        fx.start({fx.writeFile("text.txt", fileBytes)});
        edit = fx.form().Edit();
    }
    TMainForm& form() { return fx.form(); }
    void keys(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(edit, Qt::Key(key), mods);
    }
    // Ctrl+Home, then down and right by keys.
    void caretTo(int line, int column) {
        keys(Qt::Key_Home, Qt::ControlModifier);
        keys(Qt::Key_Down, Qt::NoModifier, line);
        keys(Qt::Key_Right, Qt::NoModifier, column);
    }
    QString panel(int n) { return form().panelText(n); }
    QByteArray text() const { return edit->textBytes(); }
    QString lineColumn() { return panel(0); }
};

} // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void lineColumnPanelFollowsTheMovingEndOfTheSelection() {
        Window w("first\nsecond\nthird line\nfourth");
        w.caretTo(2, 4);
        QCOMPARE(w.lineColumn(), "3: 5");
        w.keys(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(w.lineColumn(), "3: 4");
        w.keys(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(w.lineColumn(), "3: 3");
        w.caretTo(2, 4);
        w.keys(Qt::Key_Right, Qt::ShiftModifier, 2);
        QCOMPARE(w.lineColumn(), "3: 7");
        w.keys(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w.lineColumn(), "4: 7");
        QVERIFY(w.fx.isEnabled("EditCutMnu"));
        QVERIFY(w.fx.isEnabled("CopyPopItem"));
        w.keys(Qt::Key_Right);
        QVERIFY(!w.fx.isEnabled("EditDeleteMnu"));
    }

    void autoIndentCarriesTheLeadingBlanksToTheNewLine() {
        Window w("    foo");
        QVERIFY(w.form().options().AutoIndent);
        w.keys(Qt::Key_End);
        w.keys(Qt::Key_Return);
        QCOMPARE(w.text(), QByteArray("    foo\n    "));
        QCOMPARE(w.lineColumn(), "2: 5");

        w.edit->setTextBytes("    foobar");
        w.caretTo(0, 7);
        w.keys(Qt::Key_Return);
        QCOMPARE(w.text(), QByteArray("    foo\n    bar"));
        QCOMPARE(w.lineColumn(), "2: 5");

        w.edit->setTextBytes("    foo");
        w.caretTo(0, 2);
        w.keys(Qt::Key_Return);
        QCOMPARE(w.text(), QByteArray("  \n    foo"));
        QCOMPARE(w.lineColumn(), "2: 3");
    }

    void tabToTheNextStopOfSixOrAFixedNumberOfSpaces() {
        Window w("abcdefgh");
        w.form().options().TabUse = 1;
        w.keys(Qt::Key_Home);
        w.keys(Qt::Key_Tab);
        QCOMPARE(w.text(), QByteArray("      abcdefgh"));
        w.edit->setTextBytes("abcdefgh");
        w.caretTo(0, 4);
        w.keys(Qt::Key_Tab);
        QCOMPARE(w.text(), QByteArray("abcd  efgh"));
        w.keys(Qt::Key_Tab);   // now at column 6
        QCOMPARE(w.text(), QByteArray("abcd        efgh"));
        QCOMPARE(w.lineColumn(), "1: 13");

        w.form().options().TabUse = 2;
        w.form().options().TabSpaces = 4;
        w.caretTo(0, 1);
        w.keys(Qt::Key_Tab);
        QCOMPARE(w.text(), QByteArray("a    bcd        efgh"));
    }

    void tabOverASelectionReachesTheStopFromWhereTheSpacesGo() {
        // The spaces replace the selection, so they start at its start,
        // whichever end the caret is at.
        Window w("abcdefgh");
        w.form().options().TabUse = 1;
        w.caretTo(0, 1);
        w.keys(Qt::Key_Right, Qt::ShiftModifier, 4);   // forwards: caret at column 5
        w.keys(Qt::Key_Tab);
        QCOMPARE(w.text(), QByteArray("a     fgh"));
        QCOMPARE(w.lineColumn(), "1: 7");
        w.edit->setTextBytes("abcdefgh");
        w.caretTo(0, 5);
        w.keys(Qt::Key_Left, Qt::ShiftModifier, 4);    // backwards: caret at column 1
        w.keys(Qt::Key_Tab);
        QCOMPARE(w.text(), QByteArray("a     fgh"));
        QCOMPARE(w.lineColumn(), "1: 7");
    }

    void indentAndUnindentABlockKeepItSelected() {
        Window w("one\n two\nthree\n\tfour\nfive");
        w.edit->setSelection(5, 13);   // from inside line 2 to inside line 4
        w.fx.run("EditIndentBlockMnu");
        QCOMPARE(w.text(), QByteArray("one\n  two\n three\n \tfour\nfive"));
        QCOMPARE(w.edit->selStart(), qsizetype(5));
        QCOMPARE(w.edit->selLength(), qsizetype(16));
        QCOMPARE(w.panel(1), "Modified");

        w.edit->setTextBytes("one\n two\nthree\n\tfour\nfive");
        w.edit->setSelection(4, 17);   // lines 2 to 4 whole, their breaks included
        w.fx.run("EditUnindentBlockMnu");
        QCOMPARE(w.text(), QByteArray("one\ntwo\nthree\nfour\nfive"));
        QCOMPARE(w.edit->selStart(), qsizetype(4));
        QCOMPARE(w.edit->selLength(), qsizetype(15));
        w.fx.run("EditUndoMnu");
        QCOMPARE(w.text(), QByteArray("one\n two\nthree\n\tfour\nfive"));
    }

    void indentWithoutSelectionIndentsTheCaretLineOnly() {
        Window w("one\ntwo\nthree");
        w.caretTo(1, 2);
        w.fx.run("EditIndentBlockMnu");
        QCOMPARE(w.text(), QByteArray("one\n two\nthree"));
        QCOMPARE(w.edit->selStart(), qsizetype(6));
        QCOMPARE(w.edit->selLength(), qsizetype(0));
        w.form().SetReadOnly(true);
        w.fx.run("EditIndentBlockMnu");
        QCOMPARE(w.text(), QByteArray("one\n two\nthree"));
    }

    // A read-only document is never changed by an editing command, and the
    // commands that refuse leave its selection as it was.
    void editingCommandsLeaveAReadOnlyDocumentAlone() {
        Window w("one two\nthree");
        w.form().SetReadOnly(true);
        for (const char* command : {"EditDeleteLineMnu", "EditChangeCaseUpperMnu",
                                    "EditChangeCaseLowerMnu", "EditChangeCaseTitleMnu",
                                    "EditIndentBlockMnu", "EditUnindentBlockMnu"}) {
            w.edit->setSelection(4, 3);
            w.fx.run(command);
            QCOMPARE(w.text(), QByteArray("one two\nthree"));
            QCOMPARE(w.edit->selStart(), qsizetype(4));
            QCOMPARE(w.edit->selLength(), qsizetype(3));
            QVERIFY2(!w.edit->isModified(), command);
        }
        QCOMPARE(w.panel(1), "");
    }

    void titleCase() {
        Window w("the QUICK brown\nx-ray");
        w.edit->setSelection(0, 15);
        w.fx.run("EditChangeCaseTitleMnu");
        w.edit->setSelection(16, 5);
        w.fx.run("EditChangeCaseTitleMnu");
        QCOMPARE(w.text(), QByteArray("The Quick Brown\nX-ray"));
        w.edit->selectAll();
        w.fx.run("EditChangeCaseUpperMnu");
        QCOMPARE(w.text(), QByteArray("THE QUICK BROWN\nX-RAY"));
        QCOMPARE(w.edit->selLength(), qsizetype(0));
    }

    void gotoLine() {
        QByteArray forty;
        for (int i = 1; i <= 40; ++i)
            forty += "line " + QByteArray::number(i) + (i < 40 ? "\n" : "");
        Window w(forty);
        w.caretTo(3, 2);
        w.fx.prompts.type(QString("12a"));
        w.fx.run("SearchGotoLineNumberMnu");
        QCOMPARE(w.fx.prompts.texts(), QStringList{"Inavlid Line Number"});
        QCOMPARE(w.lineColumn(), "4: 3");
        w.fx.prompts.type(QString("999"));
        w.fx.run("SearchGotoLineNumberMnu");
        QCOMPARE(w.lineColumn(), "40: 1");
        QCOMPARE(w.fx.prompts.texts().size(), 1);
    }

    void insertTogglesOverwriteButShiftInsertPastes() {
        Window w("abc");
        QCOMPARE(w.panel(2), "Insert");
        w.keys(Qt::Key_Insert);
        QCOMPARE(w.panel(2), "Overwrite");
        QVERIFY(!w.form().options().InsertMode);
        w.keys(Qt::Key_Home);
        QTest::keyClicks(w.edit, "XY");
        QCOMPARE(w.text(), QByteArray("XYc"));
        w.keys(Qt::Key_Insert);
        QCOMPARE(w.panel(2), "Insert");
        QTest::keyClicks(w.edit, "Z");
        QCOMPARE(w.text(), QByteArray("XYZc"));

        QApplication::clipboard()->setText("clip");
        w.keys(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(w.text(), QByteArray("XYZclipc"));
        QCOMPARE(w.panel(2), "Insert");
        QVERIFY(w.form().options().InsertMode);
    }

    void cutLineTakesTheLineWithItsBreakOrTheLastLineAlone() {
        Window w("one\ntwo\nlast");
        w.caretTo(1, 1);
        w.fx.run("EditCutLineMnu");
        QCOMPARE(w.text(), QByteArray("one\nlast"));
        QCOMPARE(QApplication::clipboard()->text(), "two\n");
        w.caretTo(1, 2);
        w.fx.run("EditCutLineMnu");
        QCOMPARE(w.text(), QByteArray("one\n"));
        QCOMPARE(QApplication::clipboard()->text(), "last");
        w.keys(Qt::Key_Home, Qt::ControlModifier);
        w.fx.run("EditDeleteLineMnu");
        QCOMPARE(w.text(), QByteArray(""));
        QCOMPARE(QApplication::clipboard()->text(), "last");
    }

    void wordWrapKeepsTheSelectionAndTheMark() {
        Window w("some text to wrap");
        w.edit->setSelection(5, 4);
        w.fx.run("WrapMnu");
        QAction* wrap = w.form().commands().action("WrapMnu");
        QVERIFY(wrap->isChecked());
        QVERIFY(w.form().wordWrap());
        QCOMPARE(w.edit->SendScintilla(EditControl::SCI_GETWRAPMODE), 1l);
        QCOMPARE(w.edit->selStart(), qsizetype(5));
        QCOMPARE(w.edit->selLength(), qsizetype(4));
        w.fx.run("WrapMnu");
        QVERIFY(!wrap->isChecked());
        QCOMPARE(w.edit->SendScintilla(EditControl::SCI_GETWRAPMODE), 0l);
    }

    void shiftF10OpensTheShortcutMenuAtTheEditControl() {
        Window w("text");
        QMenu* popup = w.form().findChild<QMenu*>("PopupMenu");
        QVERIFY(popup && !popup->isVisible());
        w.keys(Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(popup->isVisible());
        popup->hide();
    }

    void escapeStillCapturesAMail() {
        Window w("old");
        w.form().options().dialogs.saveDir = w.fx.path(QString());
        QApplication::clipboard()->setText("From someone\nSubject: hi!\n\nbody");
        w.keys(Qt::Key_Escape);
        QCOMPARE(w.text(), QByteArray("From someone\nSubject: hi!\n\nbody"));
        QCOMPARE(w.fx.currentFileName(), w.fx.path("From someone[hi].txt"));
    }
};

QTEST_MAIN(EditingTest)
#include "test_editing.moc"
