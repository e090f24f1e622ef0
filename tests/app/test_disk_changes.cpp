// What a save keeps and what it never overwrites unasked, through the real
// window: another program's change, a file deleted meanwhile, stale
// temporaries, the settings file that cannot be written, and the questions
// whose Yes would throw text away.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabBar>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

const QString kChanged = QStringLiteral("has been changed on disk");

// Another program writes the file; its time is set apart from the editor's
// reading so that a change of the same size shows too.
void changeOnDisk(const QString& path, const QByteArray& bytes, int secondsLater = 5) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    struct timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) + secondsLater, 0}};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

// The window loses and regains the focus, as when the user comes back from
// another program.
void comeBack(TMainForm& form) {
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

QString panel1(TMainForm& form) { return form.panelText(1); }

// Which tabs carry the changed-on-disk mark: an icon, and a hint after the name.
QList<bool> tabMarks(TMainForm& form) {
    QList<bool> marks;
    QTabBar* tabs = form.Tabs();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const bool icon = !tabs->tabIcon(tab).isNull();
        const bool hint = tabs->tabToolTip(tab).contains(QStringLiteral("Changed on disk by another program"));
        marks << (icon && hint);
        if (icon != hint)
            qWarning("tab %d: icon and hint disagree", tab);
    }
    return marks;
}

const QString kKeptStart = QStringLiteral("\"%1\" was being saved when the editor stopped");

} // namespace

class DiskChangesTest : public QObject {
    Q_OBJECT
private slots:
    void aSaveAsksBeforeReplacingAnotherProgramsChange() {
        MainWindowFixture fx;
        const QString path = fx.writeFile(QStringLiteral("shared.txt"), "mine\n");
        fx.start({path});
        EditControl* edit = fx.form().Edit();
        edit->insertBytes(0, "edited ");
        changeOnDisk(path, "theirs\n");   // same length: only the time tells

        fx.prompts.answer(Answer::No);
        QVERIFY(!fx.form().files().FileSaveMnuClick());
        QCOMPARE(fx.prompts.shown().size(), 1);
        QVERIFY(fx.prompts.shown()[0].text.contains(kChanged));
        QCOMPARE(fx.prompts.shown()[0].buttons, Buttons::YesNoDefaultNo);
        QCOMPARE(MainWindowFixture::readFile(path), QByteArray("theirs\n"));
        QVERIFY(edit->isModified());

        fx.prompts.answer(Answer::Yes);
        QVERIFY(fx.form().files().FileSaveMnuClick());
        QCOMPARE(MainWindowFixture::readFile(path), QByteArray("edited mine\n"));
        // Its own save is no change by another program.
        edit->insertBytes(0, "again ");
        QVERIFY(fx.form().files().FileSaveMnuClick());
        QCOMPARE(fx.prompts.shown().size(), 2);

        // A file deleted meanwhile is simply made again.
        QVERIFY(QFile::remove(path));
        edit->insertBytes(0, "x");
        QVERIFY(fx.form().files().FileSaveMnuClick());
        QCOMPARE(MainWindowFixture::readFile(path), QByteArray("xagain edited mine\n"));
        QCOMPARE(fx.prompts.shown().size(), 2);
    }

    void comingBackReloadsCleanDocumentsAndMarksModifiedOnes() {
        MainWindowFixture fx;
        const QString clean = fx.writeFile(QStringLiteral("clean.txt"), "old clean\n");
        const QString parked = fx.writeFile(QStringLiteral("parked.txt"), "old parked\n");
        const QString edited = fx.writeFile(QStringLiteral("edited.txt"), "old edited\n");
        const QString deleted = fx.writeFile(QStringLiteral("deleted.txt"), "kept\n");
        TMainForm& form = fx.start({edited, parked, deleted, clean});
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Edit()->insertBytes(0, "my ");   // edited.txt is shown
        changeOnDisk(clean, "new clean text\n");
        changeOnDisk(parked, "new parked\n");
        changeOnDisk(edited, "their edit\n");
        QVERIFY(QFile::remove(deleted));
        comeBack(form);

        QCOMPARE(fx.shownText(), QByteArray("my old edited"));
        QCOMPARE(panel1(form), QStringLiteral("Modified; changed on disk"));
        QVERIFY(fx.prompts.shown().isEmpty());
        DocumentTable& table = form.documents();
        for (int slot = 1; slot < table.DocCount(); ++slot) {
            const DocRecord* rec = table.record(slot);
            QVERIFY(!rec->Modified);
            const QByteArray text = form.Edit()->withDocumentText(
                rec->Text, [](const char* data, qsizetype len) { return QByteArray(data, len); });
            if (rec->FileName == clean)
                QCOMPARE(text, QByteArray("new clean text"));
            else if (rec->FileName == parked)
                QCOMPARE(text, QByteArray("new parked"));
            else
                QCOMPARE(text, QByteArray("kept"));   // its file is gone, the document stays
        }
        form.Edit()->setModifiedFlag(false);
    }

