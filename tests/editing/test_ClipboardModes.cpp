// The clipboard modes on an edit control and a clipboard of our own, and once
// through the desktop's clipboard (the main window's tests use it throughout).
#include <QtTest>

#include <QClipboard>

#include "editing/ClipboardModes.h"
#include "editing/EditControl.h"
#include "support/FakeClipboard.h"

using namespace tw;
using tw::test::FakeClipboard;

namespace {

// A document of its own and the modes over it.
struct Bench {
    explicit Bench(const QByteArray& text, TextEncoding encoding = TextEncoding::Utf8,
                   const QByteArray& lineBreak = "\n")
        : modes(clipboard, edit) {
        edit.loadBytes(text, encoding, lineBreak);
    }
    void select(qsizetype start, qsizetype length) { edit.setSelection(start, length); }
    void caretAtEnd() { edit.setSelStart(edit.length()); }
    // Pastes n times at the end and returns what the pastes added.
    QByteArray pasteAtEnd(int n) {
        const qsizetype before = edit.length();
        for (int i = 0; i < n; ++i) {
            caretAtEnd();
            modes.paste();
        }
        return edit.textBytes().mid(before);
    }
    FakeClipboard clipboard;
    EditControl edit;
    ClipboardModes modes;
};

} // namespace

class ClipboardModesTest : public QObject {
    Q_OBJECT
private slots:
    void stackAndQueueGiveCopiedTextsBackInTheirOrder_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("pasted");
        // Five pastes after copying A, B, C with "X" on the clipboard.
        QTest::newRow("stack: newest first") << int(ClipboardModes::Stack) << QByteArray("CBAXX");
        QTest::newRow("queue: oldest first") << int(ClipboardModes::Queue) << QByteArray("XABCC");
        QTest::newRow("dual: the clipboard") << int(ClipboardModes::Dual) << QByteArray("CCCCC");
    }
    void stackAndQueueGiveCopiedTextsBackInTheirOrder() {
        QFETCH(int, mode);
        QFETCH(QByteArray, pasted);
        Bench b("ABC");
        b.clipboard.setText("X");
        b.modes.setMode(mode);
        for (int i = 0; i < 3; ++i) {
            b.select(i, 1);
            b.modes.copy();
        }
        QCOMPARE(b.pasteAtEnd(5), pasted);
        QVERIFY(b.modes.ClipList().isEmpty());
    }

    void queueCutTakesTheTextAwayWithoutTouchingTheClipboard() {
        Bench b("hello world");
        b.clipboard.setText("X");
        b.clipboard.writes = 0;
        b.modes.setMode(ClipboardModes::Queue);
        b.select(0, 6);
        QVERIFY(!b.modes.cut());   // nothing for the panel to show
        QCOMPARE(b.edit.textBytes(), QByteArray("world"));
        QCOMPARE(b.clipboard.writes, 0);
        QCOMPARE(b.clipboard.text(), QString("X"));
        QCOMPARE(b.pasteAtEnd(3), QByteArray("Xhello hello "));
    }

    void stackCutPushesTheClipboardAndCutsToIt() {
        Bench b("one two");
        b.clipboard.setText("X");
        b.modes.setMode(ClipboardModes::Stack);
        b.select(0, 4);
        QVERIFY(b.modes.cut());
        QCOMPARE(b.edit.textBytes(), QByteArray("two"));
        QCOMPARE(b.clipboard.text(), QString("one "));
        QCOMPARE(b.modes.ClipList(), QStringList{"X"});
    }

    void dualSwapClipExchangesTwoClipboards() {
        Bench b("B");
        b.clipboard.setText("A");
        QVERIFY(b.modes.swapClip());
        QCOMPARE(b.clipboard.text(), QString());
        b.select(0, 1);
        b.modes.copy();
        b.modes.swapClip();
        QCOMPARE(b.clipboard.text(), QString("A"));
        b.modes.swapClip();
        QCOMPARE(b.clipboard.text(), QString("B"));
        QCOMPARE(b.modes.ClipList(), QStringList{"A"});
    }

    void settingAModeForgetsCollectedTextsButNotTheClipboard() {
        Bench b("AB");
        b.modes.setMode(ClipboardModes::Stack);
        b.select(0, 1);
        b.modes.copy();
        b.select(1, 1);
        b.modes.copy();
        QCOMPARE(b.modes.ClipList().size(), 2);
        b.modes.setMode(ClipboardModes::Stack);   // the same mode empties it too
        QVERIFY(b.modes.ClipList().isEmpty());
        QCOMPARE(b.clipboard.text(), QString("B"));
        QCOMPARE(b.pasteAtEnd(2), QByteArray("BB"));
    }

    void anEmptySelectionStillDoesTheListStep() {
        Bench b("text");
        b.clipboard.setText("X");
        b.modes.setMode(ClipboardModes::Stack);
        b.select(2, 0);
        b.modes.copy();
        b.modes.cut();
        QCOMPARE(b.modes.ClipList(), (QStringList{"X", "X"}));
        QCOMPARE(b.clipboard.text(), QString("X"));
        QCOMPARE(b.edit.textBytes(), QByteArray("text"));

        b.modes.setMode(ClipboardModes::Queue);
        b.modes.copy();
        b.modes.cut();
        QCOMPARE(b.modes.ClipList(), (QStringList{"", ""}));
        QCOMPARE(b.pasteAtEnd(3), QByteArray("X"));
    }

    void aReadOnlyDocumentIsNeitherCutNorPastedAndKeepsTheList() {
        Bench b("locked");
        b.clipboard.setText("X");
        b.modes.setMode(ClipboardModes::Stack);
        b.select(0, 1);
        b.modes.copy();   // copying is fine
        b.edit.setReadOnlyFlag(true);
        b.select(0, 3);
        QVERIFY(!b.modes.cut());
        QVERIFY(!b.modes.paste());
        QCOMPARE(b.edit.textBytes(), QByteArray("locked"));
        QCOMPARE(b.clipboard.text(), QString("l"));
        QCOMPARE(b.modes.ClipList(), QStringList{"X"});
    }

    void textCrossesEncodingsWithoutLoss() {
        Bench latin("caf\xe9", TextEncoding::Latin1);
        latin.select(0, 4);
        latin.modes.copy();
        QCOMPARE(latin.clipboard.text(), QString::fromUtf8("caf\xc3\xa9"));

        Bench utf8("");
        utf8.clipboard.setText(latin.clipboard.text());
        QCOMPARE(utf8.pasteAtEnd(1), QByteArray("caf\xc3\xa9"));

        latin.clipboard.setText(QString::fromUtf8("\xc3\xa9"));
        QCOMPARE(latin.pasteAtEnd(1), QByteArray("\xe9"));
        // A character a single-byte document cannot hold turns the document
        // into UTF-8 first, every character kept.
        latin.clipboard.setText(QString::fromUtf8("\xe2\x82\xac"));
        latin.pasteAtEnd(1);
        QCOMPARE(latin.edit.encoding(), TextEncoding::Utf8);
        QCOMPARE(latin.edit.textBytes(), QByteArray("caf\xc3\xa9\xc3\xa9\xe2\x82\xac"));
    }

    void pastedTextTakesTheDocumentsLineBreak_data() {
        QTest::addColumn<QByteArray>("lineBreak");
        QTest::addColumn<QByteArray>("pasted");
        QTest::newRow("CR LF") << QByteArray("\r\n") << QByteArray("a\r\nb\r\nc\r\nd");
        QTest::newRow("LF") << QByteArray("\n") << QByteArray("a\nb\nc\nd");
    }
    void pastedTextTakesTheDocumentsLineBreak() {
        QFETCH(QByteArray, lineBreak);
        QFETCH(QByteArray, pasted);
        Bench b("", TextEncoding::Utf8, lineBreak);
        b.clipboard.setText("a\nb\r\nc\rd");
        QCOMPARE(b.pasteAtEnd(1), pasted);
    }

    void plainTextLeavesOnlyTheTextAndNeverEmptiesAnImage() {
        Bench b("");
        b.clipboard.setText("plain");
        b.clipboard.writes = 0;
        QVERIFY(!b.modes.toPlainText());
        QCOMPARE(b.clipboard.writes, 0);

        b.clipboard.holdRich("styled");
        QVERIFY(b.modes.toPlainText());
        QCOMPARE(b.clipboard.text(), QString("styled"));
        QVERIFY(!b.clipboard.holdsMoreThanPlainText());

        b.clipboard.holdRich(QString());   // an image: no text at all
        b.clipboard.writes = 0;
        QVERIFY(!b.modes.toPlainText());
        QCOMPARE(b.clipboard.writes, 0);
        QVERIFY(b.clipboard.holdsMoreThanPlainText());
    }

    void theDesktopClipboardServesTheModes() {
        QtClipboard desktop;
        EditControl edit;
        edit.loadBytes("ABC", TextEncoding::Utf8, "\n");
        ClipboardModes modes(desktop, edit);
        modes.setMode(ClipboardModes::Stack);
        QGuiApplication::clipboard()->setText("X");
        edit.setSelection(0, 2);
        modes.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("AB"));
        edit.setSelStart(3);
        modes.paste();
        modes.paste();
        QCOMPARE(edit.textBytes(), QByteArray("ABCABX"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("X"));
    }
};

QTEST_MAIN(ClipboardModesTest)
#include "test_ClipboardModes.moc"
