// File > Operations through the real main window: Copy and Move through the
// copy/move dialog, Rename and Delete, with the document, its tab, the title
// and the three lists following; the same-file family; refusals (read-only
// also as root, a file open in another tab, the settings file); untitled
// documents that make no file-system call.
#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QTreeView>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "dialogs/CMUnit.h"
#include "editing/EditControl.h"
#include "lists/FileLists.h"
#include "platform/FileAttributes.h"
#include "platform/Trash.h"
#include "platform/Volumes.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace tw;
using namespace tw::test;

namespace {

// Runs a Copy or Move: the dialog gets the folder typed and OK pressed
// (repeatedly while it stays open, up to `oks` times), then it is cancelled.
void copyMove(MainWindowFixture& fx, const char* command, const QString& folder, int oks = 1) {
    QTimer::singleShot(0, [folder, oks] {
        auto* dialog = qobject_cast<TCMForm*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (int i = 0; i < oks && dialog->isVisible(); ++i) {
            dialog->folderBox()->setEditText(folder);
            dialog->OKBtnClick();
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    fx.run(QString::fromLatin1(command));
}

void writeIni(MainWindowFixture& fx, const StoredSettings& s) {
    QFile file(fx.programDir() + "tw162.ini");
    file.open(QIODevice::WriteOnly);
    file.write(writeSettings(s));
}

// A group "Work" holding the files, open, plus them as favorites and recent.
void listEverywhere(MainWindowFixture& fx, const QStringList& files) {
    StoredSettings s = firstRunSettings();
    QList<QByteArray> names;
    for (const QString& f : files)
        names << f.toUtf8();
    s.groups = {StoredGroup{"&1 Work", names, -1}};
    s.openGroup = 1;
    s.favorites = names;
    s.recentFiles = names;
    writeIni(fx, s);
}

} // namespace

class FileOperationsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dataHome_;

private slots:
    void initTestCase() {
        // Deleted files go to a trash of the test's own.
        qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    }

    void copyIntoAFolderTypedWithoutSlashKeepsTheDocumentsName() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "alpha\n");
        ::chmod(QFile::encodeName(a).constData(), 0640);
        setFileAttributes(a, FileAttribute::System);
        QDir(fx.path("")).mkdir("out");
        fx.start({a});
        fx.form().Edit()->setTextBytes("changed");
        copyMove(fx, "FileCopyMnu", fx.path("out"));
        QCOMPARE(fx.readFile(fx.path("out/a.txt")), QByteArray("alpha\n"));
        QCOMPARE(QFileInfo(fx.path("out/a.txt")).permissions(), QFileInfo(a).permissions());
        QCOMPARE(fileAttributes(fx.path("out/a.txt")).bits, FileAttribute::System);
        QCOMPARE(QFileInfo(fx.path("out/a.txt")).lastModified(), QFileInfo(a).lastModified());
        QCOMPARE(fx.currentFileName(), a);
        QVERIFY(fx.form().Edit()->isModified());   // the document keeps its text
        QCOMPARE(fx.form().CMForm().folderBox()->itemText(0), fx.path("out/"));
        QCOMPARE(fx.prompts.texts(), QStringList());
    }