    // A modified document whose file changed is marked on its tab too, shown
    // or parked, with its caption unchanged; a save or a reload takes the
    // mark away, as does undoing back to the saved text.
    void modifiedDocumentsChangedOnDiskAreMarkedOnTheirTabs() {
        MainWindowFixture fx;
        const QString a = fx.writeFile(QStringLiteral("a.txt"), "old a\n");
        const QString b = fx.writeFile(QStringLiteral("b.txt"), "old b\n");
        const QString c = fx.writeFile(QStringLiteral("c.txt"), "old c\n");
        TMainForm& form = fx.start({a, b, c});
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.options().ConfirmPrompts = true;
        QTabBar* tabs = form.Tabs();
        for (int tab : {1, 0}) {   // a (shown at the end) and b are modified, c is not
            tabs->setCurrentIndex(tab);
            QTest::keyClicks(form.Edit(), QStringLiteral("my "));
        }
        QCOMPARE(fx.currentFileName(), a);
        QCOMPARE(tabMarks(form), (QList<bool>{false, false, false}));
        for (const QString& file : {a, b, c})
            changeOnDisk(file, "their text\n");
        comeBack(form);
        QCOMPARE(tabMarks(form), (QList<bool>{true, true, false}));   // c was reloaded quietly
        QCOMPARE(fx.tabCaptions(), (QStringList{"a.txt", "b.txt", "c.txt"}));
        QVERIFY(tabs->tabToolTip(1).startsWith(b + QLatin1Char('\n')));

        fx.prompts.answer(Answer::Yes);   // overwrite their change
        QVERIFY(form.files().FileSaveMnuClick());
        QCOMPARE(tabMarks(form), (QList<bool>{false, true, false}));
        QCOMPARE(tabs->tabToolTip(0), a);

        tabs->setCurrentIndex(1);   // the mark moves with its document
        QCOMPARE(tabMarks(form), (QList<bool>{false, true, false}));
        QCOMPARE(panel1(form), QStringLiteral("Modified; changed on disk"));
        fx.prompts.answer(Answer::Yes);   // Reload?
        fx.run(QStringLiteral("FileReloadMnu"));
        QCOMPARE(fx.shownText(), QByteArray("their text"));
        QCOMPARE(tabMarks(form), (QList<bool>{false, false, false}));

        // Undone back to the saved text, the document has nothing to mark.
        QTest::keyClicks(form.Edit(), QStringLiteral("x"));
        changeOnDisk(b, "theirs again\n", 10);
        comeBack(form);
        QCOMPARE(tabMarks(form), (QList<bool>{false, true, false}));
        form.Edit()->undo();
        QCOMPARE(tabMarks(form), (QList<bool>{false, false, false}));
        QVERIFY(fx.prompts.scriptUsedUp());
    }

    // A copy of the old contents left by a save in place that was stopped is
    // told about, with its full path, when the file is opened, and at a save
    // when it was not told yet; it is never removed. Copies that a running
    // save still holds, and other names, are not the editor's leftovers.
    void keptCopiesOfOldContentsAreToldAndKept() {
        MainWindowFixture fx;
        const QString path = fx.writeFile(QStringLiteral("doc.txt"), "maybe cut sh");
        const QString kept = fx.writeFile(QStringLiteral(".doc.txt.tw-old-Ab12Cd"), "the whole old text\n");
        const QString held = fx.writeFile(QStringLiteral(".doc.txt.tw-old-Held00"), "a running save's");
        const QStringList others{fx.writeFile(QStringLiteral(".doc.txt.tw-old-abc"), "x"),
                                 fx.writeFile(QStringLiteral(".other.txt.tw-old-Ab12Cd"), "x"),
                                 fx.writeFile(QStringLiteral("doc.txt.tw-old-Ab12Cd"), "x")};
        QFile holder(held);
        QVERIFY(holder.open(QIODevice::ReadOnly));
        QVERIFY(::flock(holder.handle(), LOCK_EX) == 0);

        TMainForm& form = fx.start({path});
        QCOMPARE(fx.prompts.texts().size(), 1);
        const QString told = fx.prompts.texts().first();
        QVERIFY2(told.startsWith(kKeptStart.arg(path)), qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral("a copy of its previous contents is kept in \"%1\"").arg(kept)),
                 qPrintable(told));
        QVERIFY(!told.contains(held));
        QCOMPARE(fx.prompts.shown().first().type, MessageType::Warning);

