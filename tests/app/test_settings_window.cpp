// The settings file through the real main window: what a run writes comes
// back at the next start, and damaged values never leave the user stuck.
#include <QtTest>

#include <QAction>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

class SettingsWindowTest : public QObject {
    Q_OBJECT

    static QString ini(MainWindowFixture& fx) { return fx.programDir() + "tw162.ini"; }

    static void writeIni(MainWindowFixture& fx, const StoredSettings& s) {
        QFile file(ini(fx));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writeSettings(s));
    }

    // A normal file: what a first run would write, with some choices of ours.
    static StoredSettings typical() {
        StoredSettings s = firstRunSettings();
        s.windowState = 0;
        s.windowLeft = 40;
        s.windowTop = 50;
        s.windowWidth = 600;
        s.windowHeight = 400;
        return s;
    }

    QAction* item(MainWindowFixture& fx, const char* name) {
        return fx.form().findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void aFirstRunWritesAFileThatComesBackUnchanged() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        form.options().TabSpaces = 5;
        QVERIFY(form.close());
        const QByteArray first = MainWindowFixture::readFile(ini(fx));
        QVERIFY(first.endsWith("\r\n"));
        const StoredSettings read = readSettings(first);
        QCOMPARE(read.tabSpaces, 5);
        QCOMPARE(read.confirmPrompts, 1);
        QCOMPARE(read.startupMode, 0);
        QCOMPARE(read.documents.size(), 1);
        QCOMPARE(read.documents[0].fileName, (fx.programDir() + "readme.txt").toUtf8());
        QCOMPARE(read.fileFilter, kFirstRunFilter.toUtf8());

        MainWindowFixture::readFile(ini(fx));
        TMainForm& again = fx.start();
        QCOMPARE(again.options().TabSpaces, 5);
        QCOMPARE(fx.currentFileName(), fx.programDir() + "readme.txt");
        QVERIFY(again.close());
        QCOMPARE(MainWindowFixture::readFile(ini(fx)), first);
    }

    void aFullFileSurvivesARunByteForByte() {
        // Tables whose menus come later are held and written back unchanged.
        MainWindowFixture fx;
        StoredSettings s = typical();
        s.execRecords = {{"c;cpp", "exe", 1, 0, 2}, {"py", "", 0, 1, 4}};
        s.executeCurrentFileShortcut = 16384 + 116;   // Ctrl+F5
        s.groups = {{"&1 Project", {"/src/a.c", "/src/b.c"}, 1}, {"&2 Notes", {}, -1}};
        s.runRecords = {{"make", "-C $d", 0, "&1 Make", 16384 + 66, {"echo one", "echo two"}}};
        s.recentFiles = {"&1 /tmp/old.txt"};
        s.favorites = {"&1 /etc/hosts", "&2 /etc/fstab"};
        s.backupStyle = 1;
        s.showPaths = 1;
        s.clipboardMode = 1;
        s.tabUse = 2;
        s.tabSpaces = 4;
        s.colourScheme = 1;
        s.customText = 0x123456;
        s.customBackground = 0x654321;
        // Texts that are not UTF-8 come back as they were, byte for byte.
        s.fontName = "Caf\xe9 Mono";
        s.defaultExtension = "c\xe9";
        s.fileFilter = "Fichiers \xe9crits|*.txt|Any File|*.*";
        s.saveDialogFolder = fx.path(QString()).toUtf8() + "d\xe9j\xe0";
        s.openDialogFolder = "/home/\xe9l\xe8ve";
        s.documents = {{fx.writeFile("one.c", "int one;\n").toUtf8(), 0, 1, 2},
                       {fx.writeFile("two.c", "int two;\n").toUtf8(), 1, 3, 0}};
        s.shownTab = 1;
        writeIni(fx, s);
        const QByteArray before = MainWindowFixture::readFile(ini(fx));
        QVERIFY(fx.start().close());
        QCOMPARE(MainWindowFixture::readFile(ini(fx)), before);
    }

    void startupModeZeroReopensDocumentsWithTheirState() {
        MainWindowFixture fx;
        StoredSettings s = typical();
        const QString a = fx.writeFile("a.txt", "alpha text\n");
        const QString b = fx.writeFile("b.txt", "beta text here\n");
        const QString c = fx.writeFile("c.txt", "gamma\n");
        s.documents = {{a.toUtf8(), 0, 2, 3},
                       {fx.path("gone.txt").toUtf8(), 1, 5, 5},
                       {b.toUtf8(), 1, 4, 6},
                       {c.toUtf8(), 0, 1, 0}};
        s.shownTab = 1;
        s.tabSpaces = 7;   // an item after the documents, read at its place
        writeIni(fx, s);
        TMainForm& form = fx.start();
        QCOMPARE(fx.tabCaptions(), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QCOMPARE(fx.currentFileName(), b);
        QVERIFY(form.Edit()->isReadOnly());
        QVERIFY(item(fx, "OptionsReadOnlyMnu")->isChecked());
        QCOMPARE(form.Edit()->selStart(), qsizetype(4));
        QCOMPARE(form.Edit()->selLength(), qsizetype(6));
        QCOMPARE(form.options().TabSpaces, 7);
        fx.run("PreviousSpdBtn");
        QCOMPARE(fx.currentFileName(), a);
        QVERIFY(!form.Edit()->isReadOnly());
        QCOMPARE(form.Edit()->selStart(), qsizetype(2));
        QCOMPARE(form.Edit()->selLength(), qsizetype(3));
        QVERIFY(fx.prompts.shown().isEmpty());

        // At exit the tabs are written left to right with the shown tab.
        QVERIFY(form.close());
        const StoredSettings written = readSettings(MainWindowFixture::readFile(ini(fx)));
        QCOMPARE(written.documents.size(), 3);
        QCOMPARE(written.documents[0], (StoredDocument{a.toUtf8(), 0, 2, 3}));
        QCOMPARE(written.documents[1], (StoredDocument{b.toUtf8(), 1, 4, 6}));
        QCOMPARE(written.shownTab, 0);
    }

    void commandLineReplacesTheReopenedDocuments() {
        MainWindowFixture fx;
        StoredSettings s = typical();
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        s.documents = {{a.toUtf8(), 0, 0, 0}, {a.toUtf8(), 0, 0, 0}};
        writeIni(fx, s);
        fx.start({b});
        QCOMPARE(fx.tabCaptions(), QStringList{"b.txt"});
        QCOMPARE(fx.form().windowTitle(), "Tarnwick - " + b);
    }

    void startupModesOneAndTwo() {
        MainWindowFixture fx;
        StoredSettings s = typical();
        s.startupMode = 1;
        s.openGroup = 3;
        writeIni(fx, s);
        TMainForm& form = fx.start();
        QCOMPARE(fx.currentFileName(), QStringLiteral("Untitled1"));
        QVERIFY(form.close());
        StoredSettings written = readSettings(MainWindowFixture::readFile(ini(fx)));
        QCOMPARE(written.startupMode, 1);
        QVERIFY(written.documents.isEmpty());
        QCOMPARE(written.openGroup, 0);   // no group is open after such a start

        s.startupMode = 2;
        writeIni(fx, s);
        fx.start();
        QVERIFY(!fx.documentShown());
        QCOMPARE(fx.form().windowTitle(), QStringLiteral("Tarnwick"));

        // A value no mode has still lets the command line open its files.
        s.startupMode = 9;
        writeIni(fx, s);
        const QString a = fx.writeFile("a.txt", "a\n");
        fx.start({a});
        QCOMPARE(fx.currentFileName(), a);
    }

    void windowPlacement() {
        MainWindowFixture fx;
        StoredSettings s = typical();
        writeIni(fx, s);
        TMainForm& form = fx.start();
        QCOMPARE(form.size(), QSize(600, 400));
        QCOMPARE(form.pos(), QPoint(40, 50));

        s.windowState = 2;
        writeIni(fx, s);
        fx.start().show();
        QVERIFY(fx.form().isMaximized());
        QVERIFY(fx.form().close());
        const QByteArray written = MainWindowFixture::readFile(ini(fx));
        QCOMPARE(readSettings(written).windowState, 2);
        QCOMPARE(readSettings(written).windowWidth, 0);   // no geometry lines

        // A size larger than the screen comes back fitted to it, and is
        // written back fitted, so no later start pays for it.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        s.windowState = 0;
        s.windowWidth = 30000;
        s.windowHeight = 30000;
        writeIni(fx, s);
        QCOMPARE(fx.start().size(), screen.size());
        QVERIFY(fx.form().close());
        const StoredSettings fitted = readSettings(MainWindowFixture::readFile(ini(fx)));
        QCOMPARE(QSize(fitted.windowWidth, fitted.windowHeight), screen.size());

        // Off every screen, or with no size: the window comes back where the
        // user can see it.
        for (const QRect& bad : {QRect(-30000, -30000, 600, 400), QRect(10, 10, 0, 0)}) {
            s.windowState = 0;
            s.windowLeft = bad.x();
            s.windowTop = bad.y();
            s.windowWidth = bad.width();
            s.windowHeight = bad.height();
            writeIni(fx, s);
            TMainForm& placed = fx.start();
            QVERIFY(placed.width() >= 200 && placed.height() >= 150);
            QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().intersects(
                placed.frameGeometry()));
        }
    }

    void flagsAndValuesAreAppliedAsStored() {
        MainWindowFixture fx;
        StoredSettings s = typical();
        s.fontBold = 2;          // only 1 sets a font style
        s.fontItalic = 1;
        s.confirmPrompts = 5;    // any other flag: non-zero is on
        s.keystrokeMapping = 2;  // leaves the menu's shortcuts
        s.viewFileTabs = 0;
        s.viewStatusBar = 0;
        s.autosaveOn = 1;
        s.autosaveInterval = 120000;
        s.clipboardMode = 0;
        s.fileFilter = "Text|*.txt";
        s.defaultExtension = "txt";
        writeIni(fx, s);
        TMainForm& form = fx.start();
        QVERIFY(!form.options().fontBold);
        QVERIFY(form.options().fontItalic);
        QVERIFY(form.options().ConfirmPrompts);
        QCOMPARE(form.options().KeystrokeMapping, 0);
        QCOMPARE(item(fx, "SearchSearchAgainMnu")->shortcut(), QKeySequence("Ctrl+L"));
        QVERIFY(!item(fx, "ViewTabsMnu")->isChecked());
        QVERIFY(form.Tabs()->isHidden());
        QVERIFY(!item(fx, "ViewStatusBarMnu")->isChecked());
        QVERIFY(form.Timer1()->isActive());
        QCOMPARE(form.Timer1()->interval(), 120000);
        fx.run("FileNewMnu");
        QCOMPARE(fx.currentFileName(), QStringLiteral("Untitled1.txt"));
        fx.discardAll();
    }

    void insertModeFromTheFile_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("insert");
        QTest::newRow("0: overwrite") << 0 << false;
        QTest::newRow("1: insert") << 1 << true;
        QTest::newRow("2: any other value is on") << 2 << true;
        QTest::newRow("-1") << -1 << true;
    }
    void insertModeFromTheFile() {
        QFETCH(int, stored);
        QFETCH(bool, insert);
        MainWindowFixture fx;
        StoredSettings s = typical();
        s.insertMode = stored;
        s.documents = {{fx.writeFile("a.txt", "abc\n").toUtf8(), 0, 0, 0}};
        writeIni(fx, s);
        TMainForm& form = fx.start();
        QCOMPARE(form.panelText(2), insert ? QStringLiteral("Insert") : QStringLiteral("Overwrite"));
        QCOMPARE(form.options().InsertMode, insert);
        QCOMPARE(form.Edit()->SendScintilla(EditControl::SCI_GETOVERTYPE), insert ? 0l : 1l);
        QVERIFY(form.close());
        QCOMPARE(readSettings(MainWindowFixture::readFile(ini(fx))).insertMode, insert ? 1 : 0);

        fx.start();
        QTest::keyClick(fx.form().Edit(), Qt::Key_Insert);
        QCOMPARE(fx.form().panelText(2), insert ? QStringLiteral("Overwrite") : QStringLiteral("Insert"));
        QCOMPARE(fx.form().Edit()->SendScintilla(EditControl::SCI_GETOVERTYPE), insert ? 1l : 0l);
    }

    void keystrokeMappingOneFromTheFile() {
        MainWindowFixture fx;
        StoredSettings s = typical();
        s.keystrokeMapping = 1;
        writeIni(fx, s);
        fx.start();
        QCOMPARE(item(fx, "FileSaveMnu")->shortcut(), QKeySequence("F2"));
        QCOMPARE(item(fx, "FileOpenMnu")->shortcut(), QKeySequence("F3"));
    }

    void theSettingsFileShownAtExitIsClosedThenWritten() {
        MainWindowFixture fx;
        writeIni(fx, typical());
        TMainForm& form = fx.start();
        form.options().SettingsFileEditable = true;
        QCOMPARE(form.files().OpenAsCurrent(ini(fx), true), OpenOk);
        form.Edit()->insertBytes(0, "junk that must not survive\r\n");
        fx.prompts.answer(Answer::No);   // the usual question, at the close
        fx.prompts.answer(Answer::No);   // and again when the settings writer closes it
        QVERIFY(form.close());
        const StoredSettings written = readSettings(MainWindowFixture::readFile(ini(fx)));
        QCOMPARE(written.fileFilter, kFirstRunFilter.toUtf8());
        for (const StoredDocument& doc : written.documents)
            QVERIFY(doc.fileName != ini(fx).toUtf8());
    }

    void aFileWithoutSettingsIsAFirstRunAndOneWithLfLineEndsIsRead() {
        for (const QByteArray& empty : {QByteArray(), QByteArray("\r\n \r\n\t\n"),
                                        QByteArray("\n\x1a\x31")}) {
            MainWindowFixture fx;
            QVERIFY(fx.start().close());   // no file: a first run
            const QByteArray firstRunFile = MainWindowFixture::readFile(ini(fx));
            QFile file(ini(fx));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(empty);
            file.close();
            TMainForm& form = fx.start();
            QCOMPARE(fx.currentFileName(), fx.programDir() + "readme.txt");
            for (const char* bar : {"ViewToolBarMnu", "ViewStatusBarMnu", "ViewTabsMnu"})
                QVERIFY2(item(fx, bar)->isChecked(), bar);
            QVERIFY(form.options().InsertMode && form.options().AutoIndent);
            QVERIFY(form.close());
            QCOMPARE(MainWindowFixture::readFile(ini(fx)), firstRunFile);
        }

        // Another editor saved the file with LF line ends: it is read as it
        // was written, and written back with CR LF.
        MainWindowFixture fx;
        StoredSettings s = typical();
        s.viewToolBar = 0;
        s.fontName = "DejaVu Sans Mono";
        s.tabSpaces = 6;
        const QByteArray crlf = writeSettings(s);
        QFile file(ini(fx));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(crlf).replace("\r\n", "\n"));
        file.close();
        TMainForm& form = fx.start();
        QCOMPARE(form.options().fontName, QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(form.options().TabSpaces, 6);
        QVERIFY(!item(fx, "ViewToolBarMnu")->isChecked());
        QVERIFY(item(fx, "ViewStatusBarMnu")->isChecked());
        QVERIFY(form.close());
        QCOMPARE(MainWindowFixture::readFile(ini(fx)), crlf);
    }

    void damagedFilesStartTheEditor() {
        MainWindowFixture fx;
        const QList<QByteArray> damaged = {
            QByteArray(), QByteArray("\x1a"), QByteArray("garbage\r\n\xff\xfe\x00\x01", 13),
            QByteArray("0\r\n0\r\n0\r\n0\r\n999999999\r\n"),
            writeSettings(typical()).left(200)};
        for (const QByteArray& bytes : damaged) {
            QFile file(ini(fx));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            TMainForm& form = fx.start();
            QVERIFY(form.width() >= 200);
            fx.run("FileNewMnu");
            QVERIFY(fx.documentShown());
            fx.discardAll();
        }
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "test_settings_window.moc"
