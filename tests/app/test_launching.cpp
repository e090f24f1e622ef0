// The Execute and Run menus through the real window: records from a settings
// file, the editors, the output panel, scripts run by a real /bin/sh, the
// settings written back, and one owner per key.
#include <QtTest>

#include <QAbstractButton>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QWindow>
#include <unistd.h>

#include "app/FileCommands.h"
#include "app/HelpViewer.h"
#include "app/LaunchArea.h"
#include "editing/EditControl.h"
#include "launch/ExecuteOptionsUnit.h"
#include "launch/OutputPanel.h"
#include "launch/RunUnit.h"
#include "platform/ProgramDirectory.h"
#include "settings/SettingsCodec.h"
#include "support/MainWindowFixture.h"
#include "util/ShortcutCodes.h"

using namespace tw;
using namespace tw::test;

namespace {

StoredRunRecord runRecord(const QByteArray& program, const QByteArray& params,
                          const QByteArray& caption, int shortcut = 0,
                          const QList<QByteArray>& batch = {}, int action = 4) {
    return {program, params, action, caption, shortcut, batch};
}

// Writes a settings file holding these tables; start-up mode 1, so only the
// command line's files open.
void writeSettingsFile(MainWindowFixture& fx, const QList<StoredExecRecord>& exec,
                       const QList<StoredRunRecord>& run, int keystrokeMapping = 0,
                       int executeShortcut = 0) {
    StoredSettings s = firstRunSettings();
    s.startupMode = 1;
    s.keystrokeMapping = keystrokeMapping;
    s.execRecords = exec;
    s.executeCurrentFileShortcut = executeShortcut;
    s.runRecords = run;
    QFile file(fx.programDir() + QStringLiteral("tw162.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(writeSettings(s));
}

StoredSettings settingsWritten(MainWindowFixture& fx) {
    fx.form().close();
    return readSettings(MainWindowFixture::readFile(fx.programDir() + QStringLiteral("tw162.ini")));
}

QMenu* runMenu(TMainForm& form) { return form.menuBar()->findChild<QMenu*>("RunMnu"); }

QStringList runCaptions(TMainForm& form) {
    QStringList captions;
    for (QAction* a : runMenu(form)->actions())
        captions << a->text();
    return captions;
}

QByteArray runScript(const QByteArray& text, const QString& dir) {
    QProcess sh;
    sh.setWorkingDirectory(dir);
    sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(text)});
    sh.waitForFinished(10000);
    return sh.readAllStandardOutput() + sh.readAllStandardError();
}

template <typename W>
W* child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

} // namespace

class LaunchingTest : public QObject {
    Q_OBJECT

private slots:
    void runRecordStartsDirectlyAndShowsItsOutput() {
        MainWindowFixture fx;
        const QString file = fx.writeFile("a b.c", "int x;\nint y = ;\n");
        writeSettingsFile(fx, {}, {runRecord("cc", "-c $ -o $x.o", "&1 Compile")});
        TMainForm& form = fx.start({file});
        QVERIFY(fx.isEnabled("RunMnu"));
        QCOMPARE(runCaptions(form), QStringList{"&1 Compile"});

        runMenu(form)->actions().at(0)->trigger();
        QCOMPARE(fx.starter().starts.size(), 1);
        const RecordedStart& start = fx.starter().starts.at(0);
        QCOMPARE(start.program, QStringLiteral("cc"));
        QCOMPARE(start.arguments, QStringList({"-c", file, "-o", fx.path("a b.o")}));

        TOutputPanel& panel = form.launch().outputPanel();
        QVERIFY(!form.launch().outputDock()->isHidden());
        QVERIFY(panel.sectionRunning(0));
        fx.starter().tools.at(0)->write("a b.c:2:9: error: expected expression\n");
        fx.starter().tools.at(0)->finish(1);
        const QString text = panel.sectionText(0);
        QVERIFY2(text.startsWith("$ cc -c " + file), qPrintable(text));
        QVERIFY(text.contains("a b.c:2:9: error"));
        QVERIFY(text.contains("[exit status 1 after"));
        QVERIFY(!panel.sectionRunning(0));

        QVERIFY(!form.Edit()->isModified());   // the panel never touches a document
    }

