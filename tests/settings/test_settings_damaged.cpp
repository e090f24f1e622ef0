// The settings reader on damaged and hand-edited files: oversized and
// negative counts, truncation and garbage must neither overrun a table nor
// lose the reader's place, and whatever it reads writes back stably.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <functional>

#include "SettingsTestFiles.h"
#include "settings/SettingsCodec.h"

using namespace tw;
using namespace tw::test;

namespace {

QList<QByteArray> numberedTexts(const QByteArray& stem, int count) {
    QList<QByteArray> texts;
    for (int i = 0; i < count; ++i)
        texts.append(stem + QByteArray::number(i));
    return texts;
}

} // namespace

class TestSettingsDamaged : public QObject {
    Q_OBJECT
private slots:
    void oversizedListsKeepWhatTheTablesHold();
    void hugeCountsStopAtTheEndOfTheFile();
    void negativeCountsAreEmpty();
    void truncatedFiles();
    void garbageBytes();
};

void TestSettingsDamaged::oversizedListsKeepWhatTheTablesHold() {
    // Each case overfills one list; the writer writes what it is given, so
    // the file holds the oversized count, and the reader must keep the
    // table's share and find every later item at its place.
    struct Case {
        const char* name;
        std::function<void(StoredSettings&)> overfill;
        std::function<void(StoredSettings& read, const StoredSettings& full)> expectKept;
    };
    const QList<Case> cases = {
        {"14 executable records",
         [](StoredSettings& s) {
             for (int i = 0; i < 14; ++i)
                 s.execRecords.append({"e" + QByteArray::number(i), "x", 1, 0, 2});
         },
         [](StoredSettings& r, const StoredSettings& f) {
             QCOMPARE(r.execRecords, f.execRecords.first(12));
             r.execRecords = f.execRecords;
         }},
        {"1000 groups",
         [](StoredSettings& s) {
             for (int i = 0; i < 1000; ++i)
                 s.groups.append({"g" + QByteArray::number(i), numberedTexts("/f", i % 4), i % 4 - 1});
         },
         [](StoredSettings& r, const StoredSettings& f) {
             QCOMPARE(r.groups, f.groups.first(28));
             r.groups = f.groups;
         }},
        {"300 files in a group",
         [](StoredSettings& s) { s.groups = {{"g", numberedTexts("/f", 300), 299}}; },
         [](StoredSettings& r, const StoredSettings& f) {
             QCOMPARE(r.groups[0].files, f.groups[0].files.first(255));
             QCOMPARE(r.groups[0].mainFile, 299);
             r.groups = f.groups;
         }},
        {"300 documents",
         [](StoredSettings& s) {
             s.startupMode = 0;
             for (int i = 0; i < 300; ++i)
                 s.documents.append({"/d" + QByteArray::number(i), i % 2, i, 1});
             s.shownTab = 280;
         },
         [](StoredSettings& r, const StoredSettings& f) {
             QCOMPARE(r.documents, f.documents.first(255));
             QCOMPARE(r.shownTab, 280);
             r.documents = f.documents;
         }},
        {"300 Run records",
         [](StoredSettings& s) {
             for (int i = 0; i < 300; ++i)
                 s.runRecords.append({"p", "", 0, "r" + QByteArray::number(i), i, numberedTexts("b", i % 3)});
         },
         [](StoredSettings& r, const StoredSettings& f) {
             QCOMPARE(r.runRecords, f.runRecords.first(255));
             r.runRecords = f.runRecords;
         }},
        {"300 recent files and favorites",
         [](StoredSettings& s) {
             s.recentFiles = numberedTexts("/r", 300);
             s.favorites = numberedTexts("/v", 300);
         },
         [](StoredSettings& r, const StoredSettings& f) {
             QCOMPARE(r.recentFiles, f.recentFiles.first(255));
             QCOMPARE(r.favorites, f.favorites.first(255));
             r.recentFiles = f.recentFiles;
             r.favorites = f.favorites;
         }},
    };
    for (const Case& c : cases) {
        StoredSettings full = readSettings(realisticFile());
        c.overfill(full);
        StoredSettings read = readSettings(writeSettings(full));
        c.expectKept(read, full);
        if (QTest::currentTestFailed() || read != full)
            QFAIL(c.name);
    }
}

