// A file read straight into a document holds what reading it whole gives,
// also when it is big enough to take many chunks, and a file that cannot be
// read leaves no document behind.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "editing/DocumentLoader.h"
#include "editing/EditControl.h"

using namespace tw;

class DocumentLoaderTest : public QObject {
    Q_OBJECT
private slots:
    void matchesTheWholeFile_data() {
        QTest::addColumn<QByteArray>("file");
        QByteArray big;
        while (big.size() < 3 * 1024 * 1024)
            big += "caf\xC3\xA9 \xF0\x9F\x90\xA2 line\r\n";
        QTest::newRow("UTF-8, BOM, CR LF, many chunks") << "\xEF\xBB\xBF" + big;
        QTest::newRow("Latin-1 behind BOM bytes") << QByteArray("\xEF\xBB\xBF" "caf\xE9\n");
        QTest::newRow("NUL bytes, no final break") << QByteArray("a\0b\rc", 5);
        QTest::newRow("empty") << QByteArray();
    }

    void matchesTheWholeFile() {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.txt"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(file), file.size());
        out.close();
        const LoadResult whole = readTextFile(path);
        QVERIFY(whole.ok());

        const DocumentLoad load = loadDocument(path);
        QVERIFY2(load.ok(), qPrintable(load.error));
        QCOMPARE(load.format.encoding, whole.text.format.encoding);
        QCOMPARE(load.format.bom, whole.text.format.bom);
        QCOMPARE(load.format.lineBreak, whole.text.format.lineBreak);
        EditControl edit;
        edit.attachDocument(load.doc);
        QVERIFY(edit.textBytes() == whole.text.bytes);
        QCOMPARE(edit.encoding(), whole.text.format.encoding);
        QCOMPARE(edit.lineBreak(), whole.text.format.lineBreak);
        QVERIFY(!edit.isModified());
        QVERIFY(!edit.canUndo());
        edit.insertBytes(0, "x");   // the document takes typing as any other
        QVERIFY(edit.isModified());
        edit.undo();
        QVERIFY(!edit.isModified());
    }

    void unreadableFileGivesNoDocument() {
        QTemporaryDir dir;
        const DocumentLoad missing = loadDocument(dir.filePath(QStringLiteral("none")));
        QVERIFY(!missing.ok());
        QCOMPARE(missing.doc, DocHandle(0));
        QVERIFY(!loadDocument(dir.path()).ok());
    }
};

QTEST_MAIN(DocumentLoaderTest)
#include "test_DocumentLoader.moc"