    void outputLinkOpensTheFileAtLineAndColumn() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "one\ntwo\nthree four\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        writeSettingsFile(fx, {}, {runRecord("make", "", "&1 Make")});
        TMainForm& form = fx.start({b});
        const QString dir = QDir::currentPath();
        QDir::setCurrent(fx.path(""));
        runMenu(form)->actions().at(0)->trigger();
        QDir::setCurrent(dir);
        fx.starter().tools.at(0)->write("make: Entering\na.c:3:7: warning: x\n"
                                        "  File \"a.c\", line 2, in <module>\n");
        TOutputPanel& panel = form.launch().outputPanel();
        QVERIFY(panel.openLink(0, 2));
        QCOMPARE(fx.currentFileName(), a);
        QCOMPARE(form.Edit()->selStart(), qsizetype(8 + 6));
        QVERIFY(panel.openLink(0, 3));
        QCOMPARE(form.Edit()->selStart(), qsizetype(4));
        QCOMPARE(fx.tabCaptions().size(), 2);   // shown again, not opened twice
        // A second run goes beside the first, and Stop ends the shown one.
        runMenu(form)->actions().at(0)->trigger();
        QCOMPARE(panel.sectionCount(), 2);
        panel.StopBtnClick();
        QVERIFY(!panel.sectionRunning(1));
        QVERIFY(panel.sectionRunning(0));
    }

    void batchRecordQuotesFileNamesForTheShell() {
        MainWindowFixture fx;
        const QString name = QStringLiteral("x;$(touch PWNED)`id` 'q'.c");
        const QString file = fx.writeFile(name, "x\n");
        writeSettingsFile(fx, {}, {runRecord("printf", "'%s|' $f %p%", "&1 Show", 0,
                                             {"cd $p", "%cmd% > out.txt", "echo $HOME >/dev/null"})});
        TMainForm& form = fx.start({file});
        fx.prompts.type(QStringLiteral("-- answer"));
        runMenu(form)->actions().at(0)->trigger();
        QCOMPARE(fx.starter().starts.size(), 1);
        const RecordedStart& start = fx.starter().starts.at(0);
        QCOMPARE(start.kind, RecordedStart::Kind::Terminal);
        QCOMPARE(start.program, fx.programDir() + "temp.sh");
        QVERIFY(start.scriptText.endsWith("\n\n"));   // the batch text, then one line end
        runScript(start.scriptText, fx.programDir());
        QCOMPARE(MainWindowFixture::readFile(fx.path("out.txt")),
                 (name + "|--|answer|").toUtf8());
        QVERIFY(!QFile::exists(fx.path("PWNED")));
        QVERIFY(!QFile::exists(fx.programDir() + "PWNED"));
    }

    // A program chosen with Browse is a file name: blanks in its folder do not
    // split it, whether it is started directly or through the batch text.
    void programWithBlanksInItsNameIsOneProgram() {
        MainWindowFixture fx;
        const QString file = fx.writeFile("a.c", "x\n");
        QVERIFY(QDir().mkpath(fx.path("My Tools")));
        const QString tool = fx.writeFile("My Tools/show it", "");
        QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeSettingsFile(fx, {}, {runRecord(tool.toUtf8(), "-c $f", "&1 Show"),
                                   runRecord(tool.toUtf8(), "", "&2 Batch", 0, {"echo %cmd% > out.txt"}),
                                   runRecord("printf \"%s|\"", "a b", "&3 Typed")});
        TMainForm& form = fx.start({file});
        runMenu(form)->actions().at(0)->trigger();
        QCOMPARE(fx.starter().starts.at(0).program, tool);
        QCOMPARE(fx.starter().starts.at(0).arguments, QStringList({"-c", "a.c"}));
        runMenu(form)->actions().at(1)->trigger();
        runScript(fx.starter().starts.at(1).scriptText, fx.programDir());
        QCOMPARE(MainWindowFixture::readFile(fx.programDir() + "out.txt"), (tool + "\n").toUtf8());
        // A program text that names no file is still a typed command line.
        runMenu(form)->actions().at(2)->trigger();
        QCOMPARE(fx.starter().starts.at(2).program, QStringLiteral("printf"));
        QCOMPARE(fx.starter().starts.at(2).arguments, QStringList({"%s|", "a", "b"}));
    }

    void executeCurrentFile() {
        MainWindowFixture fx;
        const QString prog = fx.writeFile("v1.2/prog.c", "");
        QDir().mkpath(fx.path("v1.2"));
        fx.writeFile("v1.2/prog.c", "int main;\n");
        writeSettingsFile(fx, {{"py", "", 1, 1, 0}, {"c;h", "out", 1, 0, 0}}, {});
        TMainForm& form = fx.start({prog});
        QVERIFY(fx.isEnabled("ExecuteCurrentFileMnu"));
        QVERIFY(fx.isEnabled("ExecuteSpdBtn"));
        fx.prompts.type(QStringLiteral("-v \"a b\""));
        fx.run("ExecuteCurrentFileMnu");
        // Action 0 with nothing modified writes nothing; the target keeps the folder's dot.
        QCOMPARE(MainWindowFixture::readFile(prog), QByteArray("int main;\n"));
        QCOMPARE(fx.prompts.shown().at(0).text,
                 "Parameters|Input Parameters for " + fx.path("v1.2/prog.out") + "|");
        QCOMPARE(fx.starter().starts.at(0).program, fx.path("v1.2/prog.out"));
        QCOMPARE(fx.starter().starts.at(0).arguments, QStringList({"-v", "a b"}));

        // A modified document is saved first; a refused save asks to go on.
        form.Edit()->insertBytes(0, "// ");
        fx.prompts.type(std::nullopt);
        fx.prompts.answer(Answer::No);   // "Still with to execute current file?"
        fx.run("ExecuteCurrentFileMnu");
        QCOMPARE(MainWindowFixture::readFile(prog), QByteArray("// int main;\n"));
        QCOMPARE(fx.prompts.texts().last(), QStringLiteral("Still with to execute current file?"));
        QCOMPARE(fx.starter().starts.size(), 1);

        // Explorer, DOS Prompt and DOS Command.
        fx.run("ExecuteExplorerMnu");
        QCOMPARE(fx.starter().starts.last().kind, RecordedStart::Kind::Folder);
        QCOMPARE(fx.starter().starts.last().program, fx.path("v1.2/"));
        fx.run("ExecuteDOSPromptMnu");
        QCOMPARE(fx.starter().starts.last().scriptText,
                 "#!/bin/sh\ncd -- '" + fx.path("v1.2/").toUtf8()
                     + "' || exit 1\nexec \"${SHELL:-/bin/sh}\"\n");
        fx.prompts.type(QStringLiteral("pwd > here.txt"));
        fx.run("ExecuteDOSComMnu");
        QByteArray script = fx.starter().starts.last().scriptText;
        QVERIFY(script.endsWith("pwd > here.txt\nprintf 'Press Enter to continue . . .'; "
                                "read tarnwick_pause\n"));
        runScript(script.replace("read tarnwick_pause", "true"), fx.programDir());
        QCOMPARE(MainWindowFixture::readFile(fx.path("v1.2/here.txt")), (fx.path("v1.2") + "\n").toUtf8());

        // No record for the extension: disabled, and the warning when run anyway.
        const QString notes = fx.writeFile("notes.txt", "n\n");
        form.files().OpenAsCurrent(notes, true);
        QVERIFY(!fx.isEnabled("ExecuteCurrentFileMnu"));
        form.launch().commands().ExecuteCurrentFileMnuClick();
        QCOMPARE(fx.prompts.texts().last(),
                 QStringLiteral("Use Options|Execute Menu to set an executable extension for "
                                "extension \".txt\""));
    }

    void failedStartsAndUnwritableProgramDirectory() {
        MainWindowFixture fx;
        writeSettingsFile(fx, {}, {runRecord("/no/such/dir/cc", "-c", "&1 A"),
                                   runRecord("sh", "", "&2 B", 0, {"%cmd%"})});
        TMainForm& form = fx.start();
        fx.starter().results.enqueue(kPathNotFound);
        runMenu(form)->actions().at(0)->trigger();
        QCOMPARE(fx.prompts.texts().last(), QStringLiteral("Path \"/no/such/dir/\" not found."));
        fx.starter().results.enqueue(kFileNotFound);
        runMenu(form)->actions().at(0)->trigger();
        QCOMPARE(fx.prompts.texts().last(), QStringLiteral("File \"/no/such/dir/cc -c\" not found."));

        // The program directory refuses the script: reported, nothing starts.
        QFile::setPermissions(fx.programDir(), QFile::ReadOwner | QFile::ExeOwner);
        const int before = int(fx.starter().starts.size());
        runMenu(form)->actions().at(1)->trigger();
        QFile::setPermissions(fx.programDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (::geteuid() != 0) {
            QCOMPARE(fx.starter().starts.size(), before);
            QVERIFY(fx.prompts.texts().last().startsWith(fx.programDir() + "temp.sh: "));
        }
    }

    void recordsComeBackByteForByte() {
        MainWindowFixture fx;
        const QList<StoredExecRecord> exec{{"c;\xe9", "out", 7, 1, 9}, {"py", "", 0, 0, 4}};
        const QList<StoredRunRecord> run{
            runRecord("gcc", "-c $f \xe9", "&1 Compile \xe9", 16504 + 10000000),
            runRecord("make", "", "&2 Make", 16505, {"  cd $p", "\tmake %cmd%", ""}, 3)};
        writeSettingsFile(fx, exec, run, 0, 99999);
        TMainForm& form = fx.start();
        form.launch().runForm().FormShow();
        form.launch().runForm().hide();
        const StoredSettings s = settingsWritten(fx);
        QCOMPARE(s.execRecords, exec);
        QCOMPARE(s.runRecords, run);
        QCOMPARE(s.executeCurrentFileShortcut, 99999);
    }

    void runEditorSavesDeletesAndRenumbers() {
        MainWindowFixture fx;
        writeSettingsFile(fx, {}, {runRecord("a", "", "&1 A"), runRecord("b", "", "&2 B"),
                                   runRecord("c", "", "&3 C", 16504), runRecord("d", "", "&4 D")});
        TMainForm& form = fx.start();
        TRunForm& dialog = form.launch().runForm();
        dialog.FormShow();
        QCOMPARE(dialog.editor().current(), 5);   // opens on a new record
        auto* program = child<QLineEdit>(&dialog, "ProgEdit");
        program->setFocus();
        QTest::keyClicks(program, "/usr/bin/make.sh");
        QCOMPARE(child<QLineEdit>(&dialog, "ProgNameEdit")->text(), QStringLiteral("make"));
        child<QPlainTextEdit>(&dialog, "BatFileMemo")->setPlainText("cd $p\n%cmd%\n");
        QVERIFY(child<QPushButton>(&dialog, "SaveBtn")->isEnabled());
        child<QPushButton>(&dialog, "SaveBtn")->click();
        QCOMPARE(runCaptions(form), QStringList({"&1 A", "&2 B", "&3 C", "&4 D", "&5 make"}));
        QCOMPARE(form.launch().tables().run.last().batchLines, QList<QByteArray>({"cd $p", "%cmd%"}));

        // Showing record 3 loads its name and key; deleting record 2 renumbers.
        dialog.editor().scrollTo(3);
        QCOMPARE(child<QLineEdit>(&dialog, "ProgNameEdit")->text(), QStringLiteral("C"));
        dialog.editor().scrollTo(2);
        fx.prompts.answer(Answer::Yes);
        child<QPushButton>(&dialog, "DeleteBtn")->click();
        QCOMPARE(fx.prompts.texts().last(), QStringLiteral("Are you sure you want to Delete this Record?"));
        QCOMPARE(runCaptions(form), QStringList({"&1 A", "&2 C", "&3 D", "&4 make"}));
        QCOMPARE(runMenu(form)->actions().at(1)->shortcut(), shortcutFromCode(16504));
        runMenu(form)->actions().at(2)->trigger();
        QCOMPARE(fx.starter().starts.last().program, QStringLiteral("d"));
        dialog.hide();
        QCOMPARE(form.launch().tables().run.size(), 4);
    }

    void executeOptionsEditor() {
        MainWindowFixture fx;
        writeSettingsFile(fx, {{"c", "out", 0, 0, 4}, {"h", "out", 0, 0, 4}}, {});
        TMainForm& form = fx.start();
        TExeOptForm& dialog = form.launch().exeOptForm();
        dialog.FormShow(".h");
        QCOMPARE(dialog.editor().current(), 2);
        dialog.FormShow("");
        QCOMPARE(dialog.editor().current(), 3);
        auto* exe = child<QLineEdit>(&dialog, "ExeEdit");
        exe->setFocus();
        QTest::keyClicks(exe, "o;ut");
        QCOMPARE(exe->text(), QStringLiteral("out"));
        QCOMPARE(fx.prompts.texts().last(),
                 QStringLiteral("Only one extensions (which should be either exe, com, or bat) "
                                "may be specified here"));
        auto* source = child<QLineEdit>(&dialog, "SourceEdit");
        source->setFocus();
        QTest::keyClicks(source, "cc;h");
        fx.prompts.answer(Answer::No);
        child<QPushButton>(&dialog, "SaveBtn")->click();
        QCOMPARE(fx.prompts.texts().last(),
                 QStringLiteral("Extension \"h\" is already in record #2. Do you still wish to save "
                                "this record?"));
        QCOMPARE(form.launch().tables().exec.size(), 2);
        QVERIFY(dialog.editor().modified());
        fx.prompts.answer(Answer::Yes);
        child<QPushButton>(&dialog, "SaveBtn")->click();
        QCOMPARE(form.launch().tables().exec.size(), 3);
        dialog.hide();
    }

    // Programs built here have no extension: a record of source extensions
    // alone is saved, and runs the file without its extension.
    void executeRecordWithoutExecutableExtension() {
        MainWindowFixture fx;
        const QString prog = fx.writeFile("prog.c", "int main;\n");
        TMainForm& form = fx.start({prog});
        QVERIFY(!fx.isEnabled("ExecuteCurrentFileMnu"));
        TExeOptForm& dialog = form.launch().exeOptForm();
        dialog.FormShow(".c");
        auto* source = child<QLineEdit>(&dialog, "SourceEdit");
        source->setFocus();
        QTest::keyClicks(source, "c");
        QVERIFY(child<QPushButton>(&dialog, "SaveBtn")->isEnabled());
        child<QPushButton>(&dialog, "SaveBtn")->click();
        dialog.hide();
        form.EnableExecuteCurrentFile();
        QVERIFY(fx.isEnabled("ExecuteCurrentFileMnu"));
        fx.run("ExecuteCurrentFileMnu");
        QCOMPARE(fx.starter().starts.at(0).program, fx.path("prog"));
        QCOMPARE(settingsWritten(fx).execRecords, QList<StoredExecRecord>({{"c", "", 0, 0, 4}}));
    }

    // The hot-key control takes only keys the settings file can hold: a key it
    // showed but could not store would be lost at Save without a word.
    void hotKeyControlTakesOnlyStorableKeys() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        TRunForm& dialog = form.launch().runForm();
        dialog.FormShow();
        auto* program = child<QLineEdit>(&dialog, "ProgEdit");
        program->setFocus();
        QTest::keyClicks(program, "/bin/true");
        auto* hotKey = child<QLineEdit>(&dialog, "HotKey1");
        hotKey->setFocus();
        QTest::keyClick(hotKey, Qt::Key_F5, Qt::ControlModifier);
        const struct { Qt::Key key; Qt::KeyboardModifiers mods; } unstorable[] = {
            {Qt::Key_Exclam, Qt::ControlModifier | Qt::ShiftModifier},   // Ctrl+Shift+1 on X11
            {Qt::Key_BracketLeft, Qt::ControlModifier},
            {Qt::Key_Adiaeresis, Qt::AltModifier},
        };
        for (const auto& k : unstorable) {
            QTest::keyClick(hotKey, k.key, k.mods);
            QCOMPARE(hotKey->text(), QKeySequence("Ctrl+F5").toString(QKeySequence::NativeText));
        }
        child<QPushButton>(&dialog, "SaveBtn")->click();
        dialog.hide();
        QCOMPARE(runMenu(form)->actions().at(0)->shortcut(), QKeySequence("Ctrl+F5"));
        QCOMPARE(form.launch().tables().run.at(0).shortcut, codeFromShortcut(QKeySequence("Ctrl+F5")));
    }

    // Inside the hot-key control Alt+letter is a hot key, not the dialog's
    // mnemonic: Alt+D there must not delete the record, nor Alt+M move away.
    void hotKeyControlTakesTheDialogsMnemonics() {
        MainWindowFixture fx;
        writeSettingsFile(fx, {}, {runRecord("a", "", "&1 A"), runRecord("b", "", "&2 B")});
        TMainForm& form = fx.start();
        TRunForm& dialog = form.launch().runForm();
        dialog.FormShow();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.editor().scrollTo(1);
        auto* hotKey = child<QLineEdit>(&dialog, "HotKey1");
        hotKey->setFocus();
        fx.prompts.answer(Answer::Yes);   // should Delete ask anyway
        for (Qt::Key key : {Qt::Key_D, Qt::Key_M, Qt::Key_C}) {
            QTest::keyClick(hotKey, key, Qt::AltModifier);
            QCOMPARE(hotKey->text(), QKeySequence(QKeyCombination(Qt::AltModifier, key))
                                         .toString(QKeySequence::NativeText));
            QCOMPARE(QApplication::focusWidget(), hotKey);
        }
        QCOMPARE(form.launch().tables().run.size(), 2);
        child<QPushButton>(&dialog, "SaveBtn")->click();
        dialog.hide();
        QCOMPARE(runMenu(form)->actions().at(0)->shortcut(), QKeySequence("Alt+C"));
    }

    // Help asked for in a modal editor can be read: the modal dialog does not
    // block the help window, which would not even scroll.
    void helpFromAModalEditorIsNotBlockedByIt() {
        MainWindowFixture fx;
        TMainForm& form = fx.start();
        form.show();
        TRunForm& dialog = form.launch().runForm();
        dialog.FormShow();
        dialog.setWindowModality(Qt::ApplicationModal);   // as exec() shows it
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        QWidget* help = form.helpViewer();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        // Qt's rule: a modal window blocks every window but itself and those it
        // is an ancestor of, transient ones included.
        QWindow* modal = QGuiApplication::modalWindow();
        QCOMPARE(modal, dialog.windowHandle());
        QVERIFY(modal->isAncestorOf(help->windowHandle(), QWindow::IncludeTransients));
        dialog.hide();
        help->hide();
    }

    // Every key of both mappings against every mnemonic of the menu bar, and
    // keys wanted twice: the item beats the caption, the first item the later.
    void oneKeyOneCommand() {
        MainWindowFixture fx;
        writeSettingsFile(fx, {}, {runRecord("a", "", "&1 A", codeFromShortcut(QKeySequence("Ctrl+S"))),
                                   runRecord("b", "", "&2 B", codeFromShortcut(QKeySequence("Ctrl+F9"))),
                                   runRecord("c", "", "&3 C", codeFromShortcut(QKeySequence("Ctrl+F9")))},
                          1);
        TMainForm& form = fx.start();
        for (int mapping : {1, 0, 1}) {
            form.ApplyKeystrokeMapping(mapping);
            QHash<QKeySequence, QString> owners;
            for (QAction* item : form.menuBar()->findChildren<QAction*>()) {
                if (item->shortcut().isEmpty())
                    continue;
                QVERIFY2(!owners.contains(item->shortcut()),
                         qPrintable(item->objectName() + " and " + owners.value(item->shortcut())));
                owners.insert(item->shortcut(), item->objectName());
            }
            for (QAction* title : form.menuBar()->actions()) {
                const QKeySequence mnemonic = QKeySequence::mnemonic(title->text());
                QVERIFY2(mnemonic.isEmpty() || !owners.contains(mnemonic), qPrintable(title->text()));
            }
        }
        // Under mapping 1 Save is on F2, so the Run entry has Ctrl+S.
        // Nor does a button of the window itself (the output panel's) take a
        // menu's mnemonic: Alt+S would have focused Stop instead of Search.
        for (QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
            if (button->window() != &form)
                continue;
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            for (QAction* title : form.menuBar()->actions())
                QVERIFY2(mnemonic.isEmpty() || mnemonic != QKeySequence::mnemonic(title->text()),
                         qPrintable(button->objectName()));
        }
        QCOMPARE(runMenu(form)->actions().at(0)->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(runMenu(form)->actions().at(1)->shortcut(), QKeySequence("Ctrl+F9"));
        QCOMPARE(runMenu(form)->actions().at(2)->shortcut(), QKeySequence());
        QCOMPARE(form.menuBar()->findChild<QMenu*>("ExecuteMnu")->title(), QStringLiteral("Execute"));
        form.ApplyKeystrokeMapping(0);
        QCOMPARE(runMenu(form)->actions().at(0)->shortcut(), QKeySequence());
        QCOMPARE(form.commands().action("FileSaveMnu")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(form.menuBar()->findChild<QMenu*>("ExecuteMnu")->title(), QStringLiteral("E&xecute"));
        form.ApplyKeystrokeMapping(1);

        // Alt+X exits under mapping 1.
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QSignalSpy exit(form.commands().action("FileExitMnu"), &QAction::triggered);
        QTest::keyClick(form.Edit(), Qt::Key_X, Qt::AltModifier);
        QCOMPARE(exit.count(), 1);
    }
};

QTEST_MAIN(LaunchingTest)
#include "test_launching.moc"
