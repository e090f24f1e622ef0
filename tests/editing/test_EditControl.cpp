// The edit control's documents: loading, exchanging, parked text and flags.
#include <QtTest>

#include "editing/EditControl.h"

using namespace tw;

class EditControlTest : public QObject {
    Q_OBJECT
private slots:
    void loadKeepsBytesAndLines() {
        EditControl edit;
        const QByteArray text("one\r\ntwo\r\nthree\0four", 20);
        edit.loadBytes(text, TextEncoding::Latin1, "\r\n");
        QCOMPARE(edit.textBytes(), text);
        QCOMPARE(edit.SendScintilla(EditControl::SCI_GETLINECOUNT), 3l);
        QVERIFY(!edit.isModified());
        QVERIFY(!edit.canUndo());
        QCOMPARE(edit.encoding(), TextEncoding::Latin1);
    }

    void typingSetsModifiedAndUndoReturnsToSavePoint() {
        EditControl edit;
        edit.loadBytes("abc", TextEncoding::Utf8, "\n");
        QSignalSpy changed(&edit, &EditControl::modifiedChanged);
        edit.insertBytes(3, "d");
        QVERIFY(edit.isModified());
        QVERIFY(edit.canUndo());
        edit.undo();
        QVERIFY(!edit.isModified());
        QCOMPARE(changed.count(), 2);
        edit.setModifiedFlag(true);
        QVERIFY(edit.isModified());
    }

    void exchangeKeepsEachDocumentsTextUndoAndReadOnly() {
        EditControl edit;
        edit.loadBytes("first", TextEncoding::Utf8, "\n");
        edit.insertBytes(0, ">");
        edit.setReadOnlyFlag(true);
        DocHandle other = edit.createDocument("second\nline", TextEncoding::Latin1, "\n");
        DocHandle first = edit.exchangeDocument(other);
        QCOMPARE(edit.textBytes(), QByteArray("second\nline"));
        QVERIFY(!edit.isReadOnly());
        QVERIFY(!edit.canUndo());
        QCOMPARE(edit.encoding(), TextEncoding::Latin1);
        const QByteArray parked = edit.withDocumentText(
            first, [](const char* data, qsizetype len) { return QByteArray(data, len); });
        QCOMPARE(parked, QByteArray(">first"));
        edit.attachDocument(first);
        QCOMPARE(edit.textBytes(), QByteArray(">first"));
        QVERIFY(edit.isReadOnly());
        QVERIFY(edit.isModified());
        edit.setReadOnlyFlag(false);   // a read-only document offers no undo
        QVERIFY(edit.canUndo());
    }

    void creatingADocumentLeavesTheShownLinesAlone() {
        // Scintilla resets the line table of the view that creates a
        // document; the shown text must keep all its lines on screen.
        EditControl edit;
        edit.loadBytes("one\ntwo\nthree", TextEncoding::Utf8, "\n");
        const DocHandle parked = edit.createDocument("x", TextEncoding::Utf8, "\n");
        QCOMPARE(edit.SendScintilla(EditControl::SCI_VISIBLEFROMDOCLINE, 2ul), 2l);
        edit.releaseDocument(parked);
    }

    void selectionIsStartAndLength() {
        EditControl edit;
        edit.loadBytes("0123456789", TextEncoding::Utf8, "\n");
        edit.setSelection(2, 5);
        QCOMPARE(edit.selStart(), qsizetype(2));
        QCOMPARE(edit.selLength(), qsizetype(5));
        QCOMPARE(edit.selectedBytes(), QByteArray("23456"));
        edit.setSelection(8, 50);
        QCOMPARE(edit.selLength(), qsizetype(2));
    }

    // A hidden control brings the caret into view when it is shown; a first
    // line set after the selection still wins, as it does on a shown control.
    void aHiddenControlScrollsToTheCaretWhenShown_data() {
        QTest::addColumn<bool>("firstLineAfter");
        QTest::newRow("selection only") << false;
        QTest::newRow("first line set after it") << true;
    }

    void aHiddenControlScrollsToTheCaretWhenShown() {
        QFETCH(bool, firstLineAfter);
        EditControl edit;
        edit.resize(400, 300);
        QByteArray text;
        for (int i = 0; i < 3000; ++i)
            text += "line " + QByteArray::number(i) + "\n";
        edit.loadBytes(text, TextEncoding::Utf8, "\n");
        const qsizetype caret = text.indexOf("line 2500");
        edit.setSelection(caret, 4);
        if (firstLineAfter)
            edit.setFirstVisibleLine(7);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QCOMPARE(edit.selStart(), caret);
        QCOMPARE(edit.selectedBytes(), QByteArray("line"));
        const int first = edit.firstVisibleLine();
        if (firstLineAfter) {
            QCOMPARE(first, 7);
        } else {
            const auto shown = static_cast<int>(edit.SendScintilla(EditControl::SCI_LINESONSCREEN));
            QVERIFY2(first <= 2500 && 2500 < first + shown, qPrintable(QString::number(first)));
        }
    }

    // A selection set on a hidden control ends a rectangular one left from
    // before, as it does on a shown control.
    void aHiddenControlsSelectionIsPlainText_data() {
        QTest::addColumn<bool>("rectangular");
        QTest::newRow("after a plain selection") << false;
        QTest::newRow("after a rectangular selection") << true;
    }

    void aHiddenControlsSelectionIsPlainText() {
        QFETCH(bool, rectangular);
        EditControl edit;
        edit.loadBytes("abcdef\nghijkl\nmnopqr", TextEncoding::Utf8, "\n");
        if (rectangular) {
            edit.SendScintilla(EditControl::SCI_SETRECTANGULARSELECTIONANCHOR, 1ul);
            edit.SendScintilla(EditControl::SCI_SETRECTANGULARSELECTIONCARET, 17ul);
            QCOMPARE(edit.SendScintilla(EditControl::SCI_GETSELECTIONMODE), long(EditControl::SC_SEL_RECTANGLE));
        }
        edit.setSelection(4, 6);
        QCOMPARE(edit.SendScintilla(EditControl::SCI_GETSELECTIONMODE), long(EditControl::SC_SEL_STREAM));
        QCOMPARE(edit.SendScintilla(EditControl::SCI_GETSELECTIONS), 1l);
        QCOMPARE(edit.selectedBytes(), QByteArray("ef\nghi"));
        QCOMPARE(edit.caretPosition(), qsizetype(10));
    }
};

QTEST_MAIN(EditControlTest)
#include "test_EditControl.moc"
