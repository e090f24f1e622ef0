// Backup names in both path styles and both backup styles.
#include <QtTest>

#include "app/Backups.h"

using namespace tw;

class BackupNamesTest : public QObject {
    Q_OBJECT
private slots:
    void backupNameOf_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("backupStyle");
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("backup");
        auto row = [](const char* tag, const char* name, int style, bool windows,
                      const char* backup) {
            QTest::newRow(tag) << QString(name) << style << windows << QString(backup);
        };
        row("win tilde", "C:\\src\\main.c", 1, true, "C:\\src\\~main.c");
        row("win bak", "C:\\src\\main.c", 0, true, "C:\\src\\main.bak");
        row("win tilde b.txt", "C:\\a\\b.txt", 1, true, "C:\\a\\~b.txt");
        row("win bak b.txt", "C:\\a\\b.txt", 0, true, "C:\\a\\b.bak");
        row("win drive-relative", "C:main.c", 1, true, "C:~main.c");
        row("win no dot", "C:\\src\\Makefile", 0, true, "C:\\src\\Makefile.bak");
        row("win dot only in folder", "C:\\my.dir\\Makefile", 0, true, "C:\\my.dir\\Makefile.bak");
        row("win last dot", "C:\\a\\x.tar.gz", 0, true, "C:\\a\\x.tar.bak");
        row("host tilde", "/src/main.c", 1, false, "/src/~main.c");
        row("host bak", "/src/main.c", 0, false, "/src/main.bak");
        row("host dot only in folder", "/home/a.b/Makefile", 0, false, "/home/a.b/Makefile.bak");
        row("host dotfile keeps its name", "/home/u/.bashrc", 0, false, "/home/u/.bashrc.bak");
        row("host backslash is a name character", "/a/b\\c.d", 1, false, "/a/~b\\c.d");
        row("untitled bak", "Untitled1", 0, false, "Untitled1.bak");
        row("untitled tilde", "Untitled1.txt", 1, false, "~Untitled1.txt");
        row("stored non-zero style", "/src/main.c", 7, false, "/src/~main.c");
    }
    void backupNameOf() {
        QFETCH(QString, name);
        QFETCH(int, backupStyle);
        QFETCH(bool, windows);
        QFETCH(QString, backup);
        QCOMPARE(BackupNameOf(name, backupStyle, windows ? PathStyle::Windows : PathStyle::Host),
                 backup);
    }
};

QTEST_GUILESS_MAIN(BackupNamesTest)
#include "test_BackupNames.moc"
