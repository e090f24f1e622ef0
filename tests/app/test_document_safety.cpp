// What must never happen to a user's text, through the real window: a refused
// document taking another document's place, Save All giving up on the
// documents behind a cancelled one, a stored position splitting a character,
// a character silently turned into "?", and a failure that names no file.
#include <QtTest>

#include <QFile>
#include <QFileDevice>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

const QString kLimit = QStringLiteral("No more Files can be Opened!");

QStringList manyFiles(MainWindowFixture& fx, int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << fx.writeFile(QStringLiteral("f%1.txt").arg(i), QByteArray::number(i) + '\n');
    return names;
}

// Types text as key presses carrying it, as a keyboard layout with these
// characters would.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void writeIni(MainWindowFixture& fx, const StoredSettings& s) {
    QFile file(fx.programDir() + "tw162.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(writeSettings(s));
}

} // namespace

class DocumentSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void theDocumentLimitRefusesWithoutTouchingAnyText_data() {
        QTest::addColumn<int>("existing");
        QTest::addColumn<int>("missing");
        // 256 files: the last is dropped. 255 files and a missing name: the
        // name would have become an untitled document's text.
        QTest::newRow("256 files") << 256 << 0;
        QTest::newRow("258 files") << 258 << 0;
        QTest::newRow("255 files and a missing one") << 255 << 1;
    }
    void theDocumentLimitRefusesWithoutTouchingAnyText() {
        QFETCH(int, existing);
        QFETCH(int, missing);
        MainWindowFixture fx;
        QStringList arguments = manyFiles(fx, existing);
        for (int i = 0; i < missing; ++i)
            arguments << fx.path(QStringLiteral("missing%1.txt").arg(i));
        TMainForm& form = fx.start(arguments);
        QCOMPARE(fx.prompts.texts(), QStringList{kLimit});
        QCOMPARE(form.documents().DocCount(), 255);
        QCOMPARE(fx.currentFileName(), arguments.first());
        QCOMPARE(fx.shownText(), QByteArray("1"));
        QVERIFY(!form.Edit()->isModified());

        // Selection > Open with 255 documents: refused, nothing changes,
        // and the undo history is left alone.
        form.Edit()->setSelection(0, 1);
        form.Edit()->replaceSelection("one");
        form.Edit()->setSelection(0, 2);
        fx.prompts.clear();
        fx.run("FileSelectionOpenMnu");
        QCOMPARE(fx.prompts.texts(), QStringList{kLimit});
        QCOMPARE(form.documents().DocCount(), 255);
        QCOMPARE(fx.shownText(), QByteArray("one"));
        QVERIFY(form.Edit()->canUndo());
        form.Edit()->undo();
        QCOMPARE(fx.shownText(), QByteArray("1"));
    }

    void saveAllGoesOnPastADocumentThatIsNotSaved() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        const QString taken = fx.writeFile("taken.txt", "keep\n");
        TMainForm& form = fx.start({a, b});
        for (int i = 0; i < 2; ++i) {
            fx.run("ViewNextMnu");
            form.Edit()->insertBytes(0, "new ");
        }
        form.files().FileNewMnuClick();
        form.Edit()->insertBytes(0, "draft");

        // The shown untitled document: first a cancelled dialog, then a
        // refused overwrite. Both times the named documents are written.
        fx.prompts.cancelDialog();
        QVERIFY(!form.files().FileSaveAllMnuClick());
        QCOMPARE(fx.readFile(a), QByteArray("new a\n"));
        QCOMPARE(fx.readFile(b), QByteArray("new b\n"));

        for (int i = 0; i < 2; ++i) {
            fx.run("ViewNextMnu");
            form.Edit()->insertBytes(0, "more ");
        }
        fx.run("ViewNextMnu");
        QCOMPARE(fx.shownText(), QByteArray("draft"));
        fx.prompts.choose(taken);
        fx.prompts.answer(Answer::No);
        QVERIFY(!form.files().FileSaveAllMnuClick());
        QCOMPARE(fx.readFile(taken), QByteArray("keep\n"));
        QCOMPARE(fx.readFile(a), QByteArray("more new a\n"));
        QCOMPARE(fx.readFile(b), QByteArray("more new b\n"));
        QVERIFY(form.Edit()->isModified());
        QVERIFY(fx.prompts.scriptUsedUp());
    }

    void aFailedSaveNamesItsFile() {
        MainWindowFixture fx;
        const QString gone = fx.path("gone/x.txt");
        QDir().mkpath(fx.path("gone"));
        const QString name = fx.writeFile("gone/x.txt", "x\n");
        TMainForm& form = fx.start({name});
        form.Edit()->insertBytes(0, "y");
        QDir(fx.path("gone")).removeRecursively();
        fx.prompts.clear();
        QVERIFY(!form.files().FileSaveMnuClick());
        QCOMPARE(fx.prompts.texts().size(), 1);
        QVERIFY2(fx.prompts.texts().first().startsWith(gone + ": "),
                 qPrintable(fx.prompts.texts().first()));
    }

    void aStoredSelectionNeverSplitsACharacter() {
        // The file changed between runs: the stored positions fall inside
        // "é" (c3 a9) and inside a CR LF.
        MainWindowFixture fx;
        const QString shown = fx.writeFile("shown.txt", "x\xc3\xa9y\n");
        const QString parked = fx.writeFile("parked.txt", "ab\r\ncd\r\n");
        StoredSettings s = firstRunSettings();
        s.startupMode = 0;
        s.documents = {{shown.toUtf8(), 0, 2, 0}, {parked.toUtf8(), 0, 3, 2}};
        writeIni(fx, s);
        TMainForm& form = fx.start();
        QCOMPARE(form.Edit()->selStart(), qsizetype(3));
        QTest::keyClicks(form.Edit(), "X");
        QCOMPARE(fx.shownText(), QByteArray("x\xc3\xa9Xy"));
        fx.run("ViewNextMnu");
        QCOMPARE(form.Edit()->selStart(), qsizetype(4));
        QCOMPARE(form.Edit()->selectedBytes(), QByteArray("cd"));
    }

    void typingTheFirstCharacterLatin1CannotHoldMarksTheDocumentModified() {
        MainWindowFixture fx;
        const QString name = fx.writeFile("latin.txt", "caf\xe9\n");
        TMainForm& form = fx.start({name});
        form.Edit()->setSelStart(4);
        typeText(form.Edit(), QString::fromUtf8("€"));
        QVERIFY(form.Edit()->isModified());
        QCOMPARE(form.panelText(1), QStringLiteral("Modified"));
        QVERIFY(fx.isEnabled("FileSaveMnu"));
        fx.prompts.answer(Answer::Yes);
        fx.run("FileSaveMnu");
        QCOMPARE(fx.readFile(name), QByteArray("caf\xc3\xa9\xe2\x82\xac\n"));
    }

    void aCharacterLatin1CannotHoldIsKeptAndAskedAbout() {
        MainWindowFixture fx;
        const QString name = fx.writeFile("latin.txt", "caf\xe9\n");
        TMainForm& form = fx.start({name});
        EditControl& edit = *form.Edit();
        QCOMPARE(edit.encoding(), TextEncoding::Latin1);
        edit.setSelStart(4);
        typeText(&edit, QString::fromUtf8(" €"));
        QCOMPARE(edit.encoding(), TextEncoding::Utf8);
        QCOMPARE(fx.shownText(), QByteArray("caf\xc3\xa9 \xe2\x82\xac"));

        // No: nothing is written, the text stays as typed.
        fx.prompts.answer(Answer::No);
        QVERIFY(!form.files().FileSaveMnuClick());
        QCOMPARE(fx.readFile(name), QByteArray("caf\xe9\n"));
        QVERIFY(fx.prompts.texts().last().contains("cannot hold"));
        QVERIFY(edit.isModified());

        // Undo takes the euro sign away; the text fits Latin-1 again and is
        // saved as Latin-1 without a question.
        edit.undo();
        fx.prompts.clear();
        QVERIFY(form.files().FileSaveMnuClick());
        QVERIFY(fx.prompts.texts().isEmpty());
        QCOMPARE(fx.readFile(name), QByteArray("caf\xe9 \n"));
        // Undone past the change of encoding: single-byte again.
        edit.undo();
        QCOMPARE(edit.encoding(), TextEncoding::Latin1);
        QCOMPARE(fx.shownText(), QByteArray("caf\xe9 "));

        // Yes: the file becomes UTF-8, every character kept.
        edit.setSelStart(edit.length());
        typeText(&edit, QString::fromUtf8("€"));
        fx.prompts.answer(Answer::Yes);
        QVERIFY(form.files().FileSaveMnuClick());
        QCOMPARE(fx.readFile(name), QByteArray("caf\xc3\xa9 \xe2\x82\xac\n"));
        QVERIFY(!edit.isModified());
    }
};

QTEST_MAIN(DocumentSafetyTest)
#include "test_document_safety.moc"
