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
};

QTEST_MAIN(EditControlTest)
#include "test_EditControl.moc"
