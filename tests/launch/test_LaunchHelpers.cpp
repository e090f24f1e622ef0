// Scripts, failure messages, links in tool output and the table helpers.
#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include "launch/LaunchHelpers.h"
#include "launch/LaunchTables.h"
#include "launch/OutputLinks.h"
#include "platform/ProgramStarter.h"

using namespace tw;

class LaunchHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void batchFileText() {
        auto exists = [](const QString& dir) { return dir != u"/gone/"; };
        QCOMPARE(BatchFileText("/w/it's/x.c", "ls", true, exists),
                 QStringLiteral("#!/bin/sh\ncd -- '/w/it'\\''s/' || exit 1\nls\n"
                                "printf 'Press Enter to continue . . .'; read tarnwick_pause\n"));
        QCOMPARE(BatchFileText("Untitled2", "dir", false, exists), QStringLiteral("#!/bin/sh\ndir\n"));
        QCOMPARE(BatchFileText("/gone/x.c", "dir", false, exists), QStringLiteral("#!/bin/sh\ndir\n"));
        QCOMPARE(BatchFileText("", "dir", false, exists), QStringLiteral("#!/bin/sh\ndir\n"));
    }

    // The script runs where the file is, waits for Enter under dash, and a
    // folder that cannot be entered never runs the command elsewhere.
    void scriptsUnderARealShell() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("a b;$(x)");
        QVERIFY(QDir().mkpath(folder));
        auto run = [&](const QString& text, const QByteArray& input) {
            QProcess sh;
            sh.setWorkingDirectory(dir.path());
            sh.start("/bin/sh", {"-c", text});
            sh.write(input);
            sh.closeWriteChannel();
            sh.waitForFinished(10000);
            return sh.readAllStandardOutput();
        };
        QCOMPARE(run(BatchFileText(folder + "/f.c", "pwd", true), "\n"),
                 (folder + "\nPress Enter to continue . . .").toUtf8());
        QVERIFY(QDir().rmdir(folder));
        const QString text = BatchFileText(folder + "/f.c", "touch ran", false,
                                           [](const QString&) { return true; });
        run(text, {});
        QVERIFY(!QFile::exists(dir.filePath("ran")));
    }

    void failureTexts() {
        QCOMPARE(RunFailureText(kFileNotFound, "cc -c a.c", "cc"), QStringLiteral("File \"cc -c a.c\" not found."));
        QCOMPARE(RunFailureText(kPathNotFound, "/no/dir/cc -c /w/a.c", "/no/dir/cc"),
                 QStringLiteral("Path \"/no/dir/\" not found."));
        QCOMPARE(RunFailureText(kInvalidProgram, "x", "x"),
                 QStringLiteral("The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."));
        QCOMPARE(RunFailureText(kOutOfResources, "x", "x"),
                 QStringLiteral("The system is out of memory or resources."));
        QCOMPARE(RunFailureText(kStarted, "x", "x"), QString());
        QCOMPARE(OpenFailureText(kFileNotFound, "/w/a.pdf"), QStringLiteral("File \"/w/a.pdf\" not found"));
        QCOMPARE(OpenFailureText(kAccessDenied, "/w/a"), QStringLiteral("Access to \"/w/a\" denied"));
        QCOMPARE(OpenFailureText(kPathNotFound, "/no/a"), QStringLiteral("Path \"/no/\" not found"));
    }

    void checkProgramResults() {
        QTemporaryDir dir;
        QCOMPARE(checkProgram("sh"), int(kStarted));
        QCOMPARE(checkProgram("no-such-program-tarnwick"), int(kFileNotFound));
        QCOMPARE(checkProgram(dir.filePath("missing")), int(kFileNotFound));
        QCOMPARE(checkProgram(dir.filePath("no/dir/cc")), int(kPathNotFound));
        QCOMPARE(checkProgram(dir.path()), int(kInvalidProgram));
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QCOMPARE(checkProgram(dir.filePath("plain")), int(kInvalidProgram));
    }

    void outputLinks_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("lineNo");
        QTest::addColumn<int>("column");
        QTest::newRow("gcc") << "src/a.c:12:5: error: x" << "src/a.c" << 12 << 5;
        QTest::newRow("make") << "Makefile:7: *** missing separator." << "Makefile" << 7 << 0;
        QTest::newRow("grep -n") << "notes.txt:3:TODO 10:30" << "notes.txt" << 3 << 0;
        QTest::newRow("python") << "  File \"/w/x.py\", line 4, in <module>" << "/w/x.py" << 4 << 0;
        QTest::newRow("blank in name") << "my dir/a b.c:2:1: note" << "my dir/a b.c" << 2 << 1;
        QTest::newRow("no link") << "make: Nothing to be done." << "" << 0 << 0;
        QTest::newRow("time is no link") << "at 10:30" << "" << 0 << 0;
    }
    void outputLinks() {
        QFETCH(QString, line);
        QFETCH(QString, file);
        QFETCH(int, lineNo);
        QFETCH(int, column);
        const std::optional<OutputLink> link = FindOutputLink(line);
        if (file.isEmpty()) {
            QVERIFY(!link || ResolveLinkFile(link->file, "/nowhere").isEmpty());
            return;
        }
        QVERIFY(link);
        QCOMPARE(*link, (OutputLink{file, lineNo, column}));
    }

    void linkFilesResolve() {
        auto isFile = [](const QString& p) { return p == u"/w/a.h" || p == u"/abs/b.c"; };
        QCOMPARE(ResolveLinkFile("a.h", "/w", isFile), QStringLiteral("/w/a.h"));
        QCOMPARE(ResolveLinkFile("In file included from a.h", "/w", isFile), QStringLiteral("/w/a.h"));
        QCOMPARE(ResolveLinkFile("/abs/b.c", "/w", isFile), QStringLiteral("/abs/b.c"));
        QCOMPARE(ResolveLinkFile("c.c", "/w", isFile), QString());
    }

    void tables() {
        const QList<StoredExecRecord> table{{"asm", "com", 0, 0, 4}, {"cpp", "exe", 0, 0, 4},
                                            {"c;h;html", "exe", 0, 0, 4}};
        QCOMPARE(FindExecRecord(table, ".c"), 1);   // substring: "c" is in "cpp"
        QCOMPARE(FindExecRecord(table, "P"), 1);
        QCOMPARE(FindExecRecord(table, "h"), 2);
        QCOMPARE(FindExecRecord(table, ""), -1);
        QCOMPARE(FindExecRecord(table, "."), -1);
        QCOMPARE(FindExecRecord(table, "txt"), -1);

        StoredRunRecord r;
        r.caption = "&3 Lint \xe9";
        NumberRunCaption(r, 2);
        QCOMPARE(r.caption, QByteArray("&2 Lint \xe9"));
        NumberRunCaption(r, 10);
        QCOMPARE(r.caption, QByteArray("Lint \xe9"));
        NumberRunCaption(r, 9);
        QCOMPARE(r.caption, QByteArray("&9 Lint \xe9"));
        QCOMPARE(StoredText("Lint \xe9"), QStringLiteral("Lint \u00e9"));
    }
};

QTEST_GUILESS_MAIN(LaunchHelpersTest)
#include "test_LaunchHelpers.moc"
