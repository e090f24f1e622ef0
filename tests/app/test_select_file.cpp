// The select-file dialog: what it lists for same-named files, the extension
// filter, choosing by typing, keys and the list, OK's matching and messages,
// and View > Select File switching documents in the real window.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/ViewUnit.h"
#include "support/MainWindowFixture.h"
#include "util/ScriptedPrompts.h"

using namespace tw;
using namespace tw::test;

namespace {

// Two x.c in different folders and one y.h, written as Windows paths.
const QStringList kParked{R"(C:\a\x.c)", R"(D:\b\x.c)", R"(C:\a\y.h)"};
const QString kNotOpen = QStringLiteral("File \"%1\" is not currently open or is the current file");

} // namespace

class SelectFileTest : public QObject {
    Q_OBJECT

    ScriptedPrompts prompts;
    std::unique_ptr<TViewForm> form;

    QLineEdit* edit() { return form->findChild<QLineEdit*>("FileEdit"); }
    QListWidget* list() { return form->findChild<QListWidget*>("ListBox1"); }
    QComboBox* filter() { return form->findChild<QComboBox*>("FilterCB"); }
    QCheckBox* showPaths() { return form->findChild<QCheckBox*>("ShowPathsCB"); }
    void clickOk() { QTest::mouseClick(form->findChild<QPushButton*>("OKBtn"), Qt::LeftButton); }
    void load(const QStringList& parked = kParked) {
        form = std::make_unique<TViewForm>(prompts, false, nullptr, PathStyle::Windows);
        form->load(parked);
    }
    QStringList filterItems() {
        QStringList items;
        for (int i = 0; i < filter()->count(); ++i)
            items << filter()->itemText(i);
        return items;
    }
    QString selectedEntry() {
        const int row = form->selectedRow();
        return row < 0 ? QString() : list()->item(row)->text();
    }

private slots:
    void init() { prompts.clear(); }

    void sameNamedFilesAreListedWithTheirFolders() {
        load();
        QCOMPARE(form->windowTitle(), QString("View Files"));
        QCOMPARE(form->entries(), QStringList({R"(C:\a\x.c)", R"(D:\b\x.c)", "y.h"}));
        QCOMPARE(filterItems(), QStringList({"All Files (*.*)", "*.c", "*.h"}));
        QCOMPARE(form->filterText(), QString("All Files (*.*)|*.*|*.c|*.c|*.h|*.h"));
        QCOMPARE(form->selectedRow(), -1);

        // Sorted without regard to case; extensions met again in another case
        // add no filter item; a name without extension adds none.
        load({"b.TXT", "A.txt", "c", "B.c"});
        QCOMPARE(form->entries(), QStringList({"A.txt", "B.c", "b.TXT", "c"}));
        QCOMPARE(filterItems(), QStringList({"All Files (*.*)", "*.txt", "*.c"}));
    }

    void theFilterAndShowPathsChangeWhatIsListed() {
        load();
        filter()->setCurrentIndex(2);
        QCOMPARE(form->entries(), QStringList({"y.h"}));
        filter()->setCurrentIndex(0);
        QCOMPARE(form->entries().size(), 3);
        showPaths()->click();
        QCOMPARE(form->entries(), QStringList({R"(C:\a\x.c)", R"(C:\a\y.h)", R"(D:\b\x.c)"}));
        // The chosen extension still applies when Show Paths changes the names.
        filter()->setCurrentIndex(2);
        showPaths()->click();
        QCOMPARE(form->entries(), QStringList({"y.h"}));
        QVERIFY(!form->showPaths());
    }

    // A Linux name may hold the filter's own separator "|": its extension gets
    // no filter item (it would split into a wrong mask), and it is listed under
    // "All Files (*.*)".
    void anExtensionHoldingTheSeparatorAddsNoFilterItem() {
        form = std::make_unique<TViewForm>(prompts, false, nullptr, PathStyle::Host);
        form->load({"/p/a.c|h", "/p/b.c"});
        QCOMPARE(filterItems(), QStringList({"All Files (*.*)", "*.c"}));
        filter()->setCurrentIndex(1);
        QCOMPARE(form->entries(), QStringList{"b.c"});
        filter()->setCurrentIndex(0);
        QCOMPARE(form->entries(), QStringList({"a.c|h", "b.c"}));
    }

