// The lists' tables on their own: numbered captions of favorites and recent
// files, the recent list's top-insertion with its limit, a group's files with
// the main-file invariant, the group table's numbering and the settings
// lines coming back byte for byte.
#include <QtTest>

#include "lists/GroupFiles.h"
#include "lists/GroupTable.h"
#include "lists/NumberedList.h"
#include "lists/RecentList.h"
#include "lists/StoredName.h"
#include "settings/StoredSettings.h"

using namespace tw;

namespace {

QStringList files(int n, const QString& stem = QStringLiteral("/p/f")) {
    QStringList names;
    for (int i = 1; i <= n; ++i)
        names << stem + QString::number(i);
    return names;
}

NumberedList listOf(const QStringList& names) {
    NumberedList list;
    for (const QString& name : names)
        list.insert(list.count(), name);
    return list;
}

// Captions made by NumberedCaption for the given positions.
QStringList numbered(const QStringList& names) {
    QStringList captions;
    for (int i = 0; i < names.size(); ++i)
        captions << (i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(names[i]) : names[i]);
    return captions;
}

} // namespace

class FileListTablesTest : public QObject {
    Q_OBJECT
private slots:
    void removingAnEntryRenumbersOnlyTheFirstNine() {
        NumberedList list = listOf(files(12));
        list.removeAt(1);
        QStringList expected = numbered(files(12));
        expected.removeAt(1);
        for (int q = 1; q <= 8; ++q)   // former third to tenth: accelerators 2 to 9
            expected[q] = QStringLiteral("&%1 /p/f%2").arg(q + 1).arg(q + 2);
        QCOMPARE(list.captions(), expected);
        QCOMPARE(list.captions().at(9), QString("/p/f11"));
        QCOMPARE(list.find("/p/f5"), 3);
        QCOMPARE(list.find("&4 /p/f5"), 3);
    }

