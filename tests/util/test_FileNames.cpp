// File-name helpers: comparison, extension change, and the long and short forms
// of a path, in Windows style over a scripted disk and in host style over a
// real temporary directory.
#include "util/FileNames.h"
#include "util/UserError.h"
#include <QtTest>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

using tw::PathStyle;

Q_DECLARE_METATYPE(tw::PathStyle)

namespace {

// A Windows disk as FindFirstFile sees it: names looked up without regard to
// case, by their long or short spelling.
tw::PathLookup WindowsDisk()
{
    const tw::PathEntry programFiles{"Program Files", "PROGRA~1"};
    const tw::PathEntry myApp{"MyApp", ""};
    const tw::PathEntry readme{"readme.txt", ""};
    const tw::PathEntry longDoc{"Long Document Name.txt", "LONGDO~1.TXT"};
    QHash<QString, tw::PathEntry> disk;
    for (const QString& pf : {QStringLiteral("PROGRA~1"), QStringLiteral("Program Files")}) {
        disk.insert("c:\\" + pf, programFiles);
        disk.insert("\\" + pf, programFiles);
        disk.insert("c:\\" + pf + "\\myapp", myApp);
        disk.insert("c:\\" + pf + "\\myapp\\readme.txt", readme);
        disk.insert("c:\\" + pf + "\\myapp\\long document name.txt", longDoc);
        disk.insert("c:\\" + pf + "\\myapp\\longdo~1.txt", longDoc);
    }
    disk.insert("data.txt", {"Data.txt", ""});
    disk.insert("c:", {"c:", ""}); // a lookup that answers for a bare drive must not loop
    QHash<QString, tw::PathEntry> lowered;
    for (auto it = disk.cbegin(); it != disk.cend(); ++it)
        lowered.insert(it.key().toLower(), it.value());
    return [lowered](const QString& path) -> std::optional<tw::PathEntry> {
        const auto it = lowered.constFind(path.toLower());
        if (it == lowered.cend())
            return std::nullopt;
        return *it;
    };
}

QString ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const tw::UserError& error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestFileNames : public QObject {
    Q_OBJECT
private slots:
    void sameFileName_data();
    void sameFileName();
    void changeFileExtension_data();
    void changeFileExtension();
    void windowsLongFileName_data();
    void windowsLongFileName();
    void windowsShortFileName_data();
    void windowsShortFileName();
    void windowsFailures();
    void hostLongFileName();
    void hostRelativeNames();
    void hostFailures();
};

void TestFileNames::sameFileName_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("sameOnWindows");
    QTest::addColumn<bool>("sameOnHost");
    QTest::newRow("ascii case") << "C:\\Work\\A.TXT" << "c:\\work\\a.txt" << true << false;
    QTest::newRow("host case") << "/p/Makefile" << "/p/makefile" << true << false;
    QTest::newRow("equal") << "/p/notes.txt" << "/p/notes.txt" << true << true;
    QTest::newRow("trailing blank") << "a.txt" << "a.txt " << false << false;
    QTest::newRow("no normalisation") << "/a/./b" << "/a/b" << false << false;
    QTest::newRow("separators differ") << "a/b" << "a\\b" << false << false;
    QTest::newRow("non-ascii exact") << QString::fromUtf8("é.txt") << QString::fromUtf8("É.txt") << false << false;
    QTest::newRow("empty") << "" << "" << true << true;
}

void TestFileNames::sameFileName()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, sameOnWindows);
    QFETCH(bool, sameOnHost);
    QCOMPARE(tw::SameFileName(a, b, tw::PathStyle::Windows), sameOnWindows);
    QCOMPARE(tw::SameFileName(b, a, tw::PathStyle::Windows), sameOnWindows);
    QCOMPARE(tw::SameFileName(a, b), sameOnHost);
    QCOMPARE(tw::SameFileName(b, a), sameOnHost);
}