    void typingSelectsByPrefixAndOkSwitches() {
        load();
        QTest::keyClicks(edit(), "Y");
        QCOMPARE(selectedEntry(), QString("y.h"));
        clickOk();
        QCOMPARE(edit()->text(), QString("y.h"));
        QCOMPARE(form->chosenSlot(), 3);
        QCOMPARE(form->result(), int(QDialog::Accepted));

        // A typed folder picks the document by its full name.
        load();
        QTest::keyClicks(edit(), R"(d:\Bz)");
        QCOMPARE(form->selectedRow(), -1);
        QTest::keyClick(edit(), Qt::Key_Backspace);
        QCOMPARE(selectedEntry(), QString(R"(D:\b\x.c)"));
        clickOk();
        QCOMPARE(form->chosenSlot(), 2);
    }

    void unknownOrEmptyNamesKeepTheDialogOpen() {
        load();
        QList<bool> stillOpen;
        QTimer::singleShot(0, this, [&] {
            QTest::keyClicks(edit(), "shown.txt");
            clickOk();
            stillOpen << form->isVisible();
            edit()->clear();
            clickOk();
            stillOpen << form->isVisible();
            form->findChild<QPushButton*>("CancelBtn")->click();
        });
        QCOMPARE(form->selectFile(kParked), 0);
        QCOMPARE(stillOpen, QList<bool>({true, true}));
        QCOMPARE(prompts.texts(), QStringList({kNotOpen.arg("shown.txt"), "No file was selected"}));
        QCOMPARE(prompts.shown().first().type, MessageType::Information);
    }

    void aSingleEntryIsTakenOnlyWhenNothingIsTyped() {
        load({"/home/u/only.txt"});
        clickOk();
        QCOMPARE(form->chosenSlot(), 1);

        load({"/home/u/only.txt"});
        QTest::keyClicks(edit(), "other.txt");
        clickOk();
        QCOMPARE(form->chosenSlot(), 0);
        QCOMPARE(prompts.texts(), QStringList{kNotOpen.arg("other.txt")});

        // The filter leaves y.h alone in the list; the typed x.c still wins.
        load();
        filter()->setCurrentIndex(2);
        QTest::keyClicks(edit(), "x.c");
        clickOk();
        QCOMPARE(form->chosenSlot(), 1);
    }