    void recentListPutsFilesOnTop_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("added");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new file") << QStringList{"/a", "/b"} << "/c" << 28
                                  << QStringList{"/c", "/a", "/b"};
        QTest::newRow("already listed moves up") << QStringList{"/a", "/b", "/c"} << "/c" << 28
                                                 << QStringList{"/c", "/a", "/b"};
        QTest::newRow("maximum reached drops the bottom") << QStringList{"/a", "/b", "/c"} << "/d"
                                                          << 3 << QStringList{"/d", "/a", "/b"};
        QTest::newRow("listed file at the maximum") << QStringList{"/a", "/b", "/c"} << "/b" << 3
                                                    << QStringList{"/b", "/a", "/c"};
        QTest::newRow("longer than the maximum is trimmed")
            << files(8) << "/new" << 3 << QStringList{"/new", "/p/f1", "/p/f2"};
        QTest::newRow("maximum 1") << QStringList{"/a"} << "/b" << 1 << QStringList{"/b"};
    }
    void recentListPutsFilesOnTop() {
        QFETCH(QStringList, before);
        QFETCH(QString, added);
        QFETCH(int, maximum);
        QFETCH(QStringList, after);
        NumberedList list = listOf(before);
        putOnTop(list, added, maximum);
        QCOMPARE(list.fileNames(), after);
        QCOMPARE(list.captions(), numbered(after));
    }

    void theTenthRecentEntryLosesItsAccelerator() {
        NumberedList list = listOf(files(10));
        putOnTop(list, "/new", 28);
        QCOMPARE(list.caption(9), QString("/p/f9"));   // was "&9 /p/f9"
        QCOMPARE(list.caption(10), QString("/p/f10"));
        QCOMPARE(list.caption(1), QString("&2 /p/f1"));
    }

    void effectiveMaximum_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("effective");
        QTest::newRow("default") << 28 << 28;
        QTest::newRow("zero") << 0 << 28;
        QTest::newRow("negative") << -7 << 28;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("255") << 255 << 255;
        QTest::newRow("spin box's old top") << 32767 << 255;
    }
    void effectiveMaximum() {
        QFETCH(int, stored);
        QFETCH(int, effective);
        QCOMPARE(effectiveMaxRecent(stored), effective);
    }

    void mainFileFollowsItsFile_data() {
        QTest::addColumn<int>("main");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("mainAfter");
        const QStringList abcd{"/a", "/b", "/c", "/d"};
        QTest::newRow("remove before") << 2 << "remove 0" << QStringList{"/b", "/c", "/d"} << 1;
        QTest::newRow("remove the main file") << 2 << "remove 2" << QStringList{"/a", "/b", "/d"} << -1;
        QTest::newRow("remove after") << 1 << "remove 3" << QStringList{"/a", "/b", "/c"} << 1;
        QTest::newRow("remove several around it") << 2 << "removeAll 3 0 1"
                                                   << QStringList{"/c"} << 0;
        QTest::newRow("reorder tracks it") << 0 << "reorder" << QStringList{"/d", "/c", "/b", "/a"} << 3;
        QTest::newRow("rename keeps it") << 1 << "rename" << QStringList{"/a", "/B", "/c", "/d"} << 1;
        QTest::newRow("main outside the list is none") << 9 << "none" << abcd << -1;
    }
    void mainFileFollowsItsFile() {
        QFETCH(int, main);
        QFETCH(QString, operation);
        QFETCH(QStringList, after);
        QFETCH(int, mainAfter);
        GroupFiles group({"/a", "/b", "/c", "/d"}, main);
        const QStringList words = operation.split(' ');
        if (words[0] == "remove")
            group.removeAt(words[1].toInt());
        else if (words[0] == "removeAll")
            group.removeAll({words[1].toInt(), words[2].toInt(), words[3].toInt()});
        else if (words[0] == "reorder")
            group.reorder({"/d", "/c", "/b", "/a"}, 3 - group.mainFile());
        else if (words[0] == "rename")
            group.rename(1, "/B");
        QCOMPARE(group.names(), after);
        QCOMPARE(group.mainFile(), mainAfter);
        QCOMPARE(group.mainFileName(), mainAfter < 0 ? QString() : after.at(mainAfter));
    }

    void aGroupHoldsAtMost255Files() {
        GroupFiles group(files(254), -1);
        QVERIFY(group.append("/last"));
        QVERIFY(group.isFull());
        QVERIFY(!group.append("/one too many"));
        QCOMPARE(group.count(), 255);
    }

    void deletingAGroupRenumbersAndKeepsTheOpenOne() {
        GroupTable table;
        for (int n = 1; n <= 10; ++n)
            table.append(QStringLiteral("G%1").arg(n), GroupFiles({QStringLiteral("/g%1").arg(n)}, 0));
        QCOMPARE(table.caption(10), QString("G10"));
        table.setOpenGroup(3);
        table.remove(1);
        QCOMPARE(table.openGroup(), 2);
        QCOMPARE(table.name(2), QString("G3"));
        QCOMPARE(table.files(2).mainFileName(), QString("/g3"));
        QCOMPARE(table.caption(9), QString("&9 G10"));
        table.remove(2);
        QCOMPARE(table.openGroup(), 0);
        table.setOpenGroup(99);
        QCOMPARE(table.openGroup(), 0);
    }

    void reorderingExchangesWholeGroups() {
        GroupTable table;
        table.append("Alpha", GroupFiles({"/a1", "/a2"}, 1));
        table.append("beta", GroupFiles({"/b1"}, -1));
        table.append("Gamma", GroupFiles({"/g1", "/g2", "/g3"}, 0));
        table.setOpenGroup(1);
        QList<std::pair<int, int>> followed;
        table.reorder({"Gamma", "Alpha", "beta"},
                      [&](int a, int b) { followed.append({a, b}); });
        QCOMPARE(table.captions(), (QStringList{"&1 Gamma", "&2 Alpha", "&3 beta"}));
        QCOMPARE(table.files(2).names(), (QStringList{"/a1", "/a2"}));
        QCOMPARE(table.files(2).mainFile(), 1);
        QCOMPARE(table.files(1).mainFileName(), QString("/g1"));
        QCOMPARE(table.openGroup(), 2);
        QVERIFY(!followed.isEmpty());
        QVERIFY(table.append("x", {}) == 4);
    }

    void theSettingsLinesComeBackByteForByte() {
        StoredSettings in;
        in.startupMode = 0;
        in.groups = {StoredGroup{"&1 Caf\xe9", {"/src/caf\xe9.c", "/src/main.c"}, 1},
                     StoredGroup{"odd caption", {"/x"}, 7},
                     StoredGroup{"&3 utf \xc3\xa9", {}, -1}};
        GroupTable table;
        table.load(3, in);
        QCOMPARE(table.name(1), QString::fromUtf8("Caf\xc3\xa9"));   // Latin-1, not U+FFFD
        QCOMPARE(table.files(1).at(0), QString::fromUtf8("/src/caf\xc3\xa9.c"));
        QCOMPARE(table.name(3), QString::fromUtf8("utf \xc3\xa9"));
        QCOMPARE(table.files(2).mainFile(), -1);   // 7 is outside its list
        StoredSettings out;
        table.store(out);
        QCOMPARE(out.groups.at(0), in.groups.at(0));
        QCOMPARE(out.groups.at(2), in.groups.at(2));
        QCOMPARE(out.groups.at(1).caption, QByteArray("odd caption"));
        QCOMPARE(out.openGroup, 3);

        table.load(4, in);   // beyond the group count
        QCOMPARE(table.openGroup(), 0);

        // A changed name is written as UTF-8; the untouched ones keep their bytes.
        table.files(1).rename(1, QString::fromUtf8("/src/\xc3\xa9t\xc3\xa9.c"));
        table.store(out);
        QCOMPARE(out.groups.at(0).files,
                 (QList<QByteArray>{"/src/caf\xe9.c", "/src/\xc3\xa9t\xc3\xa9.c"}));

        NumberedList recent;
        recent.load({"&1 /r/caf\xe9", "&7 /r/odd", "/r/plain"});
        QCOMPARE(recent.stored(), (QList<QByteArray>{"&1 /r/caf\xe9", "&7 /r/odd", "/r/plain"}));
        NumberedList rebuilt = listOf(recent.fileNames());
        rebuilt.keepStoredBytes(recent);
        QCOMPARE(rebuilt.stored().at(0), QByteArray("&1 /r/caf\xe9"));
    }
};

QTEST_MAIN(FileListTablesTest)
#include "test_file_list_tables.moc"