void TestFileNames::changeFileExtension_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("expected");
    const auto host = PathStyle::Host;
    const auto win = PathStyle::Windows;
    QTest::newRow("untitled gets dot") << host << "Untitled1" << "txt" << "Untitled1.txt";
    QTest::newRow("empty ext keeps name") << host << "Untitled1" << "" << "Untitled1";
    QTest::newRow("empty ext cuts ext") << host << "/src/main.c" << "" << "/src/main";
    QTest::newRow("dotted ext as is") << win << "C:\\src\\main.c" << ".bak" << "C:\\src\\main.bak";
    QTest::newRow("last dot only") << host << "archive.tar.gz" << "zip" << "archive.tar.zip";
    QTest::newRow("trailing dot") << host << "name." << "txt" << "name.txt";
    QTest::newRow("win dot in folder") << win << "C:\\x.y\\readme" << ".bak" << "C:\\x.y\\readme.bak";
    QTest::newRow("host dot in folder") << host << "/src/v1.2/Makefile" << "bak" << "/src/v1.2/Makefile.bak";
    QTest::newRow("host hidden file") << host << "/home/ann/.bashrc" << ".bak" << "/home/ann/.bashrc.bak";
}

void TestFileNames::changeFileExtension()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, name);
    QFETCH(QString, ext);
    QFETCH(QString, expected);
    QCOMPARE(tw::ChangeFileExtension(name, ext, style), expected);
}

void TestFileNames::windowsLongFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short components") << "C:\\PROGRA~1\\MyApp\\LONGDO~1.TXT"
                                      << "C:\\Program Files\\MyApp\\Long Document Name.txt";
    QTest::newRow("case from disk") << "c:\\program files\\myapp\\README.TXT"
                                    << "c:\\Program Files\\MyApp\\readme.txt";
    QTest::newRow("one trailing backslash dropped") << "C:\\PROGRA~1\\" << "C:\\Program Files";
    QTest::newRow("drive root") << "C:\\" << "C:";
    QTest::newRow("bare drive unchanged") << "C:" << "C:";
    QTest::newRow("two chars unchanged") << "zz" << "zz";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("relative stays relative") << "DATA.TXT" << "Data.txt";
    QTest::newRow("root relative") << "\\PROGRA~1" << "\\Program Files";
}

void TestFileNames::windowsLongFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(tw::LongFileName(path, PathStyle::Windows, WindowsDisk()), expected);
}

void TestFileNames::windowsShortFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("aliases taken") << "c:\\Program Files\\MyApp\\Long Document Name.txt"
                                   << "C:\\PROGRA~1\\MyApp\\LONGDO~1.TXT";
    QTest::newRow("long name without alias") << "C:\\Program Files\\MyApp\\readme.txt"
                                             << "C:\\PROGRA~1\\MyApp\\readme.txt";
    QTest::newRow("bare drive upper-cased") << "c:" << "C:";
    QTest::newRow("drive root") << "c:\\" << "C:";
    QTest::newRow("two chars upper-cased") << "ab" << "AB";
    QTest::newRow("empty") << "" << "";
}

void TestFileNames::windowsShortFileName()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(tw::ShortFileName(path, PathStyle::Windows, WindowsDisk()), expected);
}

void TestFileNames::windowsFailures()
{
    const auto disk = WindowsDisk();
    QCOMPARE(ErrorOf([&] { tw::LongFileName("C:\\Missing\\x.txt", PathStyle::Windows, disk); }),
             QString("cannot convert \"C:\\Missing\\x.txt\" to long file name"));
    QCOMPARE(ErrorOf([&] { tw::LongFileName("abc", PathStyle::Windows, disk); }),
             QString("cannot convert \"abc\" to long file name"));
    QCOMPARE(ErrorOf([&] { tw::ShortFileName("C:\\Untitled2", PathStyle::Windows, disk); }),
             QString("cannot convert \"C:\\Untitled2\" to short file name"));
    // The entry exists but a folder above it cannot be looked up.
    const tw::PathLookup onlyLeaf = [](const QString& path) -> std::optional<tw::PathEntry> {
        if (path == "C:\\hidden\\x.txt")
            return tw::PathEntry{"x.txt", ""};
        return std::nullopt;
    };
    QCOMPARE(ErrorOf([&] { tw::LongFileName("C:\\hidden\\x.txt", PathStyle::Windows, onlyLeaf); }),
             QString("cannot convert \"C:\\hidden\\x.txt\" to long file name"));
}

