// Unsaved work survives a crash: the real program is killed with SIGKILL
// after typing, and the next start offers the text back.
#include <QtTest>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/RecoveryJournal.h"
#include "editing/EditControl.h"
#include "platform/ProgramDirectory.h"
#include "platform/ScratchMount.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

const QString kQuestionStart = QStringLiteral("Tarnwick did not close normally");

// The entry files under a program directory's recovery folder.
QStringList journalEntries(const QString& programDir) {
    QStringList found;
    QDirIterator it(programDir + QStringLiteral("/recovery"), {QStringLiteral("*.entry")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

// Copies a program directory's recovery folder into another one, as an
// editor that died would have left it.
void copyRecovery(const QString& from, const QString& to) {
    QDirIterator it(from + QStringLiteral("/recovery"), QDir::Files | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QStringLiteral("/recovery/") +
                               QDir(from + QStringLiteral("/recovery")).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QVERIFY(QFile::copy(source, target));
    }
}

bool waitFor(const std::function<bool()>& condition, int ms = 15000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        QTest::qWait(100);
    }
    return true;
}

// The notices shown so far: news that does not take the keyboard.
QStringList notices(const ScriptedPrompts& prompts) {
    QStringList found;
    for (const ShownPrompt& p : prompts.shown())
        if (p.kind == ShownPrompt::Kind::Notice)
            found << p.text;
    return found;
}

// Fills a file system until it has no room left; returns the filler's path.
QString fillUp(const QString& folder) {
    const QString filler = folder + QStringLiteral("/filler");
    QFile file(filler);
    if (!file.open(QIODevice::WriteOnly))
        return filler;
    const QByteArray block(4096, 'x');
    while (file.write(block) == block.size() && file.flush()) {
    }
    return filler;
}

} // namespace

class CrashRecoveryTest : public QObject {
    Q_OBJECT
private slots:
    // The real program, in a program directory of its own (its executable's
    // folder), is given text on its command line, which becomes a modified
    // untitled document; it is killed once that is journaled.
    void aKilledProgramsTextIsOfferedBack() {
        const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/../tarnwick");
        if (!QFileInfo::exists(built))
            QSKIP("the program is not built");
        QTemporaryDir programDir;
        const QString program = programDir.filePath(QStringLiteral("tarnwick"));
        QVERIFY(QFile::copy(built, program));
        QFile readme(programDir.filePath(QStringLiteral("readme.txt")));
        QVERIFY(readme.open(QIODevice::WriteOnly));
        readme.close();
        QProcess editor;
        editor.setProgram(program);
        const QString typed = QStringLiteral("typed before the crash: caf\u00e9");
        editor.setArguments({typed});
        editor.start();
        QVERIFY(editor.waitForStarted());
        QVERIFY2(waitFor([&] { return !journalEntries(programDir.path()).isEmpty(); }),
                 "nothing was journaled");

        // While it runs, its journal is its own: another editor in the same
        // program directory offers nothing.
        {
            MainWindowFixture other(false);
            setProgramDirectory(programDir.path());
            other.start();
            QVERIFY(other.prompts.texts().isEmpty());
        }
        editor.kill();   // SIGKILL
        QVERIFY(editor.waitForFinished());

        // The next start in that program directory.
        MainWindowFixture fx(false);
        setProgramDirectory(programDir.path());
        fx.prompts.answer(Answer::Yes);
        fx.start();
        QVERIFY(fx.prompts.texts().value(0).startsWith(kQuestionStart));
        QVERIFY(fx.documentShown());
        QCOMPARE(QString::fromUtf8(fx.shownText()), typed);
        QVERIFY(fx.form().Edit()->isModified());
        QVERIFY(fx.currentFileName().startsWith(QStringLiteral("Untitled")));
        // The old session is gone; the recovered text is journaled again.
        QCOMPARE(journalEntries(programDir.path()).size(), 1);
        fx.discardAll();
    }

    // A named document keeps its name, its text and its file format; the
    // file on disk stays as it was until the user saves; undoing never makes
    // the recovered document look saved.
    void aNamedDocumentComesBackUnderItsName() {
        MainWindowFixture first;
        const QString file = first.writeFile(QStringLiteral("notes.txt"), "on disk\r\nline two");
        first.start({file});
        EditControl* edit = first.form().Edit();
        edit->setSelStart(edit->length());
        QTest::keyClicks(edit, QStringLiteral(" and more"));
        QVERIFY(edit->isModified());
        QVERIFY(waitFor([&] { return journalEntries(first.programDir()).size() == 1; }));

        MainWindowFixture second;
        copyRecovery(first.programDir(), second.programDir());
        second.prompts.answer(Answer::Yes);
        second.start();
        QCOMPARE(second.currentFileName(), file);
        QCOMPARE(second.shownText(), QByteArray("on disk\r\nline two and more"));
        QCOMPARE(MainWindowFixture::readFile(file), QByteArray("on disk\r\nline two"));
        EditControl* again = second.form().Edit();
        QVERIFY(again->isModified());
        again->setSelStart(0);
        QTest::keyClicks(again, QStringLiteral("x"));
        while (again->canUndo())
            again->undo();
        QVERIFY(again->isModified());
        QVERIFY(second.form().files().FileSaveMnuClick());
        QCOMPARE(MainWindowFixture::readFile(file), QByteArray("on disk\r\nline two and more"));
        first.discardAll();
    }

    // A recovery folder that cannot be written is told once, in a notice
    // that leaves the keyboard to the text, naming the folder and the
    // system's reason; not at every later try, but again when it worked
    // in between and fails anew. Each way of failing is broken, mended and
    // broken again while the user types.
    void aJournalThatCannotBeWrittenIsToldOnce_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a folder") << "not a folder" << "Not a directory";
        QTest::newRow("disk full") << "disk full" << "No space left on device";
    }
    void aJournalThatCannotBeWrittenIsToldOnce() {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        ScratchMount disk(QStringLiteral("tmpfs"), QStringLiteral("size=64k"));
        MainWindowFixture fx;
        const QString recovery = fx.programDir() + QStringLiteral("recovery");
        QString filler;
        std::function<void()> breakIt, mendIt;
        if (how == QLatin1String("disk full")) {
            if (!disk.isMounted())
                QSKIP("a small file system cannot be mounted here");
            QVERIFY(QFile::link(disk.path(), recovery));
            breakIt = [&] { filler = fillUp(disk.path()); };
            mendIt = [&] { QVERIFY(QFile::remove(filler)); };
        } else {
            breakIt = [&] {
                QDir(recovery).removeRecursively();
                QFile file(recovery);
                QVERIFY(file.open(QIODevice::WriteOnly));
            };
            mendIt = [&] { QVERIFY(QFile::remove(recovery)); };
        }
        fx.start({QStringLiteral("typed text")});
        EditControl* edit = fx.form().Edit();
        const auto typeAndJournal = [&] {
            edit->setSelStart(edit->length());
            QTest::keyClicks(edit, QStringLiteral(" more"));
            fx.form().journal().flush();
        };

        breakIt();
        typeAndJournal();
        QCOMPARE(notices(fx.prompts).size(), 1);
        const QString told = notices(fx.prompts).first();
        QVERIFY2(told.startsWith(QStringLiteral("Unsaved changes cannot be kept for recovery")), qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral("\"%1\"").arg(recovery)), qPrintable(told));
        QVERIFY2(told.contains(reason), qPrintable(told));
        typeAndJournal();
        typeAndJournal();
        QCOMPARE(notices(fx.prompts).size(), 1);
        QCOMPARE(fx.prompts.shown().size(), 1);   // nothing else asked or shown either

        mendIt();
        typeAndJournal();
        QCOMPARE(journalEntries(fx.programDir()).size(), 1);
        QCOMPARE(notices(fx.prompts).size(), 1);

        breakIt();
        typeAndJournal();
        typeAndJournal();
        QCOMPARE(notices(fx.prompts).size(), 2);
        mendIt();
        typeAndJournal();
        QCOMPARE(journalEntries(fx.programDir()).size(), 1);
        QVERIFY(fx.shownText().endsWith(QByteArray(" more").repeated(7)));
        fx.discardAll();
    }

    // A damaged entry is told about and skipped; the others come back; No
    // discards them all, and a clean exit leaves no journal.
    void damagedEntriesAreSkippedAndNoDiscards() {
        MainWindowFixture first;
        first.start({QStringLiteral("first text"), QStringLiteral("second text")});
        QVERIFY(waitFor([&] { return journalEntries(first.programDir()).size() == 2; }));

        MainWindowFixture damaged;
        copyRecovery(first.programDir(), damaged.programDir());
        const QStringList copies = journalEntries(damaged.programDir());
        QFile broken(copies.value(0));
        QVERIFY(broken.open(QIODevice::ReadWrite));
        broken.seek(broken.size() - 30);
        broken.write("XXXX");
        broken.close();
        damaged.prompts.answer(Answer::Yes);
        damaged.start();
        const QStringList texts = damaged.prompts.texts();
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts[0].contains(QStringLiteral("could not be recovered")));
        QVERIFY(texts[0].contains(QFileInfo(copies.value(0)).fileName()));
        QVERIFY(texts[1].startsWith(kQuestionStart));
        QCOMPARE(damaged.form().documents().DocCount(), 2);   // the readme and one recovered

        MainWindowFixture declined;
        copyRecovery(first.programDir(), declined.programDir());
        declined.prompts.answer(Answer::No);
        declined.start();
        QCOMPARE(declined.form().documents().DocCount(), 1);   // the readme alone
        QVERIFY(journalEntries(declined.programDir()).isEmpty());
        first.discardAll();
        damaged.discardAll();

        // A clean exit removes the journal.
        MainWindowFixture clean;
        clean.start({QStringLiteral("third text")});
        QVERIFY(waitFor([&] { return journalEntries(clean.programDir()).size() == 1; }));
        clean.prompts.answer(Answer::No);   // discard it at the close
        clean.form().close();
        QVERIFY(journalEntries(clean.programDir()).isEmpty());
        QVERIFY(QDir(clean.programDir() + QStringLiteral("recovery"))
                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_MAIN(CrashRecoveryTest)
#include "test_crash_recovery.moc"
