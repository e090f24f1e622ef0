// A file read a slice at a time between turns of the event loop gives the very
// document that reading it at once gives, wherever the chunk boundaries fall;
// a read that fails part-way ends with the system's error, and the document
// that was filling is not handed out.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

#include "editing/DocumentLoadJob.h"
#include "editing/EditControl.h"

using namespace tw;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

// Runs a job through the event loop, as the window does.
void runSliced(DocumentLoadJob& job) {
    QSignalSpy done(&job, &DocumentLoadJob::finished);
    job.start(0);   // a slice a chunk: as many turns as possible
    QVERIFY(done.wait(10000));
}

} // namespace

class DocumentLoadJobTest : public QObject {
    Q_OBJECT
private slots:
    void slicedGivesWhatReadingAtOnceGives_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray pad(13, 'x');
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("BOM, text, CR LF") << kBom + "caf\xC3\xA9\r\nz\r\n";
        QTest::newRow("BOM-like start, Latin-1") << kBom + "caf\xE9\r\n";
        QTest::newRow("CR before CR LF") << QByteArray("x\r\r\n");
        QTest::newRow("first break CR, no final") << pad + "\r" + pad + "\r\nend";
        QTest::newRow("sequences back to back") << QByteArray("\xF0\x9F\x90\xA2\xF0\x9F\x90\xA2\xE2\x82\xAC");
        QTest::newRow("truncated sequence before a break") << pad + "\xF0\x9F\x90\r\n";
        QTest::newRow("NUL bytes") << QByteArray("a\0\r\n\0b\r\n", 8);
        QByteArray many;
        while (many.size() < 200 * 1024)
            many += "caf\xC3\xA9 \xF0\x9F\x90\xA2 line\r\n";
        QTest::newRow("many chunks") << kBom + many;
    }

    void slicedGivesWhatReadingAtOnceGives() {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = writeFile(dir, file);
        const DocumentLoad whole = loadDocument(path);
        QVERIFY(whole.ok());
        EditControl expected;
        expected.attachDocument(whole.doc);

        for (const qsizetype chunk : {1, 2, 3, 5, 4096}) {
            if (file.size() > 4096 && chunk < 4096)
                continue;   // the many-chunks file in small chunks would take long
            const QByteArray where = "chunks of " + QByteArray::number(chunk);
            DocumentLoadJob job(path, chunk);
            EditControl edit;
            // Shown from the start, as a big file is: it fills in the view.
            edit.attachDocument(job.takeDocument());
            runSliced(job);
            QVERIFY2(job.result().ok(), where.constData());
            QVERIFY2(edit.textBytes() == expected.textBytes(), where.constData());
            QVERIFY2(edit.encoding() == expected.encoding(), where.constData());
            QVERIFY2(edit.lineBreak() == expected.lineBreak(), where.constData());
            QVERIFY2(job.result().format.bom == whole.format.bom, where.constData());
            QVERIFY2(job.result().format.finalBreak == whole.format.finalBreak, where.constData());
            QVERIFY2(!edit.isModified() && !edit.canUndo(), where.constData());
            QCOMPARE(job.bytesRead(), file.size());
        }
    }

    void aReadThatFailsPartWayGivesItsErrorAndNoDocument() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, QByteArray(100000, 'a'));
        failTextReadsAfter(30000, EIO);
        const DocumentLoad atOnce = loadDocument(path);
        DocumentLoadJob job(path, 4096);
        runSliced(job);
        failTextReadsAfter(-1, 0);
        QCOMPARE(atOnce.error, qt_error_string(EIO));
        QCOMPARE(atOnce.doc, DocHandle(0));
        QCOMPARE(job.result().error, qt_error_string(EIO));
        QVERIFY(job.bytesRead() < 30000);
    }

    void aFileThatCannotBeOpenedEndsAtOnce() {
        QTemporaryDir dir;
        DocumentLoadJob job(dir.filePath(QStringLiteral("missing")));
        QVERIFY(job.isFinished());
        QVERIFY(!job.result().ok());
        runSliced(job);   // still tells its end to whoever waits for it
    }
};

QTEST_MAIN(DocumentLoadJobTest)
#include "test_DocumentLoadJob.moc"