    void editKeysWalkTheListAndWrap() {
        load();
        QTest::keyClick(edit(), Qt::Key_Down);
        QCOMPARE(edit()->text(), QString(R"(C:\a\x.c)"));
        QCOMPARE(form->selectedRow(), 0);
        QTest::keyClick(edit(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(edit()->text(), QString("y.h"));
        QTest::keyClick(edit(), Qt::Key_Down);
        QCOMPARE(edit()->text(), QString(R"(C:\a\x.c)"));
        QTest::keyClick(edit(), Qt::Key_Up);
        QCOMPARE(form->selectedRow(), 2);
        QTest::keyClick(edit(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(form->selectedRow(), 0);

        load();
        QTest::keyClick(edit(), Qt::Key_Up);
        QCOMPARE(edit()->text(), QString("y.h"));
    }

    void typingReplacesANamePutThereByTheKeys() {
        load();
        QTest::keyClick(edit(), Qt::Key_Down);
        QCOMPARE(edit()->cursorPosition(), 0);
        QTest::keyClicks(edit(), "y");
        QCOMPARE(edit()->text(), QString("y"));
        QCOMPARE(selectedEntry(), QString("y.h"));
        // Typed text is not replaced: the caret is not at the start.
        QTest::keyClicks(edit(), ".h");
        QCOMPARE(edit()->text(), QString("y.h"));
    }

    void theListFillsTheEditAndWraps() {
        load();
        QListWidget* l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
        QCOMPARE(edit()->text(), QString(R"(D:\b\x.c)"));
        l->setCurrentRow(0);
        QTest::keyClick(l, Qt::Key_Up);
        QCOMPARE(form->selectedRow(), 2);
        QCOMPARE(edit()->text(), QString("y.h"));
        QTest::keyClick(l, Qt::Key_Down);
        QCOMPARE(form->selectedRow(), 0);

        // A double click's first click selects, its second acts as OK.
        const QPoint second = l->visualItemRect(l->item(1)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(form->chosenSlot(), 2);
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void selectFileSwitchesDocumentsInTheWindow() {
        MainWindowFixture fx;
        QDir().mkpath(fx.path("one"));
        QDir().mkpath(fx.path("two"));
        const QString x1 = fx.writeFile("one/x.c", "x one\n");
        const QString x2 = fx.writeFile("two/x.c", "x two\n");
        const QString y = fx.writeFile("one/y.h", "why\n");
        const QString shown = fx.writeFile("shown.txt", "shown\n");
        fx.start();
        fx.form().files().CloseAllDocuments();
        QVERIFY(!fx.isEnabled("ViewSpdBtn"));
        for (const QString& name : {x1, x2, y, shown})
            QCOMPARE(fx.form().files().OpenAsCurrent(name, true), OpenOk);
        QVERIFY(fx.isEnabled("ViewSpdBtn"));

        TViewForm* dialog = nullptr;
        QStringList listed;
        QTimer::singleShot(0, this, [&] {
            dialog = fx.form().findChild<TViewForm*>("TViewForm");
            listed = dialog->entries();
            QTest::keyClicks(dialog->findChild<QLineEdit*>("FileEdit"), "shown.txt");
            QTest::keyClick(dialog->findChild<QLineEdit*>("FileEdit"), Qt::Key_Return);
            dialog->findChild<QLineEdit*>("FileEdit")->setText(x2);
            QTest::keyClick(dialog->findChild<QLineEdit*>("FileEdit"), Qt::Key_Return);
        });
        fx.run("ViewSelectFileMnu");
        QCOMPARE(listed, QStringList({x1, x2, "y.h"}));
        QCOMPARE(fx.prompts.texts(), QStringList{kNotOpen.arg("shown.txt")});
        QCOMPARE(fx.currentFileName(), x2);
        QCOMPARE(fx.shownText(), QByteArray("x two"));
        QCOMPARE(fx.form().Tabs()->currentIndex(), 1);

        // Same dialog again; Show Paths goes to the setting the settings file keeps.
        TViewForm* again = nullptr;
        QTimer::singleShot(0, this, [&] {
            again = fx.form().findChild<TViewForm*>("TViewForm");
            again->findChild<QCheckBox*>("ShowPathsCB")->click();
            again->findChild<QPushButton*>("CancelBtn")->click();
        });
        fx.run("ViewSpdBtn");
        QCOMPARE(again, dialog);
        QCOMPARE(fx.currentFileName(), x2);
        QVERIFY(fx.form().ShowPathsChecked());
        QVERIFY(fx.form().options().ShowPathsSetting);
    }

    void namesThatDifferOnlyInCaseAreTwoFiles() {
        MainWindowFixture fx;
        const QString lower = fx.writeFile("notes.txt", "lower\n");
        const QString upper = fx.writeFile("NOTES.txt", "upper\n");
        const QString shown = fx.writeFile("shown.txt", "shown\n");
        fx.start({shown, upper, lower});
        QStringList listed;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = fx.form().findChild<TViewForm*>("TViewForm");
            listed = dialog->entries();
            auto* edit = dialog->findChild<QLineEdit*>("FileEdit");
            QTest::keyClicks(edit, "notes");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        fx.run("ViewSelectFileMnu");
        // Two files, each listed by its own name; typing picks the one in
        // the case typed.
        QCOMPARE(listed.size(), 2);
        QVERIFY(listed.contains("NOTES.txt") && listed.contains("notes.txt"));
        QCOMPARE(fx.currentFileName(), lower);
        QCOMPARE(fx.shownText(), QByteArray("lower"));
    }

    void theDialogStartsFromTheStoredShowPathsSetting() {
        MainWindowFixture fx;
        fx.start();
        fx.form().options().ShowPathsSetting = true;
        fx.run("FileNewMnu");
        QVERIFY(fx.form().ShowPathsChecked());
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = fx.form().findChild<TViewForm*>("TViewForm");
            checked = dialog->findChild<QCheckBox*>("ShowPathsCB")->isChecked();
            dialog->reject();
        });
        fx.run("ViewSelectFileMnu");
        QVERIFY(checked);
    }
};

QTEST_MAIN(SelectFileTest)
#include "test_select_file.moc"
