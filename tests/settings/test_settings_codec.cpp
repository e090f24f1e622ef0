// The settings codec on well-formed files: every item at its place, the
// conditional items, and files that survive a read and a write byte for byte.
#include <QtTest>

#include "SettingsTestFiles.h"
#include "settings/SettingsCodec.h"

using namespace tw;
using namespace tw::test;

class TestSettingsCodec : public QObject {
    Q_OBJECT
private slots:
    void realisticFileSurvivesByteForByte();
    void realisticFileItemsAtTheirPlaces();
    void designedExampleOfStartupDocuments();
    void startupModesOtherThanZeroHoldNoDocuments();
    void tabIndexOnlyForMoreThanOneDocument();
    void geometryOnlyForNormalWindow();
    void firstRunValues();
    void writerKeepsLineStructureOfOddTexts();
    void flagHelpers();
};

void TestSettingsCodec::realisticFileSurvivesByteForByte() {
    const QByteArray file = realisticFile();
    QCOMPARE(writeSettings(readSettings(file)), file);
}

void TestSettingsCodec::realisticFileItemsAtTheirPlaces() {
    const StoredSettings s = readSettings(realisticFile());
    QCOMPARE(s.customBackground, 8421504);
    QCOMPARE(s.keystrokeMapping, 1);
    QCOMPARE(s.execRecords.size(), 2);
    QCOMPARE(s.execRecords[1].sourceExtensions, QByteArray("py"));
    QCOMPARE(s.execRecords[1].promptForParameters, 1);
    QCOMPARE(s.executeCurrentFileShortcut, 16504);
    QCOMPARE(s.openGroup, 1);
    QCOMPARE(s.groups.size(), 2);
    QCOMPARE(s.groups[0].files.size(), 3);
    QCOMPARE(s.groups[0].mainFile, 0);
    QCOMPARE(s.groups[1].files[0], QByteArray("/home/ann/notes/r\xe9sum\xe9.txt"));
    QCOMPARE(s.groups[1].mainFile, -1);
    QCOMPARE(s.documents.size(), 3);
    QCOMPARE(s.shownTab, 1);
    QCOMPARE(s.fontName, QByteArray("DejaVu Sans Mono"));
    QCOMPARE(s.fontBold, 1);
    QCOMPARE(s.autosaveInterval, 300000);
    QCOMPARE(s.windowTop, 40);
    QCOMPARE(s.windowWidth, 900);
    QCOMPARE(s.viewToolBar, 0);
    QCOMPARE(s.runRecords.size(), 2);
    QCOMPARE(s.runRecords[0].parameters, QByteArray("-Wall -c $f"));
    QCOMPARE(s.runRecords[1].parameters, QByteArray());
    QCOMPARE(s.runRecords[1].batchLines,
             (QList<QByteArray>{"cd $p", "  make %cmd%", "\techo done"}));
    QCOMPARE(s.recentFiles.last(), QByteArray("&3 /tmp/c d.txt"));
    QCOMPARE(s.maxRecentFiles, 28);
    QCOMPARE(s.favorites.size(), 2);
    QCOMPARE(s.defaultExtension, QByteArray("txt"));
    QCOMPARE(s.fileFilter, kFirstRunFilter.toLatin1());
    QCOMPARE(s.openDialogFolder, QByteArray("/home/ann/notes"));
    QCOMPARE(s.showPaths, 1);
    QCOMPARE(s.clipboardMode, 1);
}

void TestSettingsCodec::designedExampleOfStartupDocuments() {
    const QByteArray items14and15 = crlfLines({"0", "2", "C:\\src\\main.c", "0", "120", "0",
                                               "C:\\src\\main.h", "1", "37", "5", "1"});
    const QByteArray file = linesUpToStartupMode(0).chopped(3) + items14and15 + "Courier\r\n";
    const StoredSettings s = readSettings(file);
    QCOMPARE(s.documents.size(), 2);
    QCOMPARE(s.documents[0], (StoredDocument{"C:\\src\\main.c", 0, 120, 0}));
    QCOMPARE(s.documents[1], (StoredDocument{"C:\\src\\main.h", 1, 37, 5}));
    QCOMPARE(s.shownTab, 1);
    QCOMPARE(s.fontName, QByteArray("Courier"));
    QVERIFY(writeSettings(s).contains(items14and15 + "Courier\r\n"));
}

