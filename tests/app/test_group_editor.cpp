// The group editor through the real main window: making, saving, reordering
// and deleting groups as records, the main file through its check box, and
// the submenu and title following at once.
#include <QtTest>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include "app/DocumentTable.h"
#include "lists/FileListBox.h"
#include "lists/FileLists.h"
#include "lists/GroupUnit.h"
#include "lists/OrderUnit.h"
#include "settings/SettingsCodec.h"
#include "settings/StoredSettings.h"
#include "support/MainWindowFixture.h"

using namespace tw;
using namespace tw::test;

namespace {

template <typename T = QPushButton>
T* control(TGroupForm& editor, const char* name) {
    return editor.findChild<T*>(QString::fromLatin1(name));
}

void click(TGroupForm& editor, const char* name) { control(editor, name)->click(); }

void typeName(TGroupForm& editor, const QString& name) {
    QLineEdit* edit = control<QLineEdit>(editor, "NameEdit");
    edit->selectAll();
    QTest::keyClicks(edit, name);
}

StoredSettings threeGroups(const QString& a, const QString& b, const QString& c) {
    StoredSettings s = firstRunSettings();
    s.groups = {StoredGroup{"&1 One", {a.toUtf8()}, -1},
                StoredGroup{"&2 Two", {a.toUtf8(), b.toUtf8()}, 1},
                StoredGroup{"&3 Three", {b.toUtf8(), c.toUtf8()}, 0}};
    return s;
}

} // namespace

