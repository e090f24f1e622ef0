// Groups through the real main window: opening one with its questions and
// its main file, closing the group with parked members, the document limit,
// Save As renaming a member, and the lists coming back at the next start.
#include <QtTest>

#include <QMenu>
#include <QTabBar>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "lists/FileLists.h"
#include "platform/FileAttributes.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

// Settings with no documents to reopen and the given groups.
StoredSettings withGroups(const QList<StoredGroup>& groups, int openGroup = 0) {
    StoredSettings s = firstRunSettings();
    s.groups = groups;
    s.openGroup = openGroup;
    return s;
}

QList<QByteArray> utf8(const QStringList& names) {
    QList<QByteArray> bytes;
    for (const QString& name : names)
        bytes << name.toUtf8();
    return bytes;
}

} // namespace

class GroupsTest : public QObject {
    Q_OBJECT
private slots:
    void openingAGroupAsksAboutMissingFilesAndKeepsItsMainFile() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "A\n");
        const QString b = fx.writeFile("b.c", "B\n");
        const QString c = fx.writeFile("c.h", "C\n");
        const QString gone = fx.path("gone.c");
        fx.writeSettingsFile(withGroups({StoredGroup{"&1 Proj", utf8({a, gone, b, c}), 3}}));
        TMainForm& form = fx.start();
        QVERIFY(!fx.documentShown());
        QVERIFY(fx.isEnabled("FileOpenGroupMnu"));
        QVERIFY(!fx.isEnabled("ViewMainFileMnu"));

        fx.prompts.answer(Answer::Yes);   // DELETE the missing file from the group
        fx.chooseEntry("FileOpenGroupMnu", 0);
        QCOMPARE(fx.prompts.texts(),
                 (QStringList{QString("File \"%1\" cannot be found").arg(gone),
                              QString("Do you wish to DELETE \"%1\" from Proj?").arg(gone)}));
        QCOMPARE(fx.tabCaptions(), (QStringList{"a.c", "b.c", "c.h"}));
        QCOMPARE(fx.currentFileName(), a);
        QCOMPARE(form.windowTitle(), QString("Tarnwick - [Proj] %1").arg(a));
        QCOMPARE(form.lists().groups().files(1).names(), (QStringList{a, b, c}));
        QCOMPARE(form.lists().OpenGroupMainFile(), c);

        fx.form().findChild<QMenu*>("FileMnu")->aboutToShow();
        QVERIFY(!fx.isEnabled("AddGroupMnu"));   // the shown file is a member
        QVERIFY(fx.isEnabled("FileCloseGroupMnu"));
        QVERIFY(fx.isEnabled("ViewMainFileMnu"));
        fx.run("ViewMainFileMnu");
        QCOMPARE(fx.currentFileName(), c);
        QCOMPARE(fx.shownText(), QByteArray("C"));

        // Opening it again opens nothing twice and closes nothing.
        fx.prompts.clear();
        fx.chooseEntry("FileOpenGroupMnu", 0);
        QCOMPARE(fx.tabCaptions().size(), 3);
        QVERIFY(fx.prompts.texts().isEmpty());
    }

    void closingTheGroupKeepsEveryOtherTabOnItsOwnDocument() {
        MainWindowFixture fx;
        const QString x = fx.writeFile("x.txt", "x\n");
        const QString a = fx.writeFile("a.c", "a\n");
        const QString b = fx.writeFile("b.c", "b\n");
        const QString y = fx.writeFile("y.txt", "y\n");
        fx.writeSettingsFile(withGroups({StoredGroup{"&1 G", utf8({a, b}), -1}}));
        TMainForm& form = fx.start({x});
        fx.chooseEntry("FileOpenGroupMnu", 0);   // a is shown, x and b parked
        QCOMPARE(form.files().OpenAsCurrent(y, true), OpenOk);
        QCOMPARE(fx.tabCaptions(), (QStringList{"x.txt", "a.c", "b.c", "y.txt"}));
        // Give the two outsiders new texts: Save All must put each in its file.
        form.Edit()->setTextBytes("Y edited");
        fx.form().documents().SelectTab(0);
        form.Edit()->setTextBytes("X edited");
        fx.form().documents().SelectTab(3);

        fx.run("FileCloseGroupMnu");
        QVERIFY(fx.prompts.texts().isEmpty());
        QCOMPARE(fx.tabCaptions(), (QStringList{"x.txt", "y.txt"}));
        QCOMPARE(fx.currentFileName(), y);
        QCOMPARE(fx.shownText(), QByteArray("Y edited"));
        QCOMPARE(form.Tabs()->currentIndex(), 1);
        QCOMPARE(fx.tabMap(), (QList<int>{1, 0}));
        QVERIFY(!form.lists().isGroupOpen());
        QCOMPARE(form.windowTitle(), QString("Tarnwick - %1").arg(y));

        fx.run("FileSaveAllMnu");
        QCOMPARE(MainWindowFixture::readFile(x), QByteArray("X edited\n"));
        QCOMPARE(MainWindowFixture::readFile(y), QByteArray("Y edited\n"));
        QCOMPARE(MainWindowFixture::readFile(a), QByteArray("a\n"));
        fx.run("ViewNextMnu");
        QCOMPARE(fx.currentFileName(), x);
        QCOMPARE(fx.shownText(), QByteArray("X edited"));
    }

    void aSaveThatFailsKeepsTheGroupOpenWithEveryMember() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "a\n");
        const QString b = fx.writeFile("b.c", "b\n");
        fx.writeSettingsFile(withGroups({StoredGroup{"&1 G", utf8({a, b}), -1}}));
        TMainForm& form = fx.start();
        fx.chooseEntry("FileOpenGroupMnu", 0);
        fx.run("ViewNextMnu");   // b shown, a parked
        fx.form().documents().SelectTab(0);
        form.Edit()->setTextBytes("changed");
        fx.form().documents().SelectTab(1);
        QVERIFY(setFileAttributes(a, FileAttribute::ReadOnly).isEmpty());

        fx.prompts.answer(Answer::Yes);   // save a: refused, a is read-only
        fx.run("FileCloseGroupMnu");
        QCOMPARE(fx.prompts.texts().at(0), QString("Save Changes to %1?").arg(a));
        QCOMPARE(fx.tabCaptions(), (QStringList{"a.c", "b.c"}));
        QVERIFY(form.lists().isGroupOpen());
        QVERIFY(form.documents().record(1)->Modified);
        setFileAttributes(a, 0);
    }

    void theDocumentLimitStopsTheWalkOnceAndKeepsTheGroup() {
        MainWindowFixture fx(false);
        QStringList names;
        for (int i = 1; i <= 4; ++i)
            names << fx.writeFile(QString("f%1.c").arg(i), "f\n");
        fx.writeSettingsFile(withGroups({StoredGroup{"&1 Big", utf8(names), 2}}));
        TMainForm& form = fx.start();
        for (int i = 0; i < 253; ++i)
            fx.run("FileNewMnu");
        fx.chooseEntry("FileOpenGroupMnu", 0);
        QCOMPARE(form.documents().DocCount(), 255);
        QCOMPARE(fx.prompts.texts(), QStringList{"No more Files can be Opened!"});
        QCOMPARE(form.lists().groups().files(1).names(), names);
        QCOMPARE(form.lists().groups().files(1).mainFile(), 2);
    }

    void saveAsRenamesTheMemberOnlyOnceTheFileIsWritten() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "a\n");
        fx.writeSettingsFile(withGroups({StoredGroup{"&1 G", utf8({a}), 0}}));
        TMainForm& form = fx.start();
        fx.chooseEntry("FileOpenGroupMnu", 0);

        // Into a folder that is not there: nothing changes.
        fx.prompts.choose(fx.path("no/such/dir/b.c"));
        fx.run("FileSaveAsMnu");
        QCOMPARE(fx.prompts.shown().last().type, MessageType::Error);
        QCOMPARE(fx.currentFileName(), a);
        QCOMPARE(form.lists().groups().files(1).names(), QStringList{a});

        fx.prompts.clear();
        const QString b = fx.path("b.c");
        fx.prompts.choose(b);
        fx.prompts.answer(Answer::Yes);   // change the group's entry
        fx.run("FileSaveAsMnu");
        QCOMPARE(fx.prompts.texts(),
                 QStringList{QString("Do you wish to change \"%1\" to \"%2\" in the current group?")
                                 .arg(a, b)});
        QCOMPARE(form.lists().groups().files(1).names(), QStringList{b});
        QCOMPARE(form.lists().OpenGroupMainFile(), b);
        QCOMPARE(form.windowTitle(), QString("Tarnwick - [G] %1").arg(b));
        QCOMPARE(MainWindowFixture::readFile(b), QByteArray("a\n"));
        // The old name is a member no more than a recent file: it was in the group.
        QCOMPARE(form.lists().recentFiles().count(), 0);
    }

    void closingAMemberWithPersistentGroupsClosesTheGroup_data() {
        QTest::addColumn<bool>("persistent");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("tabsLeft");
        QTest::newRow("persistent") << true << 0 << QStringList{};
        QTest::newRow("Yes: the group") << false << int(Answer::Yes) << QStringList{"x.txt"};
        QTest::newRow("No: the file") << false << int(Answer::No) << QStringList{"a.c", "x.txt"};
        QTest::newRow("Cancel") << false << int(Answer::Cancel)
                                << QStringList{"a.c", "b.c", "x.txt"};
    }
    void closingAMemberWithPersistentGroupsClosesTheGroup() {
        QFETCH(bool, persistent);
        QFETCH(int, answer);
        QFETCH(QStringList, tabsLeft);
        MainWindowFixture fx;
        const QString x = fx.writeFile("x.txt", "x\n");
        const QString a = fx.writeFile("a.c", "a\n");
        const QString b = fx.writeFile("b.c", "b\n");
        StoredSettings s = withGroups({StoredGroup{"&1 G", utf8({a, b}), -1}});
        s.persistentGroups = persistent ? 1 : 0;
        fx.writeSettingsFile(s);
        fx.start({x});
        fx.chooseEntry("FileOpenGroupMnu", 0);
        // Persistent groups open on their own: x was closed first.
        QCOMPARE(fx.tabCaptions().size(), persistent ? 2 : 3);
        fx.run("ViewNextMnu");   // b shown
        if (!persistent)
            fx.prompts.answer(Answer(answer));
        fx.run("FileCloseCurrentFileMnu");
        QStringList left = fx.tabCaptions();
        left.sort();
        QCOMPARE(left, tabsLeft);
    }

    void theListsComeBackByteForByte() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "a\n");
        StoredSettings s = withGroups(
            {StoredGroup{"&1 Caf\xe9", {"/nowhere/caf\xe9.c", a.toUtf8()}, 1},
             StoredGroup{"&2 Two", {a.toUtf8()}, -1}},
            2);
        s.startupMode = 0;
        s.documents = {StoredDocument{a.toUtf8(), 0, 0, 0}};
        s.recentFiles = {"&1 /r/one", "&2 /r/d\xe9j\xe0", "/r/bare"};
        s.maxRecentFiles = 7;
        s.favorites = {"&1 /f/\xe9t\xe9", "&7 /f/odd"};
        s.windowLeft = 40;   // a placement the window keeps
        s.windowTop = 50;
        s.windowWidth = 600;
        s.windowHeight = 400;
        fx.writeSettingsFile(s);
        const QByteArray before = MainWindowFixture::readFile(fx.programDir() + "tw162.ini");
        TMainForm& form = fx.start();
        QCOMPARE(form.windowTitle(), QString("Tarnwick - [Two] %1").arg(a));
        QCOMPARE(form.lists().recentFiles().fileName(1), QString::fromUtf8("/r/d\xc3\xa9j\xc3\xa0"));
        QVERIFY(form.close());
        const QList<QByteArray> after = MainWindowFixture::readFile(fx.programDir() + "tw162.ini").split('\n');
        const QList<QByteArray> lines = before.split('\n');
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(after.value(i), lines.at(i));
        QCOMPARE(after.size(), lines.size());
    }
};

QTEST_MAIN(GroupsTest)
#include "test_groups.moc"
