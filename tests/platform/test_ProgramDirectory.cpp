// The program directory: where the executable lies when it can be written,
// else the user's configuration folder; and where the program's own files are
// found.
#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QtTest>
#include <QTemporaryDir>

using namespace tw;

class TestProgramDirectory : public QObject {
    Q_OBJECT

private slots:
    void isTheExecutablesDirectory()
    {
        QCOMPARE(programDirectory(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    }

    void canBeReplacedAndRestored()
    {
        setProgramDirectory(QStringLiteral("/tmp/tarnwick-test"));
        QCOMPARE(programDirectory(), QStringLiteral("/tmp/tarnwick-test/"));
        setProgramDirectory(QStringLiteral("/tmp/other/"));
        QCOMPARE(programDirectory(), QStringLiteral("/tmp/other/"));
        setProgramDirectory(QString());
        QCOMPARE(programDirectory(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    }

    void followsTheRuleForReadOnlyInstalls_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("portable or build folder") << true << false << "/cfg" << "/opt/tw/bin/";
        QTest::newRow("read-only, XDG set") << false << false << "/cfg" << "/cfg/tarnwick/";
        QTest::newRow("read-only, XDG with slash") << false << true << "/cfg/" << "/cfg/tarnwick/";
        QTest::newRow("read-only, XDG unset") << false << true << "" << "/home/u/.config/tarnwick/";
        QTest::newRow("installed, run by root") << true << true << "" << "/home/u/.config/tarnwick/";
    }
    void followsTheRuleForReadOnlyInstalls()
    {
        QFETCH(bool, writable);
        QFETCH(bool, installed);
        QFETCH(QString, xdg);
        QFETCH(QString, expected);
        ProgramDirectoryFacts facts;
        facts.executableDir = QStringLiteral("/opt/tw/bin");
        facts.executableDirWritable = writable;
        facts.installed = installed;
        facts.xdgConfigHome = xdg;
        facts.home = QStringLiteral("/home/u");
        QCOMPARE(chooseProgramDirectory(facts), expected);
    }

    void programFilesAreFoundBesideTheProgramOrInItsShareFolder()
    {
        QCOMPARE(programFileFolders(QStringLiteral("/usr/local/bin")),
                 (QStringList{"/usr/local/bin/", "/usr/local/share/tarnwick/"}));
        QTemporaryDir dir;
        setProgramDirectory(dir.path());
        QFile readme(dir.filePath(QStringLiteral("readme.txt")));
        QVERIFY(readme.open(QIODevice::WriteOnly));
        QCOMPARE(programFile(QStringLiteral("readme.txt")), dir.filePath(QStringLiteral("readme.txt")));
        // Found nowhere: named in the program directory, so a message names a place.
        QCOMPARE(programFile(QStringLiteral("Tarnwick.hlp")), dir.filePath(QStringLiteral("Tarnwick.hlp")));
        setProgramDirectory(QString());
    }
};

QTEST_GUILESS_MAIN(TestProgramDirectory)
#include "test_ProgramDirectory.moc"
