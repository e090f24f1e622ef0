// Chunked reading: wherever the chunk boundaries fall (inside a UTF-8
// sequence, between CR and LF, inside the byte-order mark), the text and the
// format are those of the whole file read at once.
#include "RawFiles.h"
#include "platform/TextFileReader.h"
#include "platform/Utf8Validation.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tw;
using namespace tw::test;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// Collects what the reader hands over, checking the order of the calls.
struct RecordingSink : TextSink {
    QByteArray text;
    int expects = 0;
    int prepends = 0;
    void expect(qsizetype) override { ++expects; }
    void append(const char* data, qsizetype length) override {
        QVERIFY(length > 0);
        QCOMPARE(prepends, 0);
        text.append(data, length);
    }
    void prepend(const char* data, qsizetype length) override {
        ++prepends;
        text.prepend(data, length);
    }
};

// The whole file at once: what every chunking must give.
struct Expected {
    QByteArray text;
    TextFormat format;
};

Expected wholeFile(QByteArray bytes) {
    Expected e;
    e.format.encoding = isValidUtf8(bytes.constData(), bytes.size()) ? TextFormat::Encoding::Utf8
                                                                     : TextFormat::Encoding::Latin1;
    e.format.bom = e.format.encoding == TextFormat::Encoding::Utf8 && bytes.startsWith(kBom);
    if (e.format.bom)
        bytes.remove(0, 3);
    for (const QByteArray lineBreak : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        if (bytes.endsWith(lineBreak)) {
            bytes.chop(lineBreak.size());
            e.format.lineBreak = lineBreak;
            e.text = bytes;
            return e;
        }
    }
    const qsizetype cr = bytes.indexOf('\r');
    const qsizetype lf = bytes.indexOf('\n');
    if (cr >= 0 && (lf < 0 || cr < lf))
        e.format.lineBreak = cr + 1 == lf ? QByteArray("\r\n") : QByteArray("\r");
    else
        e.format.lineBreak = "\n";
    e.text = bytes;
    return e;
}

} // namespace

class TestTextFileReader : public QObject {
    Q_OBJECT

private slots:
    void givesTheWholeFileWhateverTheChunks_data();
    void givesTheWholeFileWhateverTheChunks();
    void reportsErrors();

private:
    QTemporaryDir dir_;
};

void TestTextFileReader::givesTheWholeFileWhateverTheChunks_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray pad(13, 'x');
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray("a");
    QTest::newRow("lone CR") << QByteArray("\r");
    QTest::newRow("BOM only") << kBom;
    QTest::newRow("BOM, break") << kBom + "\r\n";
    QTest::newRow("BOM then text") << kBom + "caf\xC3\xA9\n";
    QTest::newRow("BOM-like start, Latin-1") << kBom + "caf\xE9\r\n";
    QTest::newRow("half a BOM") << QByteArray("\xEF\xBB") + "x";
    QTest::newRow("CR LF pairs") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("CR before CR LF") << QByteArray("x\r\r\n");
    QTest::newRow("first break CR LF, no final") << pad + "\r\n" + pad + "\nend";
    QTest::newRow("first break CR, no final") << pad + "\r" + pad + "\r\nend";
    QTest::newRow("no break at all") << pad + pad;
    QTest::newRow("2-, 3-, 4-byte sequences") << QByteArray("\xC5\xBC\xE2\x82\xAC\xF0\x9F\x90\xA2\xC3\xA9\n");
    QTest::newRow("sequences back to back") << QByteArray("\xF0\x9F\x90\xA2\xF0\x9F\x90\xA2\xF0\x9F\x90\xA2");
    QTest::newRow("sequence at the very end") << pad + "\xE2\x82\xAC";
    QTest::newRow("truncated sequence at the end") << pad + "\xE2\x82";
    QTest::newRow("truncated sequence before a break") << pad + "\xF0\x9F\x90\r\n";
    QTest::newRow("stray continuations") << pad + "\x80\x80\x80\x80\x80" + pad;
    QTest::newRow("overlong across chunks") << pad + "\xE0\x9F\xBF" + pad;
    QTest::newRow("NUL bytes") << QByteArray("a\0\r\n\0b\r\n", 8);
}

void TestTextFileReader::givesTheWholeFileWhateverTheChunks()
{
    QFETCH(QByteArray, file);
    const QString path = dir_.filePath(QStringLiteral("chunked.txt"));
    writeRaw(path, file);
    const Expected expected = wholeFile(file);
    for (const qsizetype chunk : {1, 2, 3, 4, 5, 6, 7, 11, 4096}) {
        RecordingSink sink;
        const TextReadResult read = readTextFileInto(path, sink, chunk);
        const QByteArray where = "chunks of " + QByteArray::number(chunk);
        QVERIFY2(read.ok(), where.constData());
        QCOMPARE(sink.expects, 1);
        QVERIFY2(sink.text == expected.text, where.constData());
        QVERIFY2(read.format.encoding == expected.format.encoding, where.constData());
        QVERIFY2(read.format.bom == expected.format.bom, where.constData());
        QVERIFY2(read.format.lineBreak == expected.format.lineBreak, where.constData());
    }
}

void TestTextFileReader::reportsErrors()
{
    RecordingSink sink;
    QVERIFY(!readTextFileInto(dir_.filePath(QStringLiteral("missing")), sink).ok());
    QVERIFY(!readTextFileInto(dir_.path(), sink).ok());
    QVERIFY(!readTextFileInto(QStringLiteral("/dev/zero"), sink).ok());
    QVERIFY(sink.text.isEmpty());
}

QTEST_GUILESS_MAIN(TestTextFileReader)
#include "test_TextFileReader.moc"