    // "~" names the home folder, never a folder called "~" in the current one.
    void aTildeNamesTheHomeFolder() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        QDir(fx.path("")).mkdir("home");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", fx.path("home").toUtf8());
        fx.start({a});
        copyMove(fx, "FileCopyMnu", "~");
        fx.prompts.answer(Answer::Yes);
        copyMove(fx, "FileCopyMnu", "~/sub");   // missing: asked, then made
        qputenv("HOME", home);
        QCOMPARE(fx.readFile(fx.path("home/a.txt")), QByteArray("a\n"));
        QCOMPARE(fx.readFile(fx.path("home/sub/a.txt")), QByteArray("a\n"));
        QCOMPARE(fx.prompts.texts(),
                 QStringList{QString("Directory \"%1\" does not exist! Do you want to create it?")
                                 .arg(fx.path("home/sub/"))});
        QVERIFY(!QFileInfo::exists(QDir::current().filePath("~")));
    }

    void missingFolderIsCreatedOnlyWhenItsParentExists() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        fx.start({a});
        fx.prompts.answer(Answer::Yes);   // create no/such: fails
        fx.prompts.answer(Answer::Yes);   // create made
        copyMove(fx, "FileCopyMnu", fx.path("no/such"));
        copyMove(fx, "FileCopyMnu", fx.path("made"));
        QCOMPARE(fx.prompts.texts(),
                 QStringList({QString("Directory \"%1\" does not exist! Do you want to create it?")
                                  .arg(fx.path("no/such/")),
                              QString("Could not create directory \"%1\"").arg(fx.path("no/such/")),
                              QString("Directory \"%1\" does not exist! Do you want to create it?")
                                  .arg(fx.path("made/"))}));
        QCOMPARE(fx.readFile(fx.path("made/a.txt")), QByteArray("a\n"));
    }

    void aDriveThatIsNotReadyKeepsTheDialogOpen() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        fx.start({a});
        TCMForm& dialog = fx.form().CMForm();
        int checks = 0;
        dialog.setReadyCheck([&checks](const QString&) { return ++checks > 3; });
        bool acted = false;
        dialog.prepare(false, a, [&acted](const QString&) { return acted = true; });
        const QString drive = dialog.driveBox()->currentText();
        fx.prompts.answer(Answer::Retry);
        fx.prompts.answer(Answer::Cancel);
        dialog.folderBox()->setEditText(fx.path(""));
        dialog.OKBtnClick();
        const QString text = QString("Drive \"%1\" is not ready!").arg(volumeRootOf(fx.path(""), mountedVolumes()));
        QCOMPARE(fx.prompts.texts(), QStringList({text, text}));
        QCOMPARE(checks, 2);
        QVERIFY(!acted);
        QCOMPARE(dialog.driveBox()->currentText(), drive);
        fx.prompts.answer(Answer::Retry);
        dialog.OKBtnClick();   // ready at the retry: goes on
        QVERIFY(acted);
        QCOMPARE(checks, 4);
    }

    // One file under two names is one file: nothing is asked, nothing lost.
    void copyOntoItselfIsRefusedUnderEveryName() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "precious\n");
        QDir(fx.path("")).mkdir("sub");
        QFile::link(fx.path(""), fx.path("sub/link"));
        QVERIFY(::link(QFile::encodeName(a).constData(),
                       QFile::encodeName(fx.path("sub/a.txt")).constData()) == 0);
        fx.start({a});
        const QString refusal = QString("File \"%1\" could not be copied").arg(a);
        for (const QString& folder :
             {fx.path(""), fx.path("sub/.."), fx.path("sub/link"), fx.path("sub")}) {
            fx.prompts.clear();
            copyMove(fx, "FileCopyMnu", folder);
            QCOMPARE(fx.prompts.texts(), QStringList{refusal});
            QCOMPARE(fx.readFile(a), QByteArray("precious\n"));
        }
        QCOMPARE(QDir(fx.path("")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.txt"});
    }

    void moveFollowsInTheDocumentAndTheListsAskingForEach() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        listEverywhere(fx, {a, b});
        fx.start({a});
        fx.form().options().ConfirmPrompts = true;
        QDir(fx.path("")).mkdir("to");
        const QString moved = fx.path("to/a.txt");
        fx.prompts.answer(Answer::Yes);   // group
        fx.prompts.answer(Answer::No);    // favorites keep the old name
        fx.prompts.answer(Answer::Yes);   // recent
        copyMove(fx, "FileMoveMnu", fx.path("to/"));
        QCOMPARE(fx.prompts.texts(),
                 QStringList({QString("Do you wish to change \"%1\" to \"%2\" in the current group?").arg(a, moved),
                              QString("Do you wish to change \"%1\" to \"%2\" in the favorites menu?").arg(a, moved),
                              QString("Do you wish to change \"%1\" to \"%2\" in File|Recent?").arg(a, moved)}));
        QVERIFY(!QFile::exists(a));
        QCOMPARE(fx.currentFileName(), moved);
        QCOMPARE(fx.form().Tabs()->tabToolTip(fx.form().Tabs()->currentIndex()), moved);
        QCOMPARE(fx.form().windowTitle(), QString("Tarnwick - [Work] %1").arg(moved));
        QVERIFY(fx.form().lists().IsInOpenGroup(moved));
        QCOMPARE(fx.form().lists().FindFavorite(a), 0);
        QCOMPARE(fx.form().lists().FindRecentFile(moved), 0);
    }

    // A move to another volume makes a new file (another device and inode):
    // the document still knows its file, so neither its save nor coming back
    // to the window takes the editor's own move for another program's change.
    void aMoveToAnotherVolumeIsNoChangeOnDisk() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        QTemporaryDir other(QStringLiteral("/dev/shm/tw-move-XXXXXX"));
        struct stat here {}, there {};
        if (!other.isValid() || ::stat(QFile::encodeName(a).constData(), &here) != 0 ||
            ::stat(QFile::encodeName(other.path()).constData(), &there) != 0 ||
            here.st_dev == there.st_dev)
            QSKIP("no second volume at /dev/shm");
        fx.start({a});
        fx.form().Edit()->setTextBytes("edited");
        copyMove(fx, "FileMoveMnu", other.path());
        const QString moved = other.path() + "/a.txt";
        QCOMPARE(fx.currentFileName(), moved);
        QVERIFY(!QFile::exists(a));
        fx.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.form()));
        QVERIFY(!fx.form().panelText(1).contains("changed on disk"));
        fx.run("FileSaveMnu");
        QCOMPARE(fx.prompts.texts(), QStringList());
        QCOMPARE(fx.readFile(moved), QByteArray("edited\n"));
    }

    // The label's "&F" focuses the folder box; an "&" of the file's name is
    // shown as it is and adds no second accelerator.
    void anAmpersandInTheNameIsShownInTheLabel() {
        MainWindowFixture fx;
        const QString rd = fx.writeFile("R&D.txt", "rd\n");
        fx.start({rd});
        QString label;
        QTimer::singleShot(0, [&label] {
            auto* dialog = qobject_cast<TCMForm*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            label = dialog->findChild<QLabel*>("Label1")->text();
            dialog->reject();
        });
        fx.run("FileCopyMnu");
        QCOMPARE(label, QString("Copy &File \"%1\" to:").arg(QString(rd).replace("&", "&&")));
    }

    void moveOntoItselfDoesNothingAndOverwriteIsAsked() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "new\n");
        QDir(fx.path("")).mkdir("to");
        const QString old = fx.writeFile("to/a.txt", "old\n");
        fx.start({a});
        copyMove(fx, "FileMoveMnu", fx.path("."));
        QCOMPARE(fx.prompts.texts(), QStringList());
        QCOMPARE(fx.readFile(a), QByteArray("new\n"));
        fx.prompts.answer(Answer::No);
        fx.prompts.answer(Answer::Yes);
        copyMove(fx, "FileMoveMnu", fx.path("to"), 2);
        QCOMPARE(fx.prompts.texts(),
                 QStringList(2, QString("File \"%1\" eixsts.  Overwright?").arg(old)));
        QCOMPARE(fx.readFile(old), QByteArray("new\n"));
        QCOMPARE(fx.currentFileName(), old);
    }

    // Refusals before any question: a read-only target (also for root), a
    // target open in another tab, the settings file.
    void targetsThatMustNotBeReplacedAreRefused() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        QDir(fx.path("")).mkdir("ro");
        QDir(fx.path("")).mkdir("open");
        const QString ro = fx.writeFile("ro/a.txt", "keep\n");
        ::chmod(QFile::encodeName(ro).constData(), 0444);
        const QString open = fx.writeFile("open/a.txt", "open\n");
        fx.start({a, open});
        QCOMPARE(fx.currentFileName(), a);

        fx.prompts.answer(Answer::Yes);
        copyMove(fx, "FileMoveMnu", fx.path("ro"));
        QCOMPARE(fx.prompts.texts().last(), QString("File \"%1\" could not be moved").arg(a));
        QCOMPARE(fx.readFile(ro), QByteArray("keep\n"));
        fx.prompts.answer(Answer::Yes);
        copyMove(fx, "FileCopyMnu", fx.path("ro"));
        QCOMPARE(fx.prompts.texts().last(), QString("File \"%1\" could not be copied").arg(a));

        fx.prompts.clear();
        copyMove(fx, "FileCopyMnu", fx.path("open"));
        QCOMPARE(fx.prompts.texts().size(), 1);
        QVERIFY(fx.prompts.texts().first().startsWith(QString("File \"%1\" is open in another tab").arg(open)));
        QCOMPARE(fx.readFile(open), QByteArray("open\n"));

    }

    // Without the hidden mode the settings file is not the editor's to write.
    void theSettingsFileIsNeverATarget() {
        MainWindowFixture fx;
        fx.start();
        const QString x = fx.programDir() + "x.txt";
        QFile::copy(fx.programDir() + "readme.txt", x);
        fx.form().files().OpenAsCurrent(x, true);
        const QByteArray before = fx.readFile(fx.programDir() + "tw162.ini");
        fx.prompts.type("tw162.ini");
        fx.run("FileRenameMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{"Tarnwick cannot open \"tw162.ini\""});
        QCOMPARE(fx.currentFileName(), x);
        QCOMPARE(fx.readFile(fx.programDir() + "tw162.ini"), before);
    }

    void renameAsksForANameInTheSameFolder() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString ro = fx.writeFile("ro.txt", "ro\n");
        ::chmod(QFile::encodeName(ro).constData(), 0444);
        const QString other = fx.writeFile("other.txt", "other\n");
        fx.start({a});
        fx.prompts.type("sub/b.txt");
        fx.prompts.type("a.txt");       // the same name: nothing
        fx.prompts.type("ro.txt");      // read-only target
        fx.prompts.answer(Answer::Yes);
        fx.prompts.type("other.txt");   // replaced in one step
        fx.prompts.answer(Answer::Yes);
        for (int i = 0; i < 4; ++i)
            fx.run("FileRenameMnu");
        QCOMPARE(fx.prompts.shown().first().text, QString("Rename|Rename \"a.txt\" to:|a.txt"));
        QCOMPARE(fx.prompts.texts(),
                 QStringList({"You should use \"Move\" if you want to change to location as well as the name of a file",
                              QString("File \"%1\" exists.  Overwrite?").arg(ro),
                              QString("File \"%1\" could not be delete so file \"%2\" could be renamed").arg(ro, a),
                              QString("File \"%1\" exists.  Overwrite?").arg(other)}));
        QCOMPARE(fx.readFile(ro), QByteArray("ro\n"));
        QCOMPARE(fx.readFile(other), QByteArray("a\n"));
        QVERIFY(!QFile::exists(a));
        QCOMPARE(fx.currentFileName(), other);
    }

    // An untitled document has no file: no call reaches a relative name.
    void untitledDocumentsGiveTheirFailureTexts() {
        MainWindowFixture fx;
        fx.start();
        fx.run("FileNewMnu");
        const QString name = fx.currentFileName();
        QVERIFY(!name.contains('/'));
        const QString trap = QDir::current().absoluteFilePath(name);
        QFile(trap).open(QIODevice::WriteOnly);   // a file of that name here
        fx.form().options().ConfirmPrompts = false;
        fx.run("FileDeleteMnu");
        fx.prompts.type("renamed.txt");
        fx.run("FileRenameMnu");
        QDir(fx.path("")).mkdir("to");
        copyMove(fx, "FileMoveMnu", fx.path("to"));
        QCOMPARE(fx.prompts.texts(),
                 QStringList({QString("Could not delete \"%1\"").arg(name),
                              QString("File \"%1\" could not be renamed").arg(name),
                              QString("File \"%1\" could not be moved").arg(name)}));
        QVERIFY(QFile::exists(trap));
        QFile::remove(trap);
        QCOMPARE(fx.currentFileName(), name);
    }

    void deleteAsksAboutAModifiedDocumentAndLeavesTheLists() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        listEverywhere(fx, {a});
        fx.start({a, b});
        fx.form().options().ConfirmPrompts = false;
        QCOMPARE(fx.currentFileName(), a);
        fx.form().Edit()->setTextBytes("unsaved");
        fx.prompts.answer(Answer::No);   // modified: asked whatever the option says
        fx.run("FileDeleteMnu");
        QVERIFY(QFile::exists(a));
        fx.prompts.answer(Answer::Yes);
        fx.prompts.answer(Answer::Yes);  // REMOVE from the open group
        fx.run("FileDeleteMnu");
        QCOMPARE(fx.prompts.texts(),
                 QStringList({QString("Sure you want to DELETE \"%1\"?").arg(a),
                              QString("Sure you want to DELETE \"%1\"?").arg(a),
                              QString("Do you want to REMOVE \"%1\" from the open group?").arg(a)}));
        QVERIFY(!QFile::exists(a));
        QVERIFY(!trashFolderFor(a).isEmpty());
        QVERIFY(QFile::exists(trashFolderFor(a) + "/files/a.txt"));
        QCOMPARE(fx.currentFileName(), b);
        QCOMPARE(fx.tabCaptions(), QStringList{"b.txt"});
        QCOMPARE(fx.form().lists().FindRecentFile(a), -1);
        QCOMPARE(fx.form().lists().FindFavorite(a), 0);   // a favorite stays
        QVERIFY(!fx.form().lists().IsInOpenGroup(a));
    }

    // Every question whose Yes destroys a file has No as its default, so a
    // Return too many keeps the file; No leaves both files as they were.
    void questionsThatDestroyAFileDefaultToNo_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("question");
        QTest::newRow("delete") << "FileDeleteMnu" << "Sure you want to DELETE \"{file}\"?";
        QTest::newRow("rename onto") << "FileRenameMnu" << "File \"{target}\" exists.  Overwrite?";
        QTest::newRow("copy onto") << "FileCopyMnu" << "File \"{target}\" eixsts.  Overwright?";
        QTest::newRow("move onto") << "FileMoveMnu" << "File \"{target}\" eixsts.  Overwright?";
    }
    void questionsThatDestroyAFileDefaultToNo() {
        QFETCH(QString, command);
        QFETCH(QString, question);
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "mine\n");
        QDir(fx.path("")).mkdir("to");
        const QString target = command == "FileRenameMnu" ? fx.writeFile("b.txt", "theirs\n")
                                                          : fx.writeFile("to/a.txt", "theirs\n");
        fx.start({a});
        fx.form().options().ConfirmPrompts = true;
        fx.prompts.answer(Answer::No);
        if (command == "FileRenameMnu")
            fx.prompts.type("b.txt");
        if (command == "FileCopyMnu" || command == "FileMoveMnu")
            copyMove(fx, command.toLatin1().constData(), fx.path("to"));
        else
            fx.run(command);
        QCOMPARE(fx.prompts.texts(), QStringList{question.replace("{file}", a).replace("{target}", target)});
        const QList<ShownPrompt>& shown = fx.prompts.shown();
        QCOMPARE(shown.last().kind, ShownPrompt::Kind::Question);
        QCOMPARE(shown.last().buttons, Buttons::YesNoDefaultNo);
        QCOMPARE(fx.readFile(a), QByteArray("mine\n"));
        QCOMPARE(fx.readFile(target), QByteArray("theirs\n"));
        QCOMPARE(fx.currentFileName(), a);
        QVERIFY(fx.prompts.scriptUsedUp());
    }

    void deleteOfAReadOnlyFileIsRefusedAlsoForRoot() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        ::chmod(QFile::encodeName(a).constData(), 0444);
        fx.start({a});
        fx.prompts.answer(Answer::Yes);
        fx.run("FileDeleteMnu");
        QCOMPARE(fx.prompts.texts().last(), QString("Could not delete \"%1\"").arg(a));
        QCOMPARE(fx.readFile(a), QByteArray("a\n"));
        QCOMPARE(fx.currentFileName(), a);
    }
};

QTEST_MAIN(FileOperationsTest)
#include "test_file_operations.moc"
