#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QtTest>

#include "app/KeystrokeMapping.h"
#include "app/MainMenu.h"

using namespace tw;

namespace {

const QStringList kSubmenus = {
    "FileMnu", "FileRecentMnu", "FileFavoritesMnu", "FileOpenGroupMnu", "FileCloseMnu",
    "FileSelectionMnu", "FileBackupMnu", "FileUnbackupMnu", "FileReplaceMnu", "FileAddMnu",
    "FileOperationsMnu", "EditMnu", "EditChangeCaseMnu", "SearchMnu", "ViewMnu",
    "ClipboardMnu", "ExecuteMnu", "RunMnu", "OptionsMnu", "HelpMnu",
};

// Every item name used anywhere in the design, spellings as designed.
const QStringList kItems = {
    "FileNewMnu", "FileOpenMnu", "FileInsertMnu", "FileReloadMnu", "FileCloseCurrentFileMnu",
    "FileCloseAllFilesMnu", "FileCloseGroupMnu", "FileSaveMnu", "FileSaveAsMnu",
    "FileSaveAllMnu", "FileSelectionSaveMnu", "FileSelectionOpenMnu",
    "FileBackupCurrentFileMnu", "FileBackupAllFilesMnu", "FileUnbackupCurrentFileMnu",
    "FileUnbackupAllFilesMenu", "FileReplaceCurrentFileMnu", "FileReplaceAllFilesMnu",
    "AddFavoritesMnu", "AddGroupMnu", "FileCopyMnu", "FileMoveMnu", "FileRenameMnu",
    "FileDeleteMnu", "FilePrintMnu", "FilePrintSetupMnu", "FileExitMnu", "EditUndoMnu",
    "EditCutMnu", "EditCopyMnu", "EditPasteMnu", "EditDeleteMnu", "EditCutLineMnu",
    "EditDeleteLineMnu", "EditSelectAllMnu", "EditChangeCaseLowerMnu",
    "EditChangeCaseUpperMnu", "EditChangeCaseTitleMnu", "EditIndentBlockMnu",
    "EditUnindentBlockMnu", "SearchFindMnu", "SearchSearchAgainMnu", "SearchReplaceMnu",
    "SearchGotoLineNumberMnu", "ViewNextMnu", "ViewPreviousMnu", "ViewSelectFileMnu",
    "ViewMainFileMnu", "ViewShowClipMnu", "ViewScrollBarsMnu", "ViewTabsMnu",
    "ViewToolBarMnu", "ViewStatusBarMnu", "ClipboardDualMnu", "ClipboardStackMnu",
    "ClipboardQueueMnu", "ClipboardSwapClipMnu", "ExecuteCurrentFileMnu",
    "ExecuteExplorerMnu", "ExecuteDOSPromptMnu", "ExecuteDOSComMnu", "OptionsEnvironmentMnu",
    "OptionsFontMnu", "WrapMnu", "OptionsReadOnlyMnu", "OptionsPropertiesMnu",
    "OptionsExecuteMnu", "OptionsRunMnu", "OptionsOpenGroupMenu", "OptionsOpenFavoritesMnu",
    "OptionsOpenRecentMmu", "OptionsFiltersMnuItem", "HelpContentsMnu", "HelpAboutMnu",
};

QString shortcutOf(const QObject& root, const char* name)
{
    auto* action = root.findChild<QAction*>(name);
    return action ? action->shortcut().toString(QKeySequence::PortableText) : "<missing>";
}

// The menu that directly holds the action (not counting shortcut menus). A
// submenu's own action belongs to the submenu, which belongs to its holder.
QString parentMenuOf(QAction* action)
{
    QObject* holder = action->menu() ? action->menu()->parent() : action->parent();
    auto* menu = qobject_cast<QMenu*>(holder);
    return menu ? menu->objectName() : QString();
}

void collectShortcuts(QMenu* menu, QHash<QString, QString>& seen, QStringList& clashes)
{
    for (QAction* action : menu->actions()) {
        if (action->menu())
            collectShortcuts(action->menu(), seen, clashes);
        const QString keys = action->shortcut().toString(QKeySequence::PortableText);
        if (keys.isEmpty())
            continue;
        if (seen.contains(keys))
            clashes << keys + ": " + seen[keys] + " and " + action->objectName();
        seen.insert(keys, action->objectName());
    }
}

QStringList shortcutClashes(QMenuBar& bar)
{
    QHash<QString, QString> seen;
    QStringList clashes;
    for (QAction* top : bar.actions())
        collectShortcuts(top->menu(), seen, clashes);
    return clashes;
}

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void everyDesignedNameExistsOnce()
    {
        QMenuBar bar;
        buildMainMenu(&bar);
        for (const QString& name : kItems + kSubmenus)
            QVERIFY2(bar.findChildren<QAction*>(name).size() == 1, qPrintable(name));
        for (const QString& name : kSubmenus) {
            auto* menu = bar.findChild<QMenu*>(name);
            QVERIFY2(menu, qPrintable(name));
            QCOMPARE(menu->menuAction()->objectName(), name);
        }
    }

