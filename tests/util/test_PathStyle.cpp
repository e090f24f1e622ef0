// The path parts in both styles: host paths with "/", Windows paths with "\",
// ":" and drive letters.
#include "util/PathStyle.h"
#include <QtTest>

using tw::PathStyle;

Q_DECLARE_METATYPE(tw::PathStyle)

class TestPathStyle : public QObject {
    Q_OBJECT
private slots:
    void parts_data();
    void parts();
};

void TestPathStyle::parts_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("extension");

    const auto host = PathStyle::Host;
    const auto win = PathStyle::Windows;
    QTest::newRow("host full") << host << "/home/ann/a.txt" << "/home/ann/" << "a.txt" << ".txt";
    QTest::newRow("host bare name") << host << "a.txt" << "" << "a.txt" << ".txt";
    QTest::newRow("host dot in folder only") << host << "/src/v1.2/Makefile" << "/src/v1.2/" << "Makefile" << "";
    QTest::newRow("host hidden file") << host << "/home/ann/.bashrc" << "/home/ann/" << ".bashrc" << "";
    QTest::newRow("host root") << host << "/" << "/" << "" << "";
    QTest::newRow("host ignores backslash") << host << "C:\\x\\y.c" << "" << "C:\\x\\y.c" << ".c";
    QTest::newRow("win full") << win << "C:\\src\\main.c" << "C:\\src\\" << "main.c" << ".c";
    QTest::newRow("win drive relative") << win << "C:main.c" << "C:" << "main.c" << ".c";
    QTest::newRow("win drive root") << win << "D:\\" << "D:\\" << "" << "";
    QTest::newRow("win dot in folder only") << win << "C:\\x.y\\readme" << "C:\\x.y\\" << "readme" << "";
    QTest::newRow("win leading dot is ext") << win << "C:\\.bat" << "C:\\" << ".bat" << ".bat";
    QTest::newRow("win ignores slash") << win << "/usr/x.y" << "" << "/usr/x.y" << ".y";
}

void TestPathStyle::parts()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, path);
    QFETCH(QString, directory);
    QFETCH(QString, fileName);
    QFETCH(QString, extension);

    QCOMPARE(tw::DirectoryPart(path, style), directory);
    QCOMPARE(tw::FileNamePart(path, style), fileName);
    QCOMPARE(tw::HasFolderPart(path, style), !directory.isEmpty());
    QCOMPARE(tw::ExtensionPart(path, style), extension);
}

QTEST_GUILESS_MAIN(TestPathStyle)
#include "test_PathStyle.moc"
