// Reading and writing text files: every file must come back byte for byte,
// and the document must see its text without the final line break.
#include "RawFiles.h"
#include "platform/TextFile.h"
#include "platform/Utf8Validation.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tw;
using namespace tw::test;
using Encoding = TextFormat::Encoding;

Q_DECLARE_METATYPE(TextFormat::Encoding)

namespace {
const QByteArray kBom("\xEF\xBB\xBF");
} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void readsAndWritesBack_data();
    void readsAndWritesBack();
    void validatesUtf8_data();
    void validatesUtf8();
    void newDocumentFormat();
    void readsOnlyWhatIsThere();
    void readsABigFileWhole();

private:
    QTemporaryDir dir_;
};

void TestTextFile::readsAndWritesBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<QByteArray>("written");   // what a save of the text writes

    const auto utf8 = Encoding::Utf8;
    const auto latin1 = Encoding::Latin1;
    const QByteArray same;   // written back unchanged
    QTest::newRow("LF") << QByteArray("a\nb\n") << QByteArray("a\nb") << QByteArray("\n") << utf8 << false << same;
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb") << QByteArray("\r\n") << utf8 << false << same;
    QTest::newRow("CR") << QByteArray("a\rb\r") << QByteArray("a\rb") << QByteArray("\r") << utf8 << false << same;
    QTest::newRow("mixed, last one wins") << QByteArray("a\nb\r\nc\rd\r\n") << QByteArray("a\nb\r\nc\rd")
                                          << QByteArray("\r\n") << utf8 << false << same;
    QTest::newRow("CR before CR LF") << QByteArray("x\r\r\n") << QByteArray("x\r") << QByteArray("\r\n") << utf8 << false << same;
    QTest::newRow("blank last line") << QByteArray("a\n\n") << QByteArray("a\n") << QByteArray("\n") << utf8 << false << same;
    QTest::newRow("UTF-8") << QByteArray("\xC5\xBC\xC3\xB3\xC5\x82w \xF0\x9F\x90\xA2\r\n")
                           << QByteArray("\xC5\xBC\xC3\xB3\xC5\x82w \xF0\x9F\x90\xA2") << QByteArray("\r\n")
                           << utf8 << false << same;
    QTest::newRow("UTF-8 with BOM") << kBom + "caf\xC3\xA9\n" << QByteArray("caf\xC3\xA9") << QByteArray("\n")
                                    << utf8 << true << same;
    QTest::newRow("Latin-1") << QByteArray("caf\xE9\r\n") << QByteArray("caf\xE9") << QByteArray("\r\n")
                             << latin1 << false << same;
    QTest::newRow("BOM bytes in a Latin-1 file are text")
        << kBom + "\xFF\n" << kBom + "\xFF" << QByteArray("\n") << latin1 << false << same;
    QTest::newRow("NUL bytes") << QByteArray("a\0b\0\n", 5) << QByteArray("a\0b\0", 4) << QByteArray("\n")
                               << utf8 << false << same;
    QTest::newRow("NUL and high bytes") << QByteArray("\0\xFF\0\x80\r", 5) << QByteArray("\0\xFF\0\x80", 4)
                                        << QByteArray("\r") << latin1 << false << same;
    QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray("\n") << utf8 << false << same;
    QTest::newRow("BOM only") << kBom << QByteArray() << QByteArray("\n") << utf8 << true << same;
    // Every file keeps its last byte and its length: the final break is
    // remembered, not added.
    QTest::newRow("lone LF") << QByteArray("\n") << QByteArray() << QByteArray("\n") << utf8 << false << same;
    QTest::newRow("lone CR LF") << QByteArray("\r\n") << QByteArray() << QByteArray("\r\n") << utf8 << false << same;
    QTest::newRow("no final break, none at all") << QByteArray("abc") << QByteArray("abc") << QByteArray("\n")
                                                 << utf8 << false << same;
    QTest::newRow("no final break, CR LF first") << QByteArray("a\r\nb\nc") << QByteArray("a\r\nb\nc")
                                                 << QByteArray("\r\n") << utf8 << false << same;
    QTest::newRow("no final break, CR first") << QByteArray("a\rb\nc") << QByteArray("a\rb\nc") << QByteArray("\r")
                                              << utf8 << false << same;
    QTest::newRow("no final break, LF first") << QByteArray("a\nb\r\nc") << QByteArray("a\nb\r\nc") << QByteArray("\n")
                                              << utf8 << false << same;
    const QByteArray utf16le("\xFF\xFEh\0i\0\r\0\n\0", 10);
    QTest::newRow("UTF-16 LE") << utf16le << utf16le << QByteArray("\r") << latin1 << false << same;
    const QByteArray utf16be("\xFE\xFF\0h\0i\0\n", 8);
    QTest::newRow("UTF-16 BE") << utf16be << utf16be.chopped(1) << QByteArray("\n") << latin1 << false << same;
}

