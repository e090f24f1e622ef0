// The rearrange-items dialog: its moves on their own, the exchange in place
// that callers with records use, and the dialog driven by its controls.
#include <QtTest>

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include "lists/ExchangeInPlace.h"
#include "lists/ItemOrder.h"
#include "lists/OrderUnit.h"

using namespace tw;

namespace {

struct Record {
    QString name;
    int data;
    bool operator==(const Record&) const = default;
};

ItemOrder orderOf(const QStringList& names, int selected = -1, int tracked = -1) {
    ItemOrder order;
    order.fill(names);
    order.select(selected);
    order.setTracked(tracked);
    return order;
}

} // namespace

class OrderTest : public QObject {
    Q_OBJECT

    TOrderForm form;

    QListWidget* list() { return form.findChild<QListWidget*>("ListBox1"); }
    void click(const char* name) {
        QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void dropOnto(int fromRow, const QPoint& at) {
        QListWidget* l = list();
        l->setCurrentRow(fromRow);
        std::unique_ptr<QMimeData> mime(l->model()->mimeData({l->model()->index(fromRow, 0)}));
        // As a drag does it: entering picks the target, the drop goes there.
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(l->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(l->viewport(), &drop);
    }

private slots:
    void exchangeInPlaceCarriesTheDataWithTheNames() {
        QList<Record> records{{"b", 2}, {"a", 1}, {"d", 4}, {"c", 3}};
        ExchangeInPlace(records, {"C", "a", "D", "b"}, [](const Record& r) { return r.name; });
        QCOMPARE(records, (QList<Record>{{"c", 3}, {"a", 1}, {"d", 4}, {"b", 2}}));
    }

    void exchangeInPlaceNeverDisturbsPlacedItemsOfEqualName() {
        // Searching from the top would find the "a" already placed at 0 and
        // swap it back out, leaving b, a, a.
        QList<Record> records{{"b", 2}, {"a", 1}, {"A", 5}};
        ExchangeInPlace(records, {"a", "a", "b"}, [](const Record& r) { return r.name; });
        QCOMPARE(records, (QList<Record>{{"a", 1}, {"A", 5}, {"b", 2}}));
    }

    void sortIgnoresCaseAndPutsTheTrackedItemFirst() {
        ItemOrder plain = orderOf({"b", "A", "c"});
        plain.sort();
        QCOMPARE(plain.names(), QStringList({"A", "b", "c"}));
        QCOMPARE(plain.tracked(), -1);

        ItemOrder tracked = orderOf({"b", "a", "c"}, 0, 2);
        tracked.sort();
        QCOMPARE(tracked.names(), QStringList({"c", "a", "b"}));
        QCOMPARE(tracked.tracked(), 0);
        QCOMPARE(tracked.selected(), 2);   // "b" stays selected

        // Among names equal but for case, the tracked one itself goes first.
        ItemOrder twins = orderOf({"main.c", "Main.c", "a.c"}, -1, 1);
        twins.sort();
        QCOMPARE(twins.names(), QStringList({"Main.c", "a.c", "main.c"}));
    }

    void upAndDownWrapAroundTheEnds() {
        ItemOrder up = orderOf({"x", "y", "z"}, 0, 1);
        up.moveUp();
        QCOMPARE(up.names(), QStringList({"y", "z", "x"}));
        QCOMPARE(up.selected(), 2);
        QCOMPARE(up.tracked(), 0);   // "y" moved up with the others

        ItemOrder down = orderOf({"x", "y", "z"}, 2, 2);
        down.moveDown();
        QCOMPARE(down.names(), QStringList({"z", "x", "y"}));
        QCOMPARE(down.selected(), 0);
        QCOMPARE(down.tracked(), 0);

        ItemOrder middle = orderOf({"x", "y", "z"}, 1, 0);
        middle.moveUp();
        QCOMPARE(middle.names(), QStringList({"y", "x", "z"}));
        QCOMPARE(middle.selected(), 0);
        QCOMPARE(middle.tracked(), 1);   // "x" was exchanged away
    }

    void emptyListAndRefusedExchanges() {
        ItemOrder empty = orderOf({});
        empty.moveUp();
        empty.moveDown();
        empty.sort();
        QVERIFY(empty.names().isEmpty());
        QCOMPARE(empty.selected(), -1);

        ItemOrder order = orderOf({"x", "y"}, -1, 0);
        QVERIFY(!order.exchange(1));   // nothing selected
        order.select(0);
        QVERIFY(!order.exchange(0) && !order.exchange(2) && order.exchange(1));
        QCOMPARE(order.names(), QStringList({"y", "x"}));
        QCOMPARE(order.tracked(), 1);
        QCOMPARE(order.selected(), 1);
    }

    void dialogButtonsAndSelection() {
        QCOMPARE(form.windowTitle(), QString("Rearrange Items"));
        form.fill({"x", "y", "z"});
        QCOMPARE(list()->selectedItems().size(), 0);
        QCOMPARE(form.selectedIndex(), -1);
        // With nothing selected Up and Down only select.
        click("UpBtn");
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(form.ItemOrderList(), QStringList({"x", "y", "z"}));
        click("UpBtn");
        QCOMPARE(form.ItemOrderList(), QStringList({"y", "z", "x"}));
        QCOMPARE(list()->currentItem()->text(), QString("x"));

        // A click in the list selects what Down then moves.
        QListWidget* l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(0)).center());
        QCOMPARE(form.selectedIndex(), 0);
        click("DownBtn");
        QCOMPARE(form.ItemOrderList(), QStringList({"z", "y", "x"}));
        QCOMPARE(form.selectedIndex(), 1);

        form.setTrackedIndex(2);
        click("SortBtn");
        QCOMPARE(form.ItemOrderList(), QStringList({"x", "y", "z"}));
        QCOMPARE(form.trackedIndex(), 0);

        // Refilling forgets the last caller's selection and tracking.
        form.fill({"a"});
        QCOMPARE(form.selectedIndex(), -1);
        QCOMPARE(form.trackedIndex(), -1);
    }