class GroupEditorTest : public QObject {
    Q_OBJECT
private slots:
    void aNewGroupIsMadeAndSaved() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "a\n");
        const QString b = fx.writeFile("b.c", "b\n");
        TMainForm& form = fx.start();
        TGroupForm& editor = form.GroupForm();
        editor.load(QString(), form.documents().CurrentFileName());
        QCOMPARE(control<QLineEdit>(editor, "GroupNumEdit")->text(), QString("1"));
        QVERIFY(!control(editor, "SaveBtn")->isEnabled());
        QVERIFY(!control(editor, "DeleteBtn")->isEnabled());
        QVERIFY(!control(editor, "MenuItemOrderBtn")->isEnabled());

        typeName(editor, "Project");
        fx.prompts.chooseFiles({a, fx.programDir() + "tw162.ini", b, a});
        fx.prompts.answer(Answer::Yes);   // a a second time
        click(editor, "AddBtn");
        QCOMPARE(fx.prompts.shown().first().request.title, QString("Add"));
        QCOMPARE(fx.prompts.shown().first().request.initialDir, fx.programDir());
        QCOMPARE(fx.prompts.texts(),
                 (QStringList{"Tarnwick cannot open \"tw162.ini\"",
                              QString("File \"%1\" is already in group.  Do you wish to add it again?").arg(a)}));
        QCOMPARE(editor.files().names(), (QStringList{a, b, a}));
        QCOMPARE(control<QGroupBox>(editor, "NumInGroupGB")->title(), QString("(3) &Files in Current Group"));

        // The second a goes again; b becomes the main file.
        FileListBox* list = control<FileListBox>(editor, "ListBox1");
        list->setCurrentRow(2);
        QTest::keyClick(list, Qt::Key_Delete);
        list->setCurrentRow(1);
        QVERIFY(control<QCheckBox>(editor, "MainFileCB")->isEnabled());
        control<QCheckBox>(editor, "MainFileCB")->click();
        QCOMPARE(editor.files().mainFile(), 1);
        QVERIFY(control(editor, "SaveBtn")->isEnabled());
        click(editor, "SaveBtn");
        QCOMPARE(fx.submenuCaptions("FileOpenGroupMnu"), QStringList{"&1 Project"});
        QCOMPARE(form.lists().groups().files(1).names(), (QStringList{a, b}));
        QCOMPARE(form.lists().groups().files(1).mainFile(), 1);
        QVERIFY(control(editor, "DeleteBtn")->isEnabled());
        editor.unload();
    }

    void showingStartsOnTheOpenGroupAndDeletingRenumbers() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "a\n");
        const QString b = fx.writeFile("b.c", "b\n");
        const QString c = fx.writeFile("c.c", "c\n");
        fx.writeSettingsFile(threeGroups(a, b, c));
        TMainForm& form = fx.start();
        form.lists().OpenGroup(3);
        QCOMPARE(form.windowTitle(), QString("Tarnwick - [Three] %1").arg(b));
        TGroupForm& editor = form.GroupForm();
        editor.load(QString(), b);
        QCOMPARE(control<QLineEdit>(editor, "NameEdit")->text(), QString("Three"));
        QCOMPARE(control<QScrollBar>(editor, "ScrollBar1")->maximum(), 3);
        QVERIFY(control(editor, "NewBtn")->isEnabled());

        click(editor, "PreBtn");
        click(editor, "PreBtn");   // group One
        fx.prompts.answer(Answer::Yes);   // Sure?
        click(editor, "DeleteBtn");
        QCOMPARE(fx.prompts.texts(), QStringList{"Sure you with to DELETE this group?"});
        QCOMPARE(fx.submenuCaptions("FileOpenGroupMnu"), (QStringList{"&1 Two", "&2 Three"}));
        QCOMPARE(form.lists().groups().openGroup(), 2);
        QCOMPARE(form.lists().OpenGroupMainFile(), b);
        QCOMPARE(control<QLineEdit>(editor, "NameEdit")->text(), QString("Two"));

        // Deleting the open group itself takes the mark off the title.
        click(editor, "NextBtn");
        fx.prompts.answer(Answer::Yes);
        click(editor, "DeleteBtn");
        QCOMPARE(form.windowTitle(), QString("Tarnwick - %1").arg(b));
        QVERIFY(!form.lists().isGroupOpen());
        editor.unload();
    }

    void savingTheOpenGroupOffersToReopenIt() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "a\n");
        const QString b = fx.writeFile("b.c", "b\n");
        const QString c = fx.writeFile("c.c", "c\n");
        fx.writeSettingsFile(threeGroups(a, b, c));
        TMainForm& form = fx.start();
        form.lists().OpenGroup(1);
        QCOMPARE(fx.tabCaptions(), QStringList{"a.c"});
        TGroupForm& editor = form.GroupForm();
        editor.load(QString(), a);
        fx.prompts.chooseFiles({c});
        click(editor, "AddBtn");
        fx.prompts.answer(Answer::Yes);   // reopen
        click(editor, "SaveBtn");
        QCOMPARE(fx.prompts.texts().last(),
                 QString("The group currently open has been modified.  Do you want to reopen it?"));
        QCOMPARE(fx.tabCaptions(), (QStringList{"a.c", "c.c"}));
        QVERIFY(form.lists().isGroupOpen());
        editor.unload();
    }

    void menuItemOrderMovesWholeGroupsAndTheOpenOneFollows() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "a\n");
        const QString b = fx.writeFile("b.c", "b\n");
        const QString c = fx.writeFile("c.c", "c\n");
        fx.writeSettingsFile(threeGroups(a, b, c));
        TMainForm& form = fx.start();
        form.lists().OpenGroup(2);
        TGroupForm& editor = form.GroupForm();
        editor.load(QString(), a);
        TOrderForm& order = form.OrderForm();
        QTimer::singleShot(0, &order, [&order] {
            order.SortBtnClick();   // One, Three, Two
            order.accept();
        });
        click(editor, "MenuItemOrderBtn");
        QCOMPARE(fx.submenuCaptions("FileOpenGroupMnu"), (QStringList{"&1 One", "&2 Three", "&3 Two"}));
        QCOMPARE(form.lists().groups().openGroup(), 3);
        QCOMPARE(form.lists().OpenGroupMainFile(), b);
        QCOMPARE(control<QLineEdit>(editor, "GroupNumEdit")->text(), QString("3"));
        QCOMPARE(control<QLineEdit>(editor, "NameEdit")->text(), QString("Two"));
        editor.unload();
    }

    void orderKeepsTheMainFileOnItsFile() {
        MainWindowFixture fx;
        const QString a = fx.writeFile("a.c", "a\n");
        const QString b = fx.writeFile("b.c", "b\n");
        const QString c = fx.writeFile("c.c", "c\n");
        fx.writeSettingsFile(threeGroups(a, b, c));
        TMainForm& form = fx.start();
        TGroupForm& editor = form.GroupForm();
        editor.load(QString(), QString());   // no group open: a new record
        click(editor, "PreBtn");             // Three: b (main), c
        QCOMPARE(control<QLineEdit>(editor, "NameEdit")->text(), QString("Three"));
        TOrderForm& order = form.OrderForm();
        QTimer::singleShot(0, &order, [&order] {
            order.DownBtnClick();   // selects the last
            order.DownBtnClick();   // the last to the top: c, b
            order.accept();
        });
        click(editor, "OrderBtn");
        QCOMPARE(editor.files().names(), (QStringList{c, b}));
        QCOMPARE(editor.files().mainFileName(), b);
        click(editor, "SaveBtn");
        QCOMPARE(form.lists().groups().files(3).mainFile(), 1);
        editor.unload();
    }

    void twentyEightGroupsAllowNoNewOne() {
        MainWindowFixture fx;
        StoredSettings s = firstRunSettings();
        for (int i = 1; i <= 28; ++i)
            s.groups << StoredGroup{"G" + QByteArray::number(i), {"/g"}, -1};
        fx.writeSettingsFile(s);
        TMainForm& form = fx.start();
        TGroupForm& editor = form.GroupForm();
        editor.load(QString(), QString());
        QCOMPARE(control<QLineEdit>(editor, "GroupNumEdit")->text(), QString("28"));
        QVERIFY(!control(editor, "NewBtn")->isEnabled());
        QCOMPARE(fx.submenuCaptions("FileOpenGroupMnu").at(8), QString("G9"));   // as stored, unnumbered
        editor.unload();
    }
};

QTEST_MAIN(GroupEditorTest)
#include "test_group_editor.moc"
