// The key and mouse handling around the edit control: the order of the
// window's steps, which keys the control never sees, auto indent, the Tab
// modes and the selection anchor.
#include <QtTest>

#include <QApplication>
#include <QKeyEvent>

#include "settings/EditorOptions.h"
#include "editing/EditControl.h"
#include "editing/EditKeyHandler.h"

using namespace tw;

namespace {

// An edit control with a handler whose actions write into a log.
struct Rig {
    EditControl edit;
    EditorOptions options;
    QStringList log;
    EditKeyHandler* keys;

    explicit Rig(const QByteArray& text, const QByteArray& lineBreak = "\n") {
        edit.loadBytes(text, TextEncoding::Utf8, lineBreak);
        options.InsertMode = true;
        EditKeyActions a;
        auto note = [this](const char* name) { return [this, name] { log << name; }; };
        a.EnableCutCopy = note("EnableCutCopy");
        a.ShowLineColumn = note("ShowLineColumn");
        a.RefreshModifiedState = note("RefreshModifiedState");
        a.SetInsertMode = [this](bool on) {
            log << (on ? "Insert" : "Overwrite");
            options.InsertMode = on;
            edit.SendScintilla(EditControl::SCI_SETOVERTYPE, on ? 0ul : 1ul);
        };
        a.ClipToPlainText = note("ClipToPlainText");
        a.PopupShortcutMenu = note("Popup");
        a.ClipCut = note("ClipCut");
        a.ClipCopy = note("ClipCopy");
        a.ClipPaste = note("ClipPaste");
        a.ShowClipboardPanel = note("ShowClipboardPanel");
        keys = new EditKeyHandler(edit, options, std::move(a));
        QObject::connect(&edit, &EditControl::escapePressed, &edit, [this] { log << "MailCapture"; });
    }
    // One key event, without the modifier keys' own presses and releases.
    QStringList send(QEvent::Type type, int key, Qt::KeyboardModifiers mods) {
        log.clear();
        QKeyEvent event(type, key, mods);
        QApplication::sendEvent(&edit, &event);
        return log;
    }
    QStringList press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        return send(QEvent::KeyPress, key, mods);
    }
    QStringList release(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        return send(QEvent::KeyRelease, key, mods);
    }
    QByteArray text() const { return edit.textBytes(); }
};

const QStringList kFirst{"EnableCutCopy", "ShowLineColumn"};

} // namespace

class EditKeyHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void classicClipboardKeysRunTheWindowsCommandsAndAreConsumed() {
        Rig rig("abc def");
        rig.edit.setSelection(0, 3);
        QCOMPARE(rig.press(Qt::Key_Delete, Qt::ShiftModifier), kFirst + QStringList{"ClipCut"});
        QCOMPARE(rig.release(Qt::Key_Delete, Qt::ShiftModifier),
                 (QStringList{"ShowClipboardPanel", "RefreshModifiedState"} + kFirst));
        QCOMPARE(rig.press(Qt::Key_Insert, Qt::ControlModifier), kFirst + QStringList{"ClipCopy"});
        QCOMPARE(rig.press(Qt::Key_Insert, Qt::ShiftModifier), kFirst + QStringList{"ClipPaste"});
        // Paste does not refresh the clipboard panel at its release.
        QVERIFY(!rig.release(Qt::Key_Insert, Qt::ShiftModifier).contains("ShowClipboardPanel"));
        // Scintilla's own Shift+Delete, Ctrl+Insert and Shift+Insert never ran.
        QCOMPARE(rig.text(), QByteArray("abc def"));
        QCOMPARE(rig.edit.selLength(), qsizetype(3));
    }

    void escapeRunsTheMailCaptureAfterTheWindowsFirstSteps() {
        Rig rig("text");
        QCOMPARE(rig.press(Qt::Key_Escape), kFirst + QStringList{"MailCapture"});
    }

    void functionKeysAndInsert() {
        Rig rig("abc");
        QCOMPARE(rig.press(Qt::Key_F4), kFirst + QStringList{"ClipToPlainText"});
        QCOMPARE(rig.press(Qt::Key_F10, Qt::ShiftModifier), kFirst + QStringList{"Popup"});
        QCOMPARE(rig.press(Qt::Key_F10), kFirst);
        // Insert flips the mode once: the control does not toggle it again.
        QCOMPARE(rig.press(Qt::Key_Insert), kFirst + QStringList{"Overwrite"});
        QCOMPARE(rig.edit.SendScintilla(EditControl::SCI_GETOVERTYPE), 1l);
        QCOMPARE(rig.press(Qt::Key_Insert), kFirst + QStringList{"Insert"});
        QCOMPARE(rig.edit.SendScintilla(EditControl::SCI_GETOVERTYPE), 0l);
    }

    void caretPositionTakesTheAnchorFromTheLastKeyPress() {
        // The caret moved by keys only, then Shift+End: the caret is at the
        // selection's end, though no mouse press recorded an anchor there.
        Rig rig("one\ntwo\nthree four");
        rig.edit.setSelStart(13);
        QTest::keyClick(&rig.edit, Qt::Key_Up);
        QTest::keyClick(&rig.edit, Qt::Key_Home);
        QTest::keyClick(&rig.edit, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(rig.keys->CaretPosition().line, 1);
        QCOMPARE(rig.keys->CaretPosition().column, qsizetype(3));
        QTest::keyClick(&rig.edit, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(rig.keys->CaretPosition().column, qsizetype(2));
    }

    void columnsCountCharactersNotBytes() {
        Rig rig("x\n\xC3\xA9t\xC3\xA9 ok");   // "été ok" on line 2
        rig.edit.setSelStart(2 + 6);          // before "ok": 6 bytes, 4 characters
        QCOMPARE(rig.keys->CaretPosition().column, qsizetype(4));
    }

    void mousePressRecordsTheAnchor() {
        Rig rig("abcdef");
        rig.edit.show();
        rig.edit.setSelStart(5);
        QTest::keyClick(&rig.edit, Qt::Key_Shift);
        QCOMPARE(rig.keys->anchor().SelAnchorStart, qsizetype(5));
        QTest::mouseClick(rig.edit.viewport(), Qt::LeftButton, {}, QPoint(1, 5));
        QCOMPARE(rig.edit.selStart(), qsizetype(0));
        QCOMPARE(rig.keys->anchor().SelAnchorStart, qsizetype(0));
    }

    void enterWithAutoIndentCopiesTheIndentation() {
        Rig rig("\t  foo\r\nbar", "\r\n");
        rig.options.AutoIndent = true;
        rig.edit.setSelStart(6);   // after "\t  foo"
        QTest::keyClick(&rig.edit, Qt::Key_Return);
        QCOMPARE(rig.text(), QByteArray("\t  foo\r\n\t  \r\nbar"));
        QCOMPARE(rig.edit.selStart(), qsizetype(8 + 3));
        // Without auto indent the new line stays empty.
        rig.options.AutoIndent = false;
        QTest::keyClick(&rig.edit, Qt::Key_Return);
        QCOMPARE(rig.text(), QByteArray("\t  foo\r\n\t  \r\n\r\nbar"));
    }

    void rolloverTypingAfterEnterLandsAfterTheIndent() {
        // The next keys go down before Enter comes up, as fast typists do.
        Rig rig("    foo");
        rig.options.AutoIndent = true;
        rig.edit.setSelStart(7);
        QTest::keyPress(&rig.edit, Qt::Key_Return);
        QTest::keyClicks(&rig.edit, "bar");
        QTest::keyRelease(&rig.edit, Qt::Key_Return);
        QCOMPARE(rig.text(), QByteArray("    foo\n    bar"));
        // Enter and its indent are one undo step.
        rig.edit.undo();
        rig.edit.undo();
        QCOMPARE(rig.text(), QByteArray("    foo"));
    }

    void enterInAReadOnlyDocumentLeavesTheCaret() {
        Rig rig("    foo");
        rig.options.AutoIndent = true;
        rig.edit.setReadOnlyFlag(true);
        rig.edit.setSelStart(7);
        QTest::keyClick(&rig.edit, Qt::Key_Return);
        QCOMPARE(rig.text(), QByteArray("    foo"));
        QCOMPARE(rig.edit.selStart(), qsizetype(7));
    }

    void tabModes() {
        Rig rig("ab\ncd");
        rig.edit.setSelection(0, 1);
        QTest::keyClick(&rig.edit, Qt::Key_Tab);     // mode 0: a tab replaces the selection
        QCOMPARE(rig.text(), QByteArray("\tb\ncd"));
        rig.options.TabUse = 2;
        rig.options.TabSpaces = 0;   // out of range: still one space per Tab
        rig.edit.setSelStart(0);
        QTest::keyClick(&rig.edit, Qt::Key_Tab);
        QCOMPARE(rig.text(), QByteArray(" \tb\ncd"));
        // Shift+Tab types a Tab too; it never unindents.
        rig.options.TabSpaces = 3;
        QTest::keyClick(&rig.edit, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(rig.text(), QByteArray("    \tb\ncd"));
        QCOMPARE(rig.edit.selStart(), qsizetype(4));
    }

    void tabSpacesOverwriteInOverwriteModeButNotPastTheLineEnd() {
        Rig rig("abcdefgh\nnext");
        rig.options.TabUse = 2;
        rig.options.TabSpaces = 4;
        rig.edit.SendScintilla(EditControl::SCI_SETOVERTYPE, 1ul);
        rig.edit.setSelStart(1);
        QTest::keyClick(&rig.edit, Qt::Key_Tab);
        QCOMPARE(rig.text(), QByteArray("a    fgh\nnext"));
        rig.edit.setSelStart(6);
        QTest::keyClick(&rig.edit, Qt::Key_Tab);
        QCOMPARE(rig.text(), QByteArray("a    f    \nnext"));
        // One Tab is one undo step.
        rig.edit.undo();
        QCOMPARE(rig.text(), QByteArray("a    fgh\nnext"));
    }
};

QTEST_MAIN(EditKeyHandlerTest)
#include "test_EditKeyHandler.moc"
