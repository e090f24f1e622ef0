// How the settings reader splits lines and takes numbers and texts, which
// decides how hand-edited and damaged files behave.
#include <QtTest>

#include <climits>

#include "SettingsTestFiles.h"
#include "settings/SettingsCodec.h"

using namespace tw;
using namespace tw::test;

namespace {

// Items 1 to 4 and a count of one executable record: `tail` starts with the
// record's two texts, then its three numbers.
QByteArray execRecordFile(const QByteArray& tail) { return "0\r\n0\r\n0\r\n0\r\n1\r\n" + tail; }

} // namespace

class TestSettingsReadingRules : public QObject {
    Q_OBJECT
private slots:
    void lineEnds();
    void ctrlZEndsTheFile();
    void numbersSkipBlanksAndControlCharacters();
    void numbersIgnoreTheRestOfTheirLine();
    void numberValues_data();
    void numberValues();
    void pastTheEnd();
};

void TestSettingsReadingRules::lineEnds() {
    // CR alone ends a line, for numbers and texts alike.
    QCOMPARE(readSettings("5\r7\r").customText, 7);
    StoredSettings s = readSettings(execRecordFile("c;h\rout\r1\r"));
    QCOMPARE(s.execRecords[0].sourceExtensions, QByteArray("c;h"));
    QCOMPARE(s.execRecords[0].executableExtension, QByteArray("out"));
    QCOMPARE(s.execRecords[0].promptForParameters, 1);

    // Only one LF right after a CR belongs to the line end; a second one
    // starts the next text.
    s = readSettings(execRecordFile("a\r\n\nb\r\n"));
    QCOMPARE(s.execRecords[0].executableExtension, QByteArray("\nb"));

    // An LF that follows no CR is part of the text.
    s = readSettings(execRecordFile("a\nb\r\nc\r\n"));
    QCOMPARE(s.execRecords[0].sourceExtensions, QByteArray("a\nb"));
    QCOMPARE(s.execRecords[0].executableExtension, QByteArray("c"));

    // CR CR LF: an empty line between.
    s = readSettings(execRecordFile("a\r\r\nb\r\n"));
    QCOMPARE(s.execRecords[0].executableExtension, QByteArray());
    QCOMPARE(s.execRecords[0].promptForParameters, 0); // "b"

    // A number followed by a lone LF: the rest of the line up to CR is skipped.
    QCOMPARE(readSettings("12\n34\r\n56\r\n").customText, 56);

    // A file without any CR has its lines end at LF, texts included.
    const QByteArray crlf = realisticFile();
    QVERIFY(readSettings(QByteArray(crlf).replace("\r\n", "\n")) == readSettings(crlf));
    s = readSettings(execRecordFile("a\r\n").replace('\r', "") + "b\n1\n");
    QCOMPARE(s.execRecords[0].sourceExtensions, QByteArray("a"));
    QCOMPARE(s.execRecords[0].executableExtension, QByteArray("b"));
    QCOMPARE(s.execRecords[0].promptForParameters, 1);
}

void TestSettingsReadingRules::ctrlZEndsTheFile() {
    StoredSettings s = readSettings("5\r\n7\x1a\r\n9\r\n");
    QCOMPARE(s.customBackground, 5);
    QCOMPARE(s.customText, 7);
    QCOMPARE(s.colourScheme, 0);

    s = readSettings(execRecordFile("ab\x1a" "cd\r\nout\r\n"));
    QCOMPARE(s.execRecords[0].sourceExtensions, QByteArray("ab"));
    QCOMPARE(s.execRecords[0].executableExtension, QByteArray());

    QCOMPARE(readSettings("\x1a" + realisticFile()), StoredSettings());
    const QByteArray file = realisticFile();
    QCOMPARE(readSettings(file + "\x1a" "garbage\r\n9\r\n"), readSettings(file));
}

void TestSettingsReadingRules::numbersSkipBlanksAndControlCharacters() {
    // Blank and empty lines before a number are skipped, so the number comes
    // from the next line that holds one.
    const StoredSettings s = readSettings(" \t\x01\x1f\r\n\r\n  42\r\n\n\n-3\r\n\x7f\r\n");
    QCOMPARE(s.customBackground, 42);
    QCOMPARE(s.customText, -3);
    QCOMPARE(s.colourScheme, 0); // DEL (127) is above 32: a malformed number
}

void TestSettingsReadingRules::numbersIgnoreTheRestOfTheirLine() {
    StoredSettings s = readSettings("42 junk 99\r\n7\tx\r\n-5 \r\n");
    QCOMPARE(s.customBackground, 42);
    QCOMPARE(s.customText, 7);
    QCOMPARE(s.colourScheme, -5);
    // The rest of a count's line does not count as an entry.
    s = readSettings(execRecordFile("").chopped(3) + "1 extra text\r\nc\r\nout\r\n");
    QCOMPARE(s.execRecords.size(), 1);
    QCOMPARE(s.execRecords[0].sourceExtensions, QByteArray("c"));
}

void TestSettingsReadingRules::numberValues_data() {
    QTest::addColumn<QByteArray>("run");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("600000") << 600000;
    QTest::newRow("negative") << QByteArray("-1") << -1;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("int max") << QByteArray("2147483647") << INT_MAX;
    QTest::newRow("int min") << QByteArray("-2147483648") << INT_MIN;
    QTest::newRow("above int") << QByteArray("2147483648") << 0;
    QTest::newRow("below int") << QByteArray("-2147483649") << 0;
    QTest::newRow("very long") << QByteArray(5000, '9') << 0;
    QTest::newRow("letters") << QByteArray("abc") << 0;
    QTest::newRow("digits then letters") << QByteArray("12abc") << 0;
    QTest::newRow("hex") << QByteArray("0x10") << 0;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("two signs") << QByteArray("--1") << 0;
    QTest::newRow("high byte") << QByteArray("1\xe9") << 0;
    QTest::newRow("decimal point") << QByteArray("1.5") << 0;
}

void TestSettingsReadingRules::numberValues() {
    QFETCH(QByteArray, run);
    QFETCH(int, value);
    const StoredSettings s = readSettings(run + "\r\n3\r\n");
    QCOMPARE(s.customBackground, value);
    QCOMPARE(s.customText, 3); // a bad number still ends at its line
}

void TestSettingsReadingRules::pastTheEnd() {
    QCOMPARE(readSettings(QByteArray()), StoredSettings());
    // A last line without its line end is still read.
    StoredSettings s = readSettings("5");
    QCOMPARE(s.customBackground, 5);
    s = readSettings(linesUpToStartupMode(1) + "Mono");
    QCOMPARE(s.fontName, QByteArray("Mono"));
    QCOMPARE(s.fontSize, 0);
    QCOMPARE(s.clipboardMode, 0);
    QCOMPARE(s.fileFilter, QByteArray());
    // Read as 0, the window state takes its geometry lines, which read 0 too.
    QCOMPARE(s.windowState, 0);
    QCOMPARE(s.windowHeight, 0);
}

QTEST_GUILESS_MAIN(TestSettingsReadingRules)
#include "test_settings_reading_rules.moc"