void TestTextFile::readsAndWritesBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, lineBreak);
    QFETCH(Encoding, encoding);
    QFETCH(bool, bom);
    QFETCH(QByteArray, written);

    const QString path = dir_.filePath(QStringLiteral("doc.txt"));
    writeRaw(path, file);
    const LoadResult loaded = readTextFile(path);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(loaded.text.bytes, text);
    QCOMPARE(loaded.text.format.lineBreak, lineBreak);
    QCOMPARE(loaded.text.format.encoding, encoding);
    QCOMPARE(loaded.text.format.bom, bom);

    const QString error = writeTextFile(path, loaded.text.bytes.constData(), loaded.text.bytes.size(),
                                        loaded.text.format);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(readRaw(path), written.isNull() ? file : written);
}

void TestTextFile::validatesUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");

    const QByteArray pad15(15, 'a');
    const QByteArray pad31(31, 'a');
    QTest::newRow("ASCII") << QByteArray("plain text\n") << true;
    QTest::newRow("largest code points") << QByteArray("\xDF\xBF\xEF\xBF\xBF\xF4\x8F\xBF\xBF") << true;
    QTest::newRow("smallest multi-byte forms") << QByteArray("\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80") << true;
    QTest::newRow("around surrogates") << QByteArray("\xED\x9F\xBF\xEE\x80\x80") << true;
    QTest::newRow("sequence across the 16-byte step") << pad15 + "\xC3\xA9" + pad15 << true;
    QTest::newRow("overlong 2-byte NUL") << QByteArray("\xC0\x80") << false;
    QTest::newRow("overlong C1 lead") << QByteArray("\xC1\xBF") << false;
    QTest::newRow("overlong 3-byte") << QByteArray("\xE0\x9F\xBF") << false;
    QTest::newRow("overlong 4-byte") << QByteArray("\xF0\x8F\xBF\xBF") << false;
    QTest::newRow("high surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("low surrogate") << QByteArray("\xED\xBF\xBF") << false;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("F5 lead") << QByteArray("\xF5\x80\x80\x80") << false;
    QTest::newRow("FF byte") << pad31 + "\xFF" << false;
    QTest::newRow("stray continuation") << pad15 + "\x80" << false;
    QTest::newRow("missing continuation") << QByteArray("\xE2\x82" "A") << false;
    QTest::newRow("truncated at the end") << pad31 + "\xF0\x9F\x98" << false;
    QTest::newRow("lead at the very end") << pad15 + "\xC3" << false;
}

void TestTextFile::validatesUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(isValidUtf8(bytes.constData(), bytes.size()), valid);
}

void TestTextFile::newDocumentFormat()
{
    const TextFormat format;
    QCOMPARE(format.encoding, Encoding::Utf8);
    QCOMPARE(format.bom, false);
    QCOMPARE(format.lineBreak, QByteArray("\n"));

    const QString path = dir_.filePath(QStringLiteral("new.txt"));
    QVERIFY(writeTextFile(path, "one\ntwo", 7, format).isEmpty());
    QCOMPARE(readRaw(path), QByteArray("one\ntwo\n"));
    // A new document with nothing in it is an empty file.
    QVERIFY(writeTextFile(path, "", 0, format).isEmpty());
    QCOMPARE(readRaw(path), QByteArray());
}

void TestTextFile::readsOnlyWhatIsThere()
{
    const LoadResult missing = readTextFile(dir_.filePath(QStringLiteral("no such file")));
    QVERIFY(!missing.ok());
    QVERIFY(missing.text.bytes.isEmpty());

    QVERIFY(!readTextFile(dir_.path()).ok());
    QVERIFY(!readTextFile(QStringLiteral("/dev/zero")).ok());   // would never end

    // A file whose size is not known in advance is still read whole.
    const LoadResult status = readTextFile(QStringLiteral("/proc/self/status"));
    QVERIFY2(status.ok(), qPrintable(status.error));
    QVERIFY(status.text.bytes.startsWith("Name:"));
    QVERIFY(status.text.bytes.contains("\nUmask:"));

    QVERIFY(!writeTextFile(dir_.filePath(QStringLiteral("no such folder/a.txt")), "x", 1, {}).isEmpty());
    QVERIFY(!writeTextFile(dir_.path(), "x", 1, {}).isEmpty());
}

void TestTextFile::readsABigFileWhole()
{
    // Mostly ASCII source text with some multi-byte characters, as programmers'
    // files are, behind a byte-order mark. How fast this goes is measured by
    // the benchmarks, not here.
    QByteArray line("    result = compute(alpha, beta); // \xC3\xA9t\xC3\xA9 \xE2\x82\xAC\r\n");
    QByteArray content = kBom;
    while (content.size() < 8 * 1024 * 1024)
        content += line;
    const QString path = dir_.filePath(QStringLiteral("big.txt"));
    writeRaw(path, content);

    const LoadResult loaded = readTextFile(path);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.text.format.encoding, Encoding::Utf8);
    QVERIFY(loaded.text.format.bom);
    QCOMPARE(loaded.text.format.lineBreak, QByteArray("\r\n"));
    QCOMPARE(loaded.text.bytes.size(), content.size() - 3 - 2);
    QVERIFY(loaded.text.bytes == content.mid(3, content.size() - 5));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_TextFile.moc"
