// Favorites and recent files through the real main window: which closes
// enter the recent list, the entries' clicks with missing, unreadable and
// refused files, Add To Favorites, and the two editors.
#include <QtTest>

#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "lists/FavoritesUnit.h"
#include "lists/FileListBox.h"
#include "lists/FileLists.h"
#include "lists/RecentUnit.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

class FavoritesRecentTest : public QObject {
    Q_OBJECT
private slots:
    void closedFilesEnterTheRecentListNewestOnTop() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        const QString c = fx.writeFile("c.txt", "c\n");
        const QString fav = fx.writeFile("fav.txt", "f\n");
        TMainForm& form = fx.start({a, b, c, fav});
        form.lists().AddFavorite(fav);
        fx.run("FileNewMnu");                      // untitled: never listed
        fx.run("FileCloseCurrentFileMnu");
        fx.run("FileCloseAllFilesMnu");           // c, b, a, then the shown fav
        QCOMPARE(fx.submenuCaptions("FileRecentMnu"),
                 (QStringList{"&1 " + a, "&2 " + b, "&3 " + c}));
        // Reopened and closed again, a file moves up instead of doubling.
        fx.chooseEntry("FileRecentMnu", 2);
        QCOMPARE(fx.currentFileName(), c);
        QCOMPARE(fx.submenuCaptions("FileRecentMnu").size(), 3);   // it stays until closed
        fx.run("FileCloseCurrentFileMnu");
        QCOMPARE(fx.submenuCaptions("FileRecentMnu"), (QStringList{"&1 " + c, "&2 " + a, "&3 " + b}));
        QVERIFY(fx.prompts.texts().isEmpty());
    }

    // An "&" in a name is shown as it is, not taken for an accelerator mark;
    // the entries still open their files and are stored unchanged.
    void ampersandsInNamesAreShownAsTheyAre() {
        MainWindowFixture fx;
        const QString rd = fx.writeFile("R&D.txt", "rd\n");
        const QString qa = fx.writeFile("Q&A.txt", "qa\n");
        StoredSettings s = firstRunSettings();
        s.groups = {StoredGroup{"&1 R&D", {rd.toUtf8()}, -1}};
        s.favorites = {"&1 " + rd.toUtf8()};
        s.recentFiles = {"&1 " + qa.toUtf8()};
        fx.writeSettingsFile(s);
        TMainForm& form = fx.start();
        QCOMPARE(fx.submenuCaptions("FileOpenGroupMnu"), QStringList{"&1 R&&D"});
        QCOMPARE(fx.submenuCaptions("FileFavoritesMnu"), QStringList{"&1 " + QString(rd).replace("&", "&&")});
        QCOMPARE(fx.submenuCaptions("FileRecentMnu"), QStringList{"&1 " + QString(qa).replace("&", "&&")});
        fx.chooseEntry("FileRecentMnu", 0);
        QCOMPARE(fx.currentFileName(), qa);
        fx.chooseEntry("FileFavoritesMnu", 0);
        QCOMPARE(fx.currentFileName(), rd);
        QCOMPARE(form.lists().groups().name(1), QString("R&D"));
        QVERIFY(fx.prompts.texts().isEmpty());
    }

    void aRecentEntryGoesOnlyWhenItsFileIsReallyMissing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("kept");
        QTest::newRow("missing") << "missing"
                                 << QStringList{"File \"%1\" cannot be found",
                                                "Do you with to DELETE \"%1\" from the \"File|Open Recent\" menu?"}
                                 << false;
        QTest::newRow("a folder") << "folder"
                                  << QStringList{"File \"%1\" cannot be read: Not a regular file"}
                                  << true;
        QTest::newRow("settings file") << "settings"
                                       << QStringList{"Tarnwick cannot open \"tw162.ini\""} << true;
        QTest::newRow("document limit") << "limit" << QStringList{"No more Files can be Opened!"}
                                        << true;
    }
    void aRecentEntryGoesOnlyWhenItsFileIsReallyMissing() {
        QFETCH(QString, kind);
        QFETCH(QStringList, texts);
        QFETCH(bool, kept);
        MainWindowFixture fx(false);
        QString name = fx.path("gone.txt");
        if (kind == "folder") {
            name = fx.path("folder");
            QDir().mkpath(name);
        } else if (kind == "settings") {
            name = fx.programDir() + "tw162.ini";
        } else if (kind == "limit") {
            name = fx.writeFile("there.txt", "t\n");
        }
        StoredSettings s = firstRunSettings();
        s.recentFiles = {"&1 " + name.toUtf8(), "&2 /other"};
        fx.writeSettingsFile(s);
        TMainForm& form = fx.start();
        if (kind == "limit")
            for (int i = 0; i < 255; ++i)
                fx.run("FileNewMnu");
        fx.prompts.answer(Answer::Yes);
        fx.chooseEntry("FileRecentMnu", 0);
        QStringList expected;
        for (const QString& text : texts)
            expected << text.arg(name);
        QCOMPARE(fx.prompts.texts(), expected);
        QCOMPARE(form.lists().recentFiles().find(name) == 0, kept);
        QCOMPARE(fx.submenuCaptions("FileRecentMnu").last(), kept ? QString("&2 /other") : QString("&1 /other"));
        QCoreApplication::processEvents();   // the removed entry is deleted safely afterwards
    }

    void favoritesOpenAndAreOfferedForRemovalWhenMissing() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString gone = fx.path("gone.txt");
        StoredSettings s = firstRunSettings();
        s.favorites = {"&1 " + gone.toUtf8(), "&2 " + a.toUtf8()};
        fx.writeSettingsFile(s);
        TMainForm& form = fx.start();
        fx.chooseEntry("FileFavoritesMnu", 1);
        QCOMPARE(fx.currentFileName(), a);

        fx.prompts.answer(Answer::No);
        fx.chooseEntry("FileFavoritesMnu", 0);
        QCOMPARE(fx.prompts.texts().last(),
                 QString("Do you wish to REMOVE \"%1\" from the favorites menu?").arg(gone));
        QCOMPARE(fx.submenuCaptions("FileFavoritesMnu").size(), 2);
        fx.prompts.answer(Answer::Yes);
        fx.chooseEntry("FileFavoritesMnu", 0);
        QCOMPARE(fx.submenuCaptions("FileFavoritesMnu"), QStringList{"&1 " + a});
        QCoreApplication::processEvents();

        // Add To Favorites: enabled only for a file not yet there.
        form.findChild<QMenu*>("FileMnu")->aboutToShow();
        QVERIFY(!fx.isEnabled("AddFavoritesMnu"));
        QVERIFY(!fx.isEnabled("AddGroupMnu"));
        QVERIFY(!fx.isEnabled("FileCloseGroupMnu"));
        QVERIFY(!fx.isEnabled("FileRecentMnu"));   // nothing was closed yet
    }

    void addingAFavoriteTakesItOffTheRecentList_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("recentLeft");
        QTest::newRow("Yes") << int(Answer::Yes) << 0;
        QTest::newRow("No") << int(Answer::No) << 1;
    }
    void addingAFavoriteTakesItOffTheRecentList() {
        QFETCH(int, answer);
        QFETCH(int, recentLeft);
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        TMainForm& form = fx.start({a});
        fx.run("FileCloseCurrentFileMnu");
        QCOMPARE(form.lists().recentFiles().count(), 1);
        form.files().OpenAsCurrent(a, true);
        fx.prompts.answer(Answer(answer));
        fx.run("AddFavoritesMnu");
        QCOMPARE(fx.prompts.texts(),
                 QStringList{QString("Do you with to DELETE \"%1\" from the \"File|Open Recent\" menu?").arg(a)});
        QCOMPARE(fx.submenuCaptions("FileFavoritesMnu"), QStringList{"&1 " + a});
        QCOMPARE(form.lists().recentFiles().count(), recentLeft);
        fx.prompts.clear();
        form.lists().AddFavorite(a);
        QCOMPARE(fx.prompts.texts(), QStringList{QString("\"%1\" is already in favorites").arg(a)});
    }

    void the256thFavoriteIsRefusedWithAMessage() {
        MainWindowFixture fx;
        StoredSettings s = firstRunSettings();
        for (int i = 0; i < 255; ++i)
            s.favorites << QByteArray("/f/") + QByteArray::number(i);
        fx.writeSettingsFile(s);
        TMainForm& form = fx.start();
        QVERIFY(!form.lists().AddFavorite("/f/new"));
        QCOMPARE(fx.prompts.texts(),
                 QStringList{"The favorites menu already holds 255 files: \"/f/new\" was not added."});
        QCOMPARE(fx.submenuCaptions("FileFavoritesMnu").size(), 255);
    }

    void theFavoritesEditorAddsRemovesAndOrders() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.txt", "a\n");
        const QString b = fx.writeFile("b.txt", "b\n");
        const QString c = fx.writeFile("c.txt", "c\n");
        StoredSettings s = firstRunSettings();
        s.favorites = {"&1 " + a.toUtf8()};
        fx.writeSettingsFile(s);
        TMainForm& form = fx.start();
        TFavForm& editor = form.FavForm();
        editor.load(QString(), form.documents().CurrentFileName());
        QCOMPARE(editor.names(), QStringList{a});
        QVERIFY(!editor.findChild<QPushButton*>("OrderBtn")->isEnabled());
        QVERIFY(!editor.findChild<QPushButton*>("RemoveBtn")->isEnabled());

        fx.prompts.chooseFiles({b, fx.programDir() + "tw162.ini", a, c});
        fx.prompts.answer(Answer::No);   // a a second time? No
        editor.AddBtnClick();
        QCOMPARE(fx.prompts.shown().first().request.initialDir, fx.path(QString()) + "");
        QCOMPARE(fx.prompts.texts(),
                 (QStringList{"Tarnwick cannot open \"tw162.ini\"",
                              QString("File \"%1\" is already in favorites.  Do you wish to add it again?").arg(a)}));
        QCOMPARE(editor.names(), (QStringList{a, b, c}));
        QVERIFY(editor.findChild<QPushButton*>("OrderBtn")->isEnabled());

        editor.listBox().item(1)->setSelected(true);
        QVERIFY(editor.findChild<QPushButton*>("RemoveBtn")->isEnabled());
        QTest::keyClick(&editor.listBox(), Qt::Key_Delete);
        QCOMPARE(editor.names(), (QStringList{a, c}));

        editor.findChild<QPushButton*>("CancelBtn")->click();
        QCOMPARE(fx.submenuCaptions("FileFavoritesMnu"), QStringList{"&1 " + a});
        editor.load(QString(), QString());
        fx.prompts.chooseFiles({c});
        editor.AddBtnClick();
        editor.OKBtnClick();
        QCOMPARE(fx.submenuCaptions("FileFavoritesMnu"), (QStringList{"&1 " + a, "&2 " + c}));
    }

    void theRecentEditorKeepsTheFirstNamesUpToItsMaximum() {
        MainWindowFixture fx;
        StoredSettings s = firstRunSettings();
        for (int i = 1; i <= 10; ++i)
            s.recentFiles << QByteArray("/r/") + QByteArray::number(i);
        s.maxRecentFiles = 0;   // damaged: 28 in force
        fx.writeSettingsFile(s);
        TMainForm& form = fx.start();
        TRecentForm& editor = form.RecentForm();
        editor.load();
        QCOMPARE(editor.maximumBox().value(), 28);
        QCOMPARE(editor.maximumBox().maximum(), 255);
        QCOMPARE(editor.maximumBox().minimum(), 1);
        QCOMPARE(editor.findChild<QGroupBox*>("RecentCB")->title(), QString("(10) &Files in Recent Menu"));
        editor.maximumBox().setValue(3);
        editor.OKBtnClick();
        QCOMPARE(fx.submenuCaptions("FileRecentMnu"), (QStringList{"&1 /r/1", "&2 /r/2", "&3 /r/3"}));
        QCOMPARE(form.options().MaxRecentFiles, 3);

        // The first close after a damaged maximum works like any other.
        form.options().MaxRecentFiles = -4;
        const QString f = fx.writeFile("f.txt", "f\n");
        form.files().OpenAsCurrent(f, true);
        fx.run("FileCloseCurrentFileMnu");
        QCOMPARE(fx.submenuCaptions("FileRecentMnu").first(), "&1 " + f);
        QCOMPARE(fx.submenuCaptions("FileRecentMnu").size(), 4);
    }
};

QTEST_MAIN(FavoritesRecentTest)
#include "test_favorites_recent.moc"
