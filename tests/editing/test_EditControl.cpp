// The edit control's documents: loading, exchanging, parked text and flags.
#include <QTemporaryDir>
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

    // A file read straight into a document holds what reading it whole gives,
    // also when it is big enough to take many chunks.
    void loadDocumentMatchesTheWholeFile_data() {
        QTest::addColumn<QByteArray>("file");
        QByteArray big;
        while (big.size() < 3 * 1024 * 1024)
            big += "caf\xC3\xA9 \xF0\x9F\x90\xA2 line\r\n";
        QTest::newRow("UTF-8, BOM, CR LF, many chunks") << "\xEF\xBB\xBF" + big;
        QTest::newRow("Latin-1 behind BOM bytes") << QByteArray("\xEF\xBB\xBFcaf\xE9\n");
        QTest::newRow("NUL bytes, no final break") << QByteArray("a\0b\rc", 5);
        QTest::newRow("empty") << QByteArray();
    }
    void loadDocumentMatchesTheWholeFile() {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.txt"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(file), file.size());
        out.close();
        const LoadResult whole = readTextFile(path);
        QVERIFY(whole.ok());

        EditControl edit;
        const DocumentLoad load = edit.loadDocument(path);
        QVERIFY2(load.ok(), qPrintable(load.error));
        QCOMPARE(load.format.encoding, whole.text.format.encoding);
        QCOMPARE(load.format.bom, whole.text.format.bom);
        QCOMPARE(load.format.lineBreak, whole.text.format.lineBreak);
        edit.attachDocument(load.doc);
        QVERIFY(edit.textBytes() == whole.text.bytes);
        QCOMPARE(edit.encoding(), whole.text.format.encoding);
        QCOMPARE(edit.lineBreak(), whole.text.format.lineBreak);
        QVERIFY(!edit.isModified());
        QVERIFY(!edit.canUndo());

        const DocumentLoad missing = edit.loadDocument(dir.filePath(QStringLiteral("none")));
        QVERIFY(!missing.ok());
        QCOMPARE(missing.doc, DocHandle(0));
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