    void captionsAndShortcuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("parent");
        const QList<QStringList> rows = {
            {"FileNewMnu", "&New", "Ctrl+N", "FileMnu"},
            {"FilePrintSetupMnu", "Print Set&up...", "", "FileMnu"},
            {"FileExitMnu", "E&xit", "Alt+F4", "FileMnu"},
            {"FileRecentMnu", "Open Recen&t", "", "FileMnu"},
            {"FileOperationsMnu", "Op&erations", "", "FileMnu"},
            {"FileCloseCurrentFileMnu", "&Current File", "Ctrl+F4", "FileCloseMnu"},
            {"FileUnbackupAllFilesMenu", "&All Files", "", "FileUnbackupMnu"},
            {"AddGroupMnu", "&Group", "", "FileAddMnu"},
            {"EditUndoMnu", "&Undo", "Ctrl+Z", "EditMnu"},
            {"EditCutLineMnu", "Cut Li&ne", "Ctrl+T", "EditMnu"},
            {"EditIndentBlockMnu", "&Indent", "Ctrl+Shift+I", "EditMnu"},
            {"EditUnindentBlockMnu", "Unind&ent", "Ctrl+Shift+U", "EditMnu"},
            {"EditChangeCaseTitleMnu", "&Title", "", "EditChangeCaseMnu"},
            {"SearchSearchAgainMnu", "&Search Again", "Ctrl+L", "SearchMnu"},
            {"SearchGotoLineNumberMnu", "&Goto Line...", "Ctrl+G", "SearchMnu"},
            {"ViewPreviousMnu", "&Previous", "Shift+F6", "ViewMnu"},
            {"ViewSelectFileMnu", "&Select File...", "F2", "ViewMnu"},
            {"ClipboardSwapClipMnu", "S&wap Clip", "Ctrl+W", "ClipboardMnu"},
            {"ExecuteDOSComMnu", "DOS &Command...", "", "ExecuteMnu"},
            {"OptionsOpenRecentMmu", "Open Recen&t Menu...", "", "OptionsMnu"},
            {"OptionsFiltersMnuItem", "Filters", "", "OptionsMnu"},
            {"HelpContentsMnu", "&Welcome to Help", "F1", "HelpMnu"},
        };
        for (const QStringList& row : rows)
            QTest::newRow(qPrintable(row[0])) << row[0] << row[1] << row[2] << row[3];
    }

    void captionsAndShortcuts()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(QString, parent);
        QMenuBar bar;
        buildMainMenu(&bar);
        auto* action = bar.findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shortcut);
        QCOMPARE(parentMenuOf(action), parent);
    }

    void topLevelMenusInOrder()
    {
        QMenuBar bar;
        buildMainMenu(&bar);
        QStringList names;
        for (QAction* action : bar.actions())
            names << action->objectName();
        QCOMPARE(names, QStringList({"FileMnu", "EditMnu", "SearchMnu", "ViewMnu", "ClipboardMnu",
                                     "ExecuteMnu", "RunMnu", "OptionsMnu", "HelpMnu"}));
        QVERIFY(bar.findChild<QMenu*>("RunMnu")->actions().isEmpty());
    }

    void checkMarksRadioItemsAndDefaults()
    {
        QMenuBar bar;
        buildMainMenu(&bar);
        for (const char* name : {"ViewShowClipMnu", "ViewScrollBarsMnu", "ViewTabsMnu",
                                 "ViewToolBarMnu", "ViewStatusBarMnu"}) {
            auto* toggle = bar.findChild<QAction*>(name);
            QVERIFY2(toggle->isCheckable() && toggle->isChecked(), name);
        }
        for (const char* name : {"WrapMnu", "OptionsReadOnlyMnu"}) {
            auto* toggle = bar.findChild<QAction*>(name);
            QVERIFY2(toggle->isCheckable() && !toggle->isChecked(), name);
        }

        auto* dual = bar.findChild<QAction*>("ClipboardDualMnu");
        auto* stack = bar.findChild<QAction*>("ClipboardStackMnu");
        auto* queue = bar.findChild<QAction*>("ClipboardQueueMnu");
        QVERIFY(dual->actionGroup() && dual->actionGroup()->isExclusive());
        QVERIFY(stack->actionGroup() == dual->actionGroup() && queue->actionGroup() == dual->actionGroup());
        QVERIFY(dual->isChecked() && !stack->isChecked() && !queue->isChecked());
        stack->trigger();
        QVERIFY(!dual->isChecked() && stack->isChecked());
        stack->trigger(); // a marked radio item stays marked
        QVERIFY(stack->isChecked());
        QVERIFY(!bar.findChild<QAction*>("ClipboardSwapClipMnu")->isCheckable());

        QCOMPARE(bar.findChild<QMenu*>("ClipboardMnu")->defaultAction()->objectName(),
                 QString("ClipboardSwapClipMnu"));
        QCOMPARE(bar.findChild<QMenu*>("ExecuteMnu")->defaultAction()->objectName(),
                 QString("ExecuteExplorerMnu"));
        QCOMPARE(bar.findChild<QMenu*>("OptionsMnu")->defaultAction()->objectName(),
                 QString("OptionsEnvironmentMnu"));
    }

    void helpTopics()
    {
        QMenuBar bar;
        buildMainMenu(&bar);
        const QList<QPair<const char*, int>> topics = {
            {"HelpContentsMnu", 1}, {"OptionsRunMnu", 2}, {"OptionsOpenGroupMenu", 3},
            {"ViewMainFileMnu", 3}, {"OptionsExecuteMnu", 4}, {"ViewSelectFileMnu", 5},
            {"OptionsOpenFavoritesMnu", 6}, {"ClipboardSwapClipMnu", 7},
            {"OptionsEnvironmentMnu", 8}, {"OptionsReadOnlyMnu", 9}, {"RunMnu", 2},
        };
        for (const auto& [name, topic] : topics)
            QCOMPARE(bar.findChild<QAction*>(name)->property(kHelpTopicProperty).toInt(), topic);
        QVERIFY(!bar.findChild<QAction*>("FileNewMnu")->property(kHelpTopicProperty).isValid());
    }

    // Two entries of one menu with the same accelerator letter would make the
    // letter cycle instead of choosing.
    void acceleratorsUniqueWithinEachMenu()
    {
        QMenuBar bar;
        buildMainMenu(&bar);
        QList<QWidget*> menus{&bar};
        for (QMenu* menu : bar.findChildren<QMenu*>())
            menus << menu;
        menus << buildPopupMenu(&bar);
        for (QWidget* menu : menus) {
            QSet<QChar> used;
            for (QAction* action : menu->actions()) {
                const int amp = action->text().indexOf('&');
                if (amp < 0)
                    continue;
                const QChar key = action->text().at(amp + 1).toUpper();
                QVERIFY2(!used.contains(key), qPrintable(menu->objectName() + ": " + action->text()));
                used.insert(key);
            }
        }
    }

    void noShortcutTwiceInAnyMapping()
    {
        QMenuBar bar;
        buildMainMenu(&bar);
        QCOMPARE(shortcutClashes(bar), QStringList());
        ApplyKeystrokeMapping(&bar, 1);
        QCOMPARE(shortcutClashes(bar), QStringList());
        ApplyKeystrokeMapping(&bar, 0);
        QCOMPARE(shortcutClashes(bar), QStringList());
    }

    void keystrokeMapping_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("mapping0");
        QTest::addColumn<QString>("mapping1");
        QTest::newRow("save") << "FileSaveMnu" << "Ctrl+S" << "F2";
        QTest::newRow("open") << "FileOpenMnu" << "Ctrl+O" << "F3";
        QTest::newRow("again") << "SearchSearchAgainMnu" << "F3" << "Ctrl+L";
        QTest::newRow("close") << "FileCloseCurrentFileMnu" << "Ctrl+F4" << "Alt+F3";
        QTest::newRow("exit") << "FileExitMnu" << "Alt+F4" << "Alt+X";
        QTest::newRow("undo") << "EditUndoMnu" << "Ctrl+Z" << "Alt+Backspace";
        QTest::newRow("select") << "ViewSelectFileMnu" << "F2" << "Alt+0";
    }

    void keystrokeMapping()
    {
        QFETCH(QString, item);
        QFETCH(QString, mapping0);
        QFETCH(QString, mapping1);
        QMenuBar bar;
        buildMainMenu(&bar);
        const QByteArray name = item.toUtf8();
        ApplyKeystrokeMapping(&bar, 1);
        QCOMPARE(shortcutOf(bar, name), mapping1);
        ApplyKeystrokeMapping(&bar, 7); // other values change nothing
        ApplyKeystrokeMapping(&bar, -1);
        QCOMPARE(shortcutOf(bar, name), mapping1);
        ApplyKeystrokeMapping(&bar, 0);
        QCOMPARE(shortcutOf(bar, name), mapping0);
    }

    void unknownMappingKeepsDesignedShortcuts()
    {
        QMenuBar bar;
        buildMainMenu(&bar);
        ApplyKeystrokeMapping(&bar, 2);
        QCOMPARE(shortcutOf(bar, "SearchSearchAgainMnu"), QString("Ctrl+L"));
        QCOMPARE(shortcutOf(bar, "FileSaveMnu"), QString("Ctrl+S"));
        QCOMPARE(shortcutOf(bar, "FileNewMnu"), QString("Ctrl+N")); // not mapped at all
        ApplyKeystrokeMapping(&bar, 1);
        QCOMPARE(shortcutOf(bar, "FileNewMnu"), QString("Ctrl+N"));
    }

    void popupMenuItems()
    {
        QWidget owner;
        QMenu* popup = buildPopupMenu(&owner);
        QCOMPARE(popup->objectName(), QString("PopupMenu"));
        QCOMPARE(popup->parent(), &owner);
        QStringList names;
        for (QAction* action : popup->actions()) {
            if (!action->isSeparator())
                names << action->objectName();
        }
        QCOMPARE(names, QStringList({"CutPopItem", "CopyPopItem", "PastePopItem", "DeletePopItem",
                                     "NextPopItem", "PreviousPopItem", "OpenGroupPopItem",
                                     "AddToPopItem", "ClosePopItem", "PropertiesPopItem"}));
        QCOMPARE(popup->findChild<QAction*>("PropertiesPopItem")->text(), QString("Prop&erties..."));
        for (const char* name : {"OpenGroupPopItem", "AddToPopItem", "ClosePopItem"})
            QVERIFY2(popup->findChild<QMenu*>(name), name);
        // No popup item may compete with the main menu for a key.
        for (QAction* action : popup->findChildren<QAction*>())
            QVERIFY(action->shortcut().isEmpty());
    }

    void popupSubmenusShareTheFileMenusEntries()
    {
        QMenuBar bar;
        buildMainMenu(&bar);
        QMenu* popup = buildPopupMenu(&bar);
        auto* groups = bar.findChild<QMenu*>("FileOpenGroupMnu");
        auto* firstGroup = groups->addAction("&1 Project");

        mirrorPopupSubmenus(&bar, popup);
        mirrorPopupSubmenus(&bar, popup); // again: no entry twice
        QCOMPARE(popup->findChild<QMenu*>("AddToPopItem")->actions(),
                 bar.findChild<QMenu*>("FileAddMnu")->actions());
        QCOMPARE(popup->findChild<QMenu*>("ClosePopItem")->actions(),
                 bar.findChild<QMenu*>("FileCloseMnu")->actions());
        QCOMPARE(popup->findChild<QMenu*>("OpenGroupPopItem")->actions(), QList<QAction*>{firstGroup});

        // A group removed from the File menu leaves the popup at the next mirroring,
        // and the File menu's own entries survive it.
        groups->removeAction(firstGroup);
        mirrorPopupSubmenus(&bar, popup);
        QVERIFY(popup->findChild<QMenu*>("OpenGroupPopItem")->actions().isEmpty());
        QVERIFY(bar.findChild<QAction*>("AddGroupMnu"));
    }
};

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