void TestSettingsDamaged::hugeCountsStopAtTheEndOfTheFile() {
    QElapsedTimer timer;
    timer.start();
    // Every count of the realistic file made 2,000,000,000 in turn: the
    // lists of items 5, 13, the first group's files, the second's, 15, 32,
    // the Run records' batch lines, 36 and 38.
    const QList<QByteArray> lines = realisticLines();
    for (int countLine : {4, 22, 24, 30, 34, 68, 74, 80, 87, 92}) {
        QList<QByteArray> damaged = lines;
        damaged[countLine] = "2000000000";
        const StoredSettings s = readSettings(crlfLines(damaged));
        QVERIFY(s.execRecords.size() <= kMaxStoredExecRecords);
        QVERIFY(s.groups.size() <= kMaxStoredGroups);
        QVERIFY(s.runRecords.size() <= kMaxStoredRunRecords);
        verifyRoundTripStable(crlfLines(damaged));
    }
    // Nested: a huge number of groups, each claiming a huge number of files.
    QByteArray nested = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2000000000\r\n";
    for (int i = 0; i < 2000; ++i)
        nested += "g\r\n2000000000\r\n";
    const StoredSettings s = readSettings(nested);
    QCOMPARE(s.groups.size(), 1);
    QCOMPARE(s.groups[0].files.size(), kMaxStoredGroupFiles);
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));

    // A count in a file that ends right after it gives an empty list.
    const StoredSettings recentOnly = readSettings(crlfLines(lines.first(87)) + "2000000000\r\n");
    QVERIFY(recentOnly.recentFiles.isEmpty());
    QCOMPARE(recentOnly.hintHidePause, 2500);
}

void TestSettingsDamaged::negativeCountsAreEmpty() {
    StoredSettings s = readSettings("0\r\n0\r\n0\r\n0\r\n-5\r\n77\r\n");
    QVERIFY(s.execRecords.isEmpty());
    QCOMPARE(s.executeCurrentFileShortcut, 77);

    // A negative document count takes no tab index: item 16 follows.
    s = readSettings(linesUpToStartupMode(0) + "-3\r\nMono\r\n");
    QVERIFY(s.documents.isEmpty());
    QCOMPARE(s.fontName, QByteArray("Mono"));

    QList<QByteArray> lines = realisticLines();
    lines[24] = "-1"; // the first group's file count
    s = readSettings(crlfLines(lines));
    QVERIFY(s.groups[0].files.isEmpty());
    QCOMPARE(s.groups[0].mainFile, 0); // "/home/ann/src/tw/main.c" is no number
}

void TestSettingsDamaged::truncatedFiles() {
    const QByteArray file = realisticFile();
    for (qsizetype length = 0; length <= file.size(); ++length) {
        verifyRoundTripStable(file.left(length));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("cut at %1").arg(length)));
    }
    // Cut after two recent files: the list keeps them and the rest reads 0.
    const QList<QByteArray> lines = realisticLines();
    const int recentCount = static_cast<int>(lines.indexOf("&1 /home/ann/a.txt")) - 1;
    const StoredSettings s = readSettings(crlfLines(lines.first(recentCount + 3)));
    QCOMPARE(s.recentFiles, (QList<QByteArray>{"&1 /home/ann/a.txt", "&2 /home/ann/b.txt"}));
    QCOMPARE(s.maxRecentFiles, 0);
    QCOMPARE(s.hintHidePause, 2500);
}

void TestSettingsDamaged::garbageBytes() {
    // Random files over an alphabet rich in the bytes the reader reacts to.
    const QByteArray alphabet("0123456789-+ \t\r\r\r\n\n\x1a" "ab\xe9\x01\xff", 24);
    QRandomGenerator random(1234);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes(random.bounded(1, 600), '\0');
        for (char& c : bytes)
            c = alphabet[random.bounded(alphabet.size())];
        verifyRoundTripStable(bytes);
        if (QTest::currentTestFailed())
            QFAIL(bytes.toHex().constData());
    }
    QByteArray everyByte;
    for (int b = 255; b >= 0; --b)
        everyByte += char(b);
    verifyRoundTripStable(everyByte);
}

QTEST_GUILESS_MAIN(TestSettingsDamaged)
#include "test_settings_damaged.moc"