    void dropOntoAnItemExchangesTheTwo() {
        list()->resize(200, 400);
        form.fill({"1", "2", "3", "4", "5"});
        form.setTrackedIndex(1);
        dropOnto(1, list()->visualItemRect(list()->item(4)).center());
        QCOMPARE(form.ItemOrderList(), QStringList({"1", "5", "3", "4", "2"}));
        QCOMPARE(form.selectedIndex(), 4);
        QCOMPARE(form.trackedIndex(), 4);

        // Below the last item there is nothing to exchange with.
        const QRect last = list()->visualItemRect(list()->item(4));
        dropOnto(0, QPoint(last.center().x(), last.bottom() + 40));
        QCOMPARE(form.ItemOrderList(), QStringList({"1", "5", "3", "4", "2"}));
    }

    void okReturnsTheNewOrderAndCancelNothing() {
        QTimer::singleShot(0, this, [this] {
            list()->setCurrentRow(2);
            click("DownBtn");
            click("OKBtn");
        });
        const auto done = form.rearrange({"a", "b", "c"}, 1);
        QVERIFY(done.has_value());
        QCOMPARE(done->names, QStringList({"c", "a", "b"}));
        QCOMPARE(done->trackedIndex, 2);

        QTimer::singleShot(0, this, [this] {
            click("SortBtn");
            click("UpBtn");
            click("CancelBtn");
        });
        QVERIFY(!form.rearrange({"b", "a"}).has_value());

        QTimer::singleShot(0, this, [this] {
            click("UpBtn");
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        QVERIFY(!form.rearrange({"b", "a"}).has_value());
    }
};

QTEST_MAIN(OrderTest)
#include "test_order.moc"
