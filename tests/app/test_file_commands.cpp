// The File menu's commands through the real main window.
#include <QtTest>

#include <QMenu>
#include <QTabBar>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "platform/FileAttributes.h"
#include "support/FakeClipboard.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void openingAnOpenFileAgainMakesAnIndependentDocument() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "same\n");
        fx.start({a});
        fx.prompts.choose(a);
        fx.run("OpenSpdBtn");
        QCOMPARE(fx.form().documents().DocCount(), 2);
        fx.form().Edit()->insertBytes(0, "changed ");
        fx.run("NextSpdBtn");
        QCOMPARE(fx.shownText(), QByteArray("same"));
        QVERIFY(!fx.form().Edit()->isModified());
    }

    void openDialogUsesFilterIndexOfTheCurrentExtension() {
        MainWindowFixture fx;
        const QString c = fx.writeFile("main.cpp", "int x;\n");
        fx.start({c});
        fx.prompts.cancelDialog();
        fx.run("FileOpenMnu");
        const FileDialogRequest& request = fx.prompts.shown().last().request;
        QCOMPARE(request.filterIndex, 4);   // "C++ Files (cpp)|*.cpp" is the 4th pattern
        QVERIFY(request.createPrompt);
        QCOMPARE(fx.form().documents().DocCount(), 1);
    }

    void openingAMissingNameMakesANamedDocumentThatSavesWithoutADialog() {
        MainWindowFixture fx;
        fx.start();
        const QString fresh = fx.path("fresh.c");
        fx.prompts.choose(fresh);
        fx.run("FileOpenMnu");
        QCOMPARE(fx.currentFileName(), fresh);
        QCOMPARE(fx.tabCaptions().last(), QStringLiteral("fresh.c"));
        QCOMPARE(fx.shownText(), QByteArray());
        fx.form().Edit()->insertBytes(0, "int main;");
        fx.run("SaveSpdBtn");
        QVERIFY(fx.prompts.scriptUsedUp());
        QCOMPARE(fx.prompts.shown().size(), 1);   // the open dialog only
        QCOMPARE(MainWindowFixture::readFile(fresh), QByteArray("int main;\n"));
        QCOMPARE(fx.form().options().dialogs.openDir, fx.path(QString()));
    }

    // The name was free when chosen; a file another program puts there
    // meanwhile is not written over unasked.
    void aFileMadeMeanwhileUnderAnOpenedFreeNameIsNotOverwrittenUnasked() {
        MainWindowFixture fx;
        fx.start();
        const QString fresh = fx.path("fresh.c");
        fx.prompts.choose(fresh);
        fx.run("FileOpenMnu");
        fx.form().Edit()->insertBytes(0, "int main;");
        fx.writeFile("fresh.c", "theirs\n");
        fx.prompts.clear();
        fx.prompts.answer(Answer::No);
        fx.run("SaveSpdBtn");
        QCOMPARE(fx.prompts.texts().size(), 1);
        QVERIFY(fx.prompts.texts().first().contains("has been changed on disk"));
        QCOMPARE(MainWindowFixture::readFile(fresh), QByteArray("theirs\n"));
        QVERIFY(fx.form().Edit()->isModified());
    }

    void readOnlyTickAndReadOnlyFiles() {
        MainWindowFixture fx;
        const QString locked = fx.writeFile("locked.txt", "keep\n");
        QVERIFY(setFileAttributes(locked, FileAttribute::ReadOnly).isEmpty());
        const QString open = fx.writeFile("open.txt", "free\n");
        fx.start();
        fx.prompts.choose(open, true);
        fx.run("FileOpenMnu");
        QVERIFY(fx.form().Edit()->isReadOnly());
        // A file without write permission opens read-only, and Save refuses it.
        fx.form().files().OpenAsCurrent(locked, true);
        QVERIFY(fx.form().Edit()->isReadOnly());
        fx.form().SetReadOnly(false);
        fx.form().Edit()->insertBytes(0, "x");
        fx.prompts.clear();
        fx.run("FileSaveMnu");
        QCOMPARE(fx.prompts.texts(),
                 QStringList{"This is a readonly file.  If you want to save this file, use a "
                             "different name."});
        QCOMPARE(fx.prompts.shown().last().type, MessageType::Error);
        QVERIFY(fx.form().Edit()->isModified());
        QCOMPARE(MainWindowFixture::readFile(locked), QByteArray("keep\n"));
    }

    void insertPutsTheFileAtTheCaret() {
        MainWindowFixture fx;
        const QString part = fx.writeFile("part.txt", "inserted\n");
        const QString doc = fx.writeFile("doc.txt", "existing\n");
        fx.start({doc});
        fx.prompts.choose(part);
        fx.run("FileInsertMnu");
        const FileDialogRequest& request = fx.prompts.shown().last().request;
        QCOMPARE(request.title, QStringLiteral("Insert"));
        QVERIFY(request.hideReadOnly);
        QCOMPARE(fx.shownText(), QByteArray("insertedexisting"));
        QCOMPARE(fx.form().Edit()->caretPosition(), qsizetype(0));
        // A Latin-1 file inserted into a UTF-8 document arrives as UTF-8.
        const QString latin = fx.writeFile("latin.txt", "caf\xe9\n");
        fx.prompts.choose(latin);
        fx.run("FileInsertMnu");
        QVERIFY(fx.shownText().startsWith("caf\xc3\xa9"));
    }

    void reloadAsksAndKeepsReadOnlyAndTab() {
        MainWindowFixture fx;
        const QString doc = fx.writeFile("doc.txt", "first\n");
        fx.start({doc});
        fx.form().Edit()->insertBytes(0, "edit ");
        fx.form().SetReadOnly(true);
        fx.writeFile("doc.txt", "second\n");
        fx.prompts.answer(Answer::No);
        fx.run("FileReloadMnu");
        QCOMPARE(fx.shownText(), QByteArray("edit first"));
        fx.prompts.answer(Answer::Yes);
        fx.run("FileReloadMnu");
        QCOMPARE(fx.prompts.texts(), (QStringList{"Reload \"" + doc + "\"?", "Reload \"" + doc + "\"?"}));
        QCOMPARE(fx.shownText(), QByteArray("second"));
        QVERIFY(!fx.form().Edit()->isModified());
        QVERIFY(fx.form().Edit()->isReadOnly());
        QFile::remove(doc);
        fx.prompts.clear();
        fx.run("FileReloadMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{"File \"" + doc + "\" cannot be found"});
    }

    void theLimitIs255Documents() {
        MainWindowFixture fx;
        const QString doc = fx.writeFile("doc.txt", "x\n");
        fx.start({doc});
        for (int i = 1; i < 255; ++i)
            QCOMPARE(fx.form().files().OpenInBackground(doc, false, false), OpenOk);
        QCOMPARE(fx.form().documents().DocCount(), 255);
        fx.prompts.clear();
        fx.run("FileNewMnu");
        fx.run("FileOpenMnu");
        QCOMPARE(fx.form().files().OpenAsCurrent(doc, true), LimitReached);
        QCOMPARE(fx.prompts.texts(), QStringList(3, "No more Files can be Opened!"));
        QCOMPARE(fx.form().documents().DocCount(), 255);
        // Reload and Insert add no document and still work.
        fx.prompts.clear();
        fx.prompts.answer(Answer::Yes);
        fx.run("FileReloadMnu");
        fx.prompts.choose(doc);
        fx.run("FileInsertMnu");
        QCOMPARE(fx.shownText(), QByteArray("xx"));
        QVERIFY(fx.prompts.unexpected().isEmpty());
        // Every tab leads to its own document.
        fx.run("PreviousSpdBtn");
        QCOMPARE(fx.form().documents().DocCount(), 255);
        QCOMPARE(fx.shownText(), QByteArray("x"));
    }

    void selectionSaveAndOpen() {
        MainWindowFixture fx;
        const QString doc = fx.writeFile("doc.txt", "one two three\n");
        const QString target = fx.writeFile("sel.txt", "old\n");
        fx.start({doc});
        fx.form().Edit()->setSelection(4, 3);
        fx.prompts.choose(target);
        fx.prompts.answer(Answer::No);
        fx.run("FileSelectionSaveMnu");
        QCOMPARE(fx.prompts.shown().first().request.title, QStringLiteral("Save Selection"));
        QCOMPARE(fx.prompts.texts(), QStringList{target + " exists.  Overwrite?"});
        QCOMPARE(MainWindowFixture::readFile(target), QByteArray("old\n"));
        fx.prompts.choose(target);
        fx.prompts.answer(Answer::Yes);
        fx.run("FileSelectionSaveMnu");
        QCOMPARE(MainWindowFixture::readFile(target), QByteArray("two"));
        QVERIFY(!fx.form().Edit()->isModified());

        fx.run("FileSelectionOpenMnu");
        QCOMPARE(fx.form().documents().DocCount(), 2);
        QCOMPARE(fx.shownText(), QByteArray("two"));
        QVERIFY(fx.currentFileName().startsWith("Untitled"));
    }

    void fileMenuOpeningEnablesBySelectionAndFile() {
        MainWindowFixture fx;
        const QString doc = fx.writeFile("doc.txt", "abc\n");
        fx.start({doc});
        QMenu* file = fx.form().findChild<QMenu*>("FileMnu");
        emit file->aboutToShow();
        QVERIFY(!fx.isEnabled("FileSelectionMnu"));
        QVERIFY(fx.isEnabled("FileReloadMnu"));
        fx.form().Edit()->setSelection(0, 2);
        emit file->aboutToShow();
        QVERIFY(fx.isEnabled("FileSelectionMnu"));
        fx.run("FileNewMnu");
        emit file->aboutToShow();
        QVERIFY(!fx.isEnabled("FileReloadMnu"));
        QMenu* backup = fx.form().findChild<QMenu*>("FileBackupMnu");
        emit backup->aboutToShow();
        QVERIFY(fx.isEnabled("FileBackupAllFilesMnu"));   // two documents open
    }

    void mailCaptureNamesTheDocumentAfterFirstLineAndSubject() {
        MainWindowFixture fx;
        fx.start();
        fx.form().options().dialogs.saveDir = fx.path(QString());
        FakeClipboard clipboard;
        clipboard.setText(QStringLiteral("Hello there"));
        fx.form().files().MailCapture(clipboard);
        QCOMPARE(fx.shownText(), QByteArray("Welcome to Tarnwick."));

        clipboard.setText(
            QStringLiteral("From joe@example.com Mon\nTo: me\nSubject: Re: a/b?\n\nBody <x> *|\"\\"));
        fx.form().files().MailCapture(clipboard);
        QCOMPARE(fx.shownText(), clipboard.text().toUtf8());
        QCOMPARE(fx.currentFileName(),
                 fx.path("From joe@example.com Mon[Re; a;b].txt"));
        QVERIFY(!QFile::exists(fx.currentFileName()));

        clipboard.setText(QStringLiteral("From a:b\nsubject: x*y>z|w\"v\\u?t/\n"));
        fx.form().files().MailCapture(clipboard);
        QCOMPARE(fx.currentFileName(), fx.path("From a;b[x[asterix]y)zIw'v;u!t].txt"));
    }

    // A read-only document takes no mail: it keeps its text and its name, so
    // a later save cannot write the file's text under the mail's name.
    void mailCaptureLeavesAReadOnlyDocumentAlone() {
        MainWindowFixture fx;
        const QString file = fx.writeFile("kept.txt", "kept text\n");
        fx.start({file});
        fx.form().options().dialogs.saveDir = fx.path(QString());
        fx.run("OptionsReadOnlyMnu");
        QVERIFY(fx.form().Edit()->isReadOnly());
        FakeClipboard clipboard;
        clipboard.setText(QStringLiteral("From joe\nSubject: hi!\n\nBody"));
        fx.form().files().MailCapture(clipboard);
        QCOMPARE(fx.shownText(), QByteArray("kept text"));
        QCOMPARE(fx.currentFileName(), file);
        QVERIFY(!fx.form().Edit()->isModified());
    }

    // The mail's name may be a file already (the same mail kept before, with
    // notes added): a save asks before it writes over it.
    void aCapturedMailDoesNotOverwriteAnExistingFileUnasked() {
        MainWindowFixture fx;
        fx.start();
        fx.form().options().dialogs.saveDir = fx.path(QString());
        const QString kept = fx.writeFile("From joe[hi].txt", "kept notes\n");
        fx.run("FileNewMnu");
        FakeClipboard clipboard;
        clipboard.setText(QStringLiteral("From joe\nSubject: hi!\n\nBody"));
        fx.form().files().MailCapture(clipboard);
        QCOMPARE(fx.currentFileName(), kept);
        fx.prompts.clear();
        fx.prompts.answer(Answer::No);
        fx.run("FileSaveMnu");
        QCOMPARE(fx.prompts.texts().size(), 1);
        QVERIFY(fx.prompts.texts().first().contains("has been changed on disk"));
        QCOMPARE(MainWindowFixture::readFile(kept), QByteArray("kept notes\n"));
        QVERIFY(fx.form().Edit()->isModified());
        // A name no file has yet is simply written.
        QFile::remove(kept);
        fx.run("FileSaveMnu");
        QCOMPARE(MainWindowFixture::readFile(kept), QByteArray("From joe\nSubject: hi!\n\nBody\n"));
    }

    void mailCaptureKeepsEveryCharacterAndNeverChangesAReadOnlyDocument() {
        MainWindowFixture fx;
        fx.start({fx.writeFile("latin.txt", "caf\xE9\n")});   // not UTF-8: a single-byte document
        fx.form().options().dialogs.saveDir = fx.path(QString());
        const QString latin = fx.currentFileName();
        FakeClipboard clipboard;
        clipboard.setText(QStringLiteral("From a\nSubject: 5 \u20AC\n\nCaf\u00E9 \u20AC"));
        fx.run("OptionsReadOnlyMnu");
        fx.form().files().MailCapture(clipboard);
        QCOMPARE(fx.shownText(), QByteArray("caf\xE9"));
        QCOMPARE(fx.currentFileName(), latin);

        fx.run("OptionsReadOnlyMnu");
        fx.form().files().MailCapture(clipboard);
        QCOMPARE(QString::fromUtf8(fx.shownText()), clipboard.text());
        QCOMPARE(fx.currentFileName(), fx.path(QStringLiteral("From a[5 ].txt")));
        fx.discardAll();
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_file_commands.moc"
