// The program directory: where the executable lies unless a test says otherwise.
#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestProgramDirectory)
#include "test_ProgramDirectory.moc"
