// The filters editor: loading the filter string into the grid, editing rows,
// reordering through the rearrange-items dialog, the string built on OK, and
// the Open and Save dialogs receiving it.
#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "settings/EditorOptions.h"
#include "app/FileCommands.h"
#include "dialogs/FilterRows.h"
#include "dialogs/FiltersGrid.h"
#include "dialogs/FiltersUnit.h"
#include "lists/OrderUnit.h"
#include "support/MainWindowFixture.h"
#include "util/QtPrompts.h"
#include "util/ScriptedPrompts.h"

using namespace tw;
using namespace tw::test;

namespace {

// n filters "F1|*.1|F2|*.2|...".
QString numberedFilters(int n) {
    QStringList pieces;
    for (int i = 1; i <= n; ++i)
        pieces << QStringLiteral("F%1").arg(i) << QStringLiteral("*.%1").arg(i);
    return pieces.join('|');
}

} // namespace

class FiltersTest : public QObject {
    Q_OBJECT

    ScriptedPrompts prompts;
    TOrderForm order;
    TFiltersForm form{prompts, order};

    FiltersGrid& grid() { return *form.findChild<FiltersGrid*>("FiltersSG"); }
    void click(QWidget* dialog, const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    // Confirms the editor as loaded with filter and extension; the string made.
    QString confirmed(const QString& filter, const QString& ext = QString()) {
        form.load(filter, ext);
        click(&form, "OKBtn");
        return form.confirmedFilter();
    }

private slots:
    void init() { prompts.clear(); }

    void loadingLaysThePiecesIntoTheGrid() {
        form.load(QStringLiteral("Any File|*.*|Text Files (txt)|*.txt|Odd"), QStringLiteral("txt"));
        QCOMPARE(grid().cell(0, 0), QString("Filter Name"));
        QCOMPARE(grid().cell(0, 1), QString("Filter"));
        QCOMPARE(grid().filterRow(1), (FilterRow{"Any File", "*.*"}));
        QCOMPARE(grid().filterRow(2), (FilterRow{"Text Files (txt)", "*.txt"}));
        QCOMPARE(grid().filterRow(3), (FilterRow{"Odd", ""}));
        QVERIFY(grid().filterRow(4).isEmpty());
        QCOMPARE(form.findChild<QLineEdit*>("DefaultExtEdit")->text(), QString("txt"));
        QCOMPARE(grid().rowCount(), 19);
        QCOMPARE(grid().columnCount(), 2);
    }

    void confirmingWithoutEditsReproducesTheString() {
        QCOMPARE(confirmed(kFirstRunFilter), kFirstRunFilter);
        QCOMPARE(confirmed("A|*.a|B|*.b||"), QString("A|*.a|B|*.b"));
        QCOMPARE(confirmed(numberedFilters(21)), numberedFilters(19));
        QCOMPARE(confirmed(QString()), QString());
    }

    void emptyRowsInsideTheListStayInTheString() {
        form.load(QString(), QString());
        grid().setFilterRow(1, {"A", "*.a"});
        grid().setFilterRow(3, {"B", "*.b"});
        click(&form, "OKBtn");
        QCOMPARE(form.confirmedFilter(), QString("A|*.a|||B|*.b"));
    }

    void anEmptyFilterStringClearsACancelledShowingsEdits() {
        form.load("A|*.a", QString());
        grid().setFilterRow(5, {"typed", "*.t"});
        click(&form, "CancelBtn");
        form.load(QString(), QString());
        QVERIFY(grid().filterRow(1).isEmpty());
        QVERIFY(grid().filterRow(5).isEmpty());
    }

    void defaultExtensionLosesOneLeadingDot_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("dot") << ".txt" << "txt";
        QTest::newRow("two dots") << "..txt" << ".txt";
    }
    void defaultExtensionLosesOneLeadingDot() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        confirmed("A|*.a", typed);
        QCOMPARE(form.confirmedDefaultExt(), stored);
        QCOMPARE(form.findChild<QLineEdit*>("DefaultExtEdit")->text(), stored);
    }

    void insertAsksBeforeLosingTheLastRow() {
        form.load(numberedFilters(19), QString());
        grid().setCurrentDataCell(3, 1);
        prompts.answer(Answer::No);
        click(&form, "InsertBtn");
        QCOMPARE(prompts.texts(), QStringList{"Inserting a new row will delete the last row. "
                                              "Do you want to insert a new row anyway?"});
        QCOMPARE(FilterStringFromRows(grid().filterRows()), numberedFilters(19));

        prompts.answer(Answer::Yes);
        click(&form, "InsertBtn");
        QVERIFY(grid().filterRow(3).isEmpty());
        QCOMPARE(grid().filterRow(4), (FilterRow{"F3", "*.3"}));
        QCOMPARE(grid().filterRow(19), (FilterRow{"F18", "*.18"}));
        QCOMPARE(grid().filterRow(2), (FilterRow{"F2", "*.2"}));
        QVERIFY(prompts.scriptUsedUp());
    }

    void insertWithRoomAsksNothingButGuardsALonePattern() {
        form.load("A|*.a|B|*.b", QString());
        grid().setCurrentDataCell(1, 0);
        click(&form, "InsertBtn");
        QVERIFY(prompts.texts().isEmpty());
        QCOMPARE(FilterStringFromRows(grid().filterRows()), QString("||A|*.a|B|*.b"));

        // A pattern in the last row is as much content as a name.
        grid().setFilterRow(19, {QString(), "*.keep"});
        prompts.answer(Answer::No);
        click(&form, "InsertBtn");
        QCOMPARE(prompts.texts().size(), 1);
        QCOMPARE(grid().filterRow(19), (FilterRow{"", "*.keep"}));
    }

    void deleteMovesTheRowsBelowUp() {
        form.load("A|*.a|B|*.b|C|*.c", QString());
        grid().setCurrentDataCell(2, 0);
        click(&form, "DeleteBtn");
        QCOMPARE(FilterStringFromRows(grid().filterRows()), QString("A|*.a|C|*.c"));

        form.load(numberedFilters(19), QString());
        grid().setCurrentDataCell(19, 1);
        click(&form, "DeleteBtn");
        QCOMPARE(FilterStringFromRows(grid().filterRows()), numberedFilters(18));
        QVERIFY(prompts.texts().isEmpty());
    }

    void rightClickMakesTheCellCurrentOnlyOnCells() {
        form.load("A|*.a|B|*.b", QString());
        form.resize(600, 900);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        grid().setCurrentDataCell(1, 0);
        const QRect cell = grid().visualRect(grid().model()->index(1, 1));
        QTest::mousePress(grid().viewport(), Qt::RightButton, {}, cell.center());
        QCOMPARE(grid().currentDataRow(), 2);
        QCOMPARE(grid().currentColumn(), 1);

        QTest::mousePress(grid().horizontalHeader()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        const QRect last = grid().visualRect(grid().model()->index(18, 0));
        QTest::mousePress(grid().viewport(), Qt::RightButton, {}, last.bottomLeft() + QPoint(5, 30));
        QCOMPARE(grid().currentDataRow(), 2);
        QCOMPARE(grid().currentColumn(), 1);
        form.hide();
    }

    void cellsAreEditedInPlaceAndTakeNoSeparator() {
        form.load("A|*.a", QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        grid().setFocus();
        grid().setCurrentDataCell(2, 0);
        auto* editor = qobject_cast<QLineEdit*>(grid().indexWidget(grid().currentIndex()));
        QVERIFY(editor);   // the current cell is open for editing
        QTest::keyClicks(editor, "C|C++");
        // The shortcut menu leaves the editor open; Insert still moves what
        // was typed along with its row.
        form.findChild<QAction*>("InsertMI")->trigger();
        QVERIFY(grid().filterRow(2).isEmpty());
        QCOMPARE(grid().filterRow(3), (FilterRow{"CC++", ""}));
        form.findChild<QAction*>("DeleteMI")->trigger();
        QCOMPARE(grid().filterRow(2), (FilterRow{"CC++", ""}));
        click(&form, "OKBtn");
        QCOMPARE(form.confirmedFilter(), QString("A|*.a|CC++"));
    }

    void orderRewritesTheRowsInTheChosenOrder() {
        form.load("X|*.x|Y|*.y|Z|*.z||||W|*.w", QString());
        QStringList handedOver;
        int tracked = 0;
        QTimer::singleShot(0, this, [&] {
            handedOver = order.ItemOrderList();
            tracked = order.trackedIndex();
            order.findChild<QListWidget*>("ListBox1")->setCurrentRow(2);
            click(&order, "DownBtn");
            click(&order, "OKBtn");
        });
        click(&form, "OrderBtn");
        QCOMPARE(handedOver, QStringList({"X | *.x", "Y | *.y", "Z | *.z"}));
        QCOMPARE(tracked, -1);
        QCOMPARE(FilterStringFromRows(grid().filterRows()), QString("Z|*.z|X|*.x|Y|*.y||||W|*.w"));

        QTimer::singleShot(0, this, [&] {
            click(&order, "SortBtn");
            click(&order, "CancelBtn");
        });
        click(&form, "OrderBtn");
        QCOMPARE(FilterStringFromRows(grid().filterRows()), QString("Z|*.z|X|*.x|Y|*.y||||W|*.w"));
    }

    void orderLinesSplitAtTheFirstSeparator() {
        QCOMPARE(OrderLinesFromRows({{"A", ""}, {"", "*.b"}, {}, {"D", "*.d"}}),
                 QStringList({"A", " | *.b"}));
        QCOMPARE(RowFromOrderLine(" | *.b"), (FilterRow{"", "*.b"}));
        QCOMPARE(RowFromOrderLine("A | *.a | b"), (FilterRow{"A", "*.a | b"}));
    }

    // The dialog can be left by keyboard from a cell being edited: Enter
    // accepts it with what was typed, Esc cancels it; Tab leaves the grid and
    // follows the screen, the default extension before OK and Cancel.
    void theDialogIsLeftByKeyboardAndTabFollowsTheScreen() {
        MainWindowFixture fx;
        fx.start();
        auto* filters = fx.form().findChild<TFiltersForm*>("TFiltersForm");
        const QString before = fx.form().options().dialogs.filter;
        auto openCellEditor = [filters] {
            filters->activateWindow();
            QApplication::setActiveWindow(filters);
            auto* g = filters->findChild<FiltersGrid*>("FiltersSG");
            g->setFocus();
            g->setCurrentDataCell(2, 0);
            return qobject_cast<QLineEdit*>(g->indexWidget(g->currentIndex()));
        };
        for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Enter)}) {
            bool closed = false;
            QTimer::singleShot(0, this, [&] {
                QLineEdit* editor = openCellEditor();
                QVERIFY(editor);
                QTest::keyClicks(editor, "Mine");
                QTest::keyClick(editor, Qt::Key(key));
                closed = !filters->isVisible();
                if (!closed)
                    filters->reject();
            });
            fx.run("OptionsFiltersMnuItem");
            QVERIFY(closed);
            const QString expected =
                key == Qt::Key_Escape ? before : QStringList(before.split('|').mid(0, 2) +
                                                             QStringList{"Mine"} +
                                                             before.split('|').mid(3))
                                                     .join('|');
            QCOMPARE(fx.form().options().dialogs.filter, expected);
            fx.form().options().dialogs.filter = before;
        }

        QStringList visited;
        QTimer::singleShot(0, this, [&] {
            QLineEdit* editor = openCellEditor();
            QVERIFY(editor);
            QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            for (int i = 0; i < 6; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget()->objectName();
            }
            filters->reject();
        });
        fx.run("OptionsFiltersMnuItem");
        QCOMPARE(visited, (QStringList{"CancelBtn", "InsertBtn", "DeleteBtn", "OrderBtn",
                                       "DefaultExtEdit", "OKBtn", "CancelBtn"}));
    }

    void theOpenAndSaveDialogsGetTheConfirmedFilters() {
        const QString chosen = "Text|*.txt|C|*.c|C and headers|*.c;*.h|Any|*.*";
        MainWindowFixture fx;
        fx.start();
        auto* filters = fx.form().findChild<TFiltersForm*>("TFiltersForm");
        QVERIFY(filters);
        QTimer::singleShot(0, this, [&] {
            auto* g = filters->findChild<FiltersGrid*>("FiltersSG");
            g->setFilterRows(FilterRowsFromString(chosen));
            filters->findChild<QLineEdit*>("DefaultExtEdit")->setText(".c");
            click(filters, "OKBtn");
        });
        fx.run("OptionsFiltersMnuItem");
        QCOMPARE(fx.form().options().dialogs.filter, chosen);
        QCOMPARE(fx.form().options().dialogs.defaultExt, QString("c"));

        const QString source = fx.writeFile("main.c", "int main;\n");
        QCOMPARE(fx.form().files().OpenAsCurrent(source, true), OpenOk);
        fx.prompts.cancelDialog();
        fx.run("OpenSpdBtn");
        fx.prompts.cancelDialog();
        fx.run("FileSaveAsMnu");
        const QList<ShownPrompt>& shown = fx.prompts.shown();
        QCOMPARE(shown.size(), 2);
        for (const ShownPrompt& dialog : shown) {
            QCOMPARE(dialog.request.filter, chosen);
            QCOMPARE(dialog.request.defaultExt, QString("c"));
            QCOMPARE(dialog.request.filterIndex, 2);   // main.c selects "*.c"
        }
        QCOMPARE(qtNameFilters(shown.first().request.filter),
                 QStringList({"Text (*.txt)", "C (*.c)", "C and headers (*.c *.h)", "Any (*)"}));
    }
};

QTEST_MAIN(FiltersTest)
#include "test_filters.moc"