        // Told already: the save says nothing more, and keeps the copy.
        form.Edit()->insertBytes(0, "fixed: ");
        QVERIFY(form.files().FileSaveMnuClick());
        QCOMPARE(fx.prompts.texts().size(), 1);
        // One that appears meanwhile (another editor's save that died) is told at the save.
        const QString later = fx.writeFile(QStringLiteral(".doc.txt.tw-old-Zz99Yy"), "older still");
        holder.close();
        form.Edit()->insertBytes(0, "again ");
        QVERIFY(form.files().FileSaveMnuClick());
        QCOMPARE(fx.prompts.texts().size(), 2);
        QVERIFY(fx.prompts.texts()[1].contains(later));
        QVERIFY(fx.prompts.texts()[1].contains(held));   // its save is no longer running
        QVERIFY(!fx.prompts.texts()[1].contains(kept));
        QCOMPARE(MainWindowFixture::readFile(path), QByteArray("again fixed: maybe cut sh"));

        // Reading the file again tells every copy again.
        form.options().ConfirmPrompts = false;
        fx.run(QStringLiteral("FileReloadMnu"));
        QCOMPARE(fx.prompts.texts().size(), 3);
        for (const QString& copy : {kept, held, later})
            QVERIFY(fx.prompts.texts()[2].contains(copy));
        for (const QString& copy : QStringList{kept, held, later} + others)
            QVERIFY2(QFile::exists(copy), qPrintable(copy));
        QCOMPARE(MainWindowFixture::readFile(kept), QByteArray("the whole old text\n"));
    }

    // Leftovers of a save that died are removed when the file is opened.
    void openingRemovesStaleTemporaries() {
        MainWindowFixture fx;
        const QString path = fx.writeFile(QStringLiteral("doc.txt"), "text\n");
        fx.writeFile(QStringLiteral(".doc.txt.tw-Ab12Cd"), "half a save");
        fx.start({path});
        QVERIFY(!QFile::exists(fx.path(QStringLiteral(".doc.txt.tw-Ab12Cd"))));
    }

    void questionsThatDiscardTextDefaultToNo() {
        MainWindowFixture fx;
        const QString path = fx.writeFile(QStringLiteral("a.txt"), "a\n");
        const QString other = fx.writeFile(QStringLiteral("b.txt"), "b\n");
        TMainForm& form = fx.start({path});
        form.options().ConfirmPrompts = true;
        form.Edit()->insertBytes(0, "x");
        fx.prompts.answer(Answer::No);
        fx.run(QStringLiteral("FileReloadMnu"));
        fx.prompts.choose(other);
        fx.prompts.answer(Answer::No);
        fx.run(QStringLiteral("FileSaveAsMnu"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        fx.prompts.answer(Answer::Yes);   // save it: refused, read-only
        fx.prompts.answer(Answer::No);    // so do not exit
        QVERIFY(!form.close());
        QVERIFY(form.Edit()->isModified());
        QStringList asked;
        for (const ShownPrompt& p : fx.prompts.shown())
            if (p.kind == ShownPrompt::Kind::Question && p.buttons == Buttons::YesNoDefaultNo)
                asked << p.text;
        QCOMPARE(asked, (QStringList{QStringLiteral("Reload \"") + path + QStringLiteral("\"?"),
                                     other + QStringLiteral(" exists.  Overwrite?"),
                                     QStringLiteral("Still Wish to Exit Without Saving Changes?")}));
        form.Edit()->setModifiedFlag(false);
    }

    void aSettingsFileThatCannotBeWrittenIsTold() {
        MainWindowFixture fx;
        fx.start();
        QVERIFY(QDir().mkdir(fx.programDir() + QStringLiteral("tw162.ini")));
        QVERIFY(fx.form().close());
        const QStringList texts = fx.prompts.texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts[0].startsWith(QStringLiteral("The settings were not saved.")));
        QVERIFY(texts[0].contains(fx.programDir() + QStringLiteral("tw162.ini")));
    }
};

QTEST_MAIN(DiskChangesTest)
#include "test_disk_changes.moc"