void TestSettingsCodec::startupModesOtherThanZeroHoldNoDocuments() {
    for (int mode : {1, 2, 7, -1}) {
        const StoredSettings s = readSettings(linesUpToStartupMode(mode) + "2\r\nX\r\n");
        QCOMPARE(s.startupMode, mode);
        QVERIFY(s.documents.isEmpty());
        QCOMPARE(s.fontName, QByteArray("2")); // item 16 follows the mode directly
        QCOMPARE(s.fontSize, 0);               // "X" is no number
    }
    // Documents held in memory are not written for those modes.
    StoredSettings s = readSettings(realisticFile());
    s.startupMode = 1;
    const QByteArray written = writeSettings(s);
    QVERIFY(!written.contains("main.c\r\n0\r\n120"));
    QVERIFY(written.contains("\r\n1\r\nDejaVu Sans Mono\r\n"));
}

void TestSettingsCodec::tabIndexOnlyForMoreThanOneDocument() {
    StoredSettings s = firstRunSettings();
    s.fontName = "F";
    s.documents = {StoredDocument{"/a", 0, 0, 0}};
    s.shownTab = 0;
    QVERIFY(writeSettings(s).contains("\r\n0\r\n1\r\n/a\r\n0\r\n0\r\n0\r\nF\r\n"));
    s.documents.clear();
    QVERIFY(writeSettings(s).contains("\r\n0\r\n0\r\nF\r\n"));

    // Reading: a count of 1 takes no tab index, so the next line is item 16.
    const StoredSettings one = readSettings(linesUpToStartupMode(0) + crlfLines({"1", "/a", "1", "2", "3", "5", "F"}));
    QCOMPARE(one.documents, (QList<StoredDocument>{{"/a", 1, 2, 3}}));
    QCOMPARE(one.fontName, QByteArray("5"));
    QCOMPARE(one.shownTab, 0);
}

void TestSettingsCodec::geometryOnlyForNormalWindow() {
    StoredSettings s = readSettings(realisticFile());
    s.windowState = 2;
    const StoredSettings maximized = readSettings(writeSettings(s));
    QCOMPARE(maximized.windowState, 2);
    QCOMPARE(maximized.windowTop, 0);
    QCOMPARE(maximized.windowWidth, 0);
    QCOMPARE(maximized.viewClipboard, s.viewClipboard);
    QCOMPARE(maximized.clipboardMode, s.clipboardMode);
    QCOMPARE(writeSettings(s).size(), realisticFile().size() - QByteArray("40\r\n60\r\n700\r\n900\r\n").size());
}

void TestSettingsCodec::firstRunValues() {
    const StoredSettings s = firstRunSettings();
    QCOMPARE(s.confirmPrompts, 1);
    QCOMPARE(s.autoIndent, 1);
    QCOMPARE(s.tabUse, 0);
    QCOMPARE(s.tabSpaces, 2);
    QCOMPARE(s.fontName, QByteArray("Courier New"));
    QCOMPARE(s.autosaveInterval, 600000);
    QVERIFY(s.viewClipboard && s.viewScrollBars && s.viewFileTabs && s.viewToolBar && s.viewStatusBar);
    QCOMPARE(s.wordWrap, 0);
    QCOMPARE(s.insertMode, 1);
    QCOMPARE(s.showHints, 1);
    QCOMPARE(s.hintPause, 500);
    QCOMPARE(s.hintHidePause, 2500);
    QCOMPARE(s.maxRecentFiles, 28);
    QCOMPARE(s.fileFilter, kFirstRunFilter.toLatin1());
    QCOMPARE(readSettings(writeSettings(s)), s);
}

void TestSettingsCodec::writerKeepsLineStructureOfOddTexts() {
    StoredSettings s = firstRunSettings();
    s.recentFiles = {"/tmp/a\rb", "/tmp/\x1a" "c", "\nleading line feed", "trailing\n", ""};
    s.defaultExtension = "x\ry";
    const StoredSettings back = readSettings(writeSettings(s));
    QCOMPARE(back.recentFiles,
             (QList<QByteArray>{"/tmp/a?b", "/tmp/?c", "\nleading line feed", "trailing\n", ""}));
    QCOMPARE(back.defaultExtension, QByteArray("x?y"));
    QCOMPARE(back.fileFilter, s.fileFilter); // everything after still in place
    QCOMPARE(back.clipboardMode, s.clipboardMode);
}

void TestSettingsCodec::flagHelpers() {
    QVERIFY(flagOn(2) && flagOn(-1) && !flagOn(0));
    QVERIFY(fontStyleOn(1) && !fontStyleOn(2) && !fontStyleOn(-1));
}

QTEST_GUILESS_MAIN(TestSettingsCodec)
#include "test_settings_codec.moc"