void TestFileNames::hostLongFileName()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = QDir::cleanPath(tmp.path());
    QVERIFY(QDir(root).mkpath("sub dir"));
    QFile file(root + "/sub dir/a.txt");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QFile::link(root + "/nowhere", root + "/dangling"));

    const QString full = root + "/sub dir/a.txt";
    QCOMPARE(tw::LongFileName(full), full);
    QCOMPARE(tw::LongFileName(root + "/sub dir/../sub dir//./a.txt"), full);
    QCOMPARE(tw::LongFileName(root + "/sub dir/"), root + "/sub dir");
    QCOMPARE(tw::LongFileName("/"), QString("/"));
    QCOMPARE(tw::LongFileName(""), QString());
    // A symbolic link is an entry even when its target is gone.
    QCOMPARE(tw::LongFileName(root + "/dangling"), root + "/dangling");
    // Linux keeps no short names: an existing path comes back as given.
    QCOMPARE(tw::ShortFileName(full), full);
    QCOMPARE(tw::ShortFileName(""), QString());
}

void TestFileNames::hostRelativeNames()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString root = QDir::cleanPath(tmp.path());
    QVERIFY(QDir(root).mkpath("sub"));
    QFile file(root + "/sub/b.c");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root + "/sub"));
    const QString longName = tw::LongFileName("b.c");
    const QString upward = tw::LongFileName("../sub/b.c");
    const QString shortName = tw::ShortFileName("b.c");
    QDir::setCurrent(previous);

    QCOMPARE(longName, root + "/sub/b.c");
    QCOMPARE(upward, root + "/sub/b.c");

    // lnk -> real/sub: "lnk/.." is real, as the system resolves it, while a
    // link that no ".." follows keeps its name.
    QVERIFY(QDir(root).mkpath("real/sub"));
    QFile inReal(root + "/real/b.txt");
    QVERIFY(inReal.open(QIODevice::WriteOnly));
    inReal.close();
    QFile beside(root + "/b.txt");
    QVERIFY(beside.open(QIODevice::WriteOnly));
    beside.close();
    QVERIFY(QFile::link(root + "/real/sub", root + "/lnk"));
    QCOMPARE(tw::LongFileName(root + "/lnk/../b.txt"), root + "/real/b.txt");
    QCOMPARE(tw::LongFileName(root + "/lnk/./../../b.txt"), root + "/b.txt");
    QCOMPARE(tw::LongFileName(root + "/lnk"), root + "/lnk");
    QVERIFY_THROWS_EXCEPTION(tw::UserError, tw::LongFileName(root + "/lnk/../missing.txt"));
    QCOMPARE(shortName, QString("b.c"));
}

void TestFileNames::hostFailures()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString missing = tmp.path() + "/no such dir/x.txt";
    QCOMPARE(ErrorOf([&] { tw::LongFileName(missing); }),
             "cannot convert \"" + missing + "\" to long file name");
    QCOMPARE(ErrorOf([&] { tw::ShortFileName(missing); }),
             "cannot convert \"" + missing + "\" to short file name");
    // The drive rule of Windows does not apply here: a short missing name fails.
    QCOMPARE(ErrorOf([&] { tw::ShortFileName(tmp.path() + "/zz"); }),
             "cannot convert \"" + tmp.path() + "/zz\" to short file name");
    // A file is no folder: nothing lies below it.
    QFile file(tmp.path() + "/plain");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!ErrorOf([&] { tw::LongFileName(tmp.path() + "/plain/x"); }).isEmpty());
}

QTEST_GUILESS_MAIN(TestFileNames)
#include "test_FileNames.moc"
