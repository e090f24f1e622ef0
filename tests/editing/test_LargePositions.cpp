// Positions, lengths and line numbers past 2^31, checked without a text that
// big: the settings file's selections, typed line numbers, which documents are
// made for large text, and a save of a text that Scintilla holds split at its
// gap. (A real 2.2 GB round trip: tests/app/test_huge_file.cpp.)
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

#include "editing/DocumentBuffer.h"
#include "editing/EditControl.h"
#include "platform/TextFile.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsCursor.h"
#include "util/TextHelpers.h"

using namespace tw;

namespace {

constexpr qint64 k2G = qint64(1) << 31;
constexpr qint64 kMax64 = std::numeric_limits<qint64>::max();

QByteArray fileOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class LargePositionsTest : public QObject {
    Q_OBJECT

private slots:
    void storedSelectionsKeepTheirPlacePastTwoGigabytes() {
        StoredSettings s = firstRunSettings();
        s.startupMode = 0;
        s.documents = {StoredDocument{"/big", 0, k2G - 1, 1}, StoredDocument{"/big2", 1, k2G, k2G + 7},
                       StoredDocument{"/huge", 0, 3'000'000'000LL, 5'000'000'000LL},
                       StoredDocument{"/most", 0, kMax64, 0}};
        const QByteArray written = writeSettings(s);
        QVERIFY(written.contains("\r\n/huge\r\n0\r\n3000000000\r\n5000000000\r\n"));
        const StoredSettings back = readSettings(written);
        QCOMPARE(back.documents, s.documents);
        QCOMPARE(writeSettings(back), written);
    }

    void positionsReadAsNumbersAreRead() {
        const struct {
            const char* run;
            qint64 position;
            int number;   // the same run read as an ordinary number
        } cases[] = {
            {"2147483647", k2G - 1, std::numeric_limits<int>::max()},
            {"2147483648", k2G, 0},
            {"-2147483648", -k2G, std::numeric_limits<int>::min()},
            {"+4294967296", qint64(1) << 32, 0},
            {"9223372036854775807", kMax64, 0},
            {"9223372036854775808", 0, 0},   // past 64 bits: malformed
            {"-9223372036854775808", std::numeric_limits<qint64>::min(), 0},
            {"99999999999999999999999", 0, 0},
            {"3e9", 0, 0},
            {"", 0, 0},
        };
        for (const auto& c : cases) {
            const qsizetype n = qsizetype(qstrlen(c.run));
            QCOMPARE(SettingsCursor::parsePosition(c.run, n), c.position);
            QCOMPARE(SettingsCursor::parseNumber(c.run, n), c.number);
        }
    }

    void typedLineNumbersPastTwoGigabytes() {
        QCOMPARE(DigitsToPosition(QStringLiteral("3000000000")), 3'000'000'000LL);
        QCOMPARE(DigitsToPosition(QStringLiteral("99999999999999999999999")), kMax64);
        QCOMPARE(DigitsToPosition(QStringLiteral("12a")), qint64(0));
        QCOMPARE(DigitsToNumber(QStringLiteral("3000000000")), std::numeric_limits<int>::max());
    }

    void onlyBigTextsGetLargeDocuments() {
        const long large = QsciScintillaBase::SC_DOCUMENTOPTION_TEXT_LARGE;
        QCOMPARE(documentOptionsFor(0) & large, 0l);
        QCOMPARE(documentOptionsFor(kLargeTextFrom - 1) & large, 0l);
        QCOMPARE(documentOptionsFor(kLargeTextFrom) & large, large);
        QCOMPARE(documentOptionsFor(5 * k2G) & large, large);
        for (const qsizetype size : {qsizetype(0), kLargeTextFrom, 5 * k2G})
            QVERIFY(documentOptionsFor(size) & QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE);

        // A small document refuses to grow past 2 GB; what it may take is
        // measured from its present length.
        EditControl edit;
        edit.loadBytes("abc", TextEncoding::Utf8, "\n");
        QVERIFY(edit.canGrowBy(kSmallTextLimit - 3));
        QVERIFY(!edit.canGrowBy(kSmallTextLimit - 2));
        QVERIFY(!edit.canGrowBy(5 * k2G));
    }

    void aTextSplitAtItsGapIsSavedWhole() {
        // The gap at every place of the text: the two pieces are the text,
        // and the file holds it with its mark and final break.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("split.txt"));
        const QByteArray text = "first line\nsecond \xC3\xA9 line";
        TextFormat format;
        format.bom = true;
        format.lineBreak = "\r\n";
        for (qsizetype gap = 0; gap <= text.size(); ++gap) {
            EditControl edit;
            edit.loadBytes(text, TextEncoding::Utf8, "\r\n");
            edit.SendScintilla(EditControl::SCI_SETUNDOCOLLECTION, 0ul);
            edit.insertBytes(gap, "#");
            edit.SendScintilla(EditControl::SCI_DELETERANGE, static_cast<unsigned long>(gap), 1l);
            const TextPieces pieces = edit.textPieces(edit.shownDocument());
            QCOMPARE(pieces.first.length, gap);
            QCOMPARE(pieces.length(), text.size());
            QVERIFY(writeTextFile(path, pieces, format).isEmpty());
            QCOMPARE(fileOf(path), "\xEF\xBB\xBF" + text + "\r\n");
            // A parked document gives its pieces the same way.
            const DocHandle parked = edit.detachDocument();
            QCOMPARE(edit.textPieces(parked).first.length, gap);
            QVERIFY(writeTextFile(path, edit.textPieces(parked), format).isEmpty());
            QCOMPARE(fileOf(path), "\xEF\xBB\xBF" + text + "\r\n");
            edit.releaseDocument(parked);
        }
    }
};

QTEST_MAIN(LargePositionsTest)
#include "test_LargePositions.moc"
