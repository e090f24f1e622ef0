#pragma once
// The rearrange-items dialog `TOrderForm` ("Rearrange Items"): puts any list of
// names into a new order by sorting, by moving the selected item up or down,
// or by dragging one item onto another. It knows nothing of what the names
// stand for; callers apply the returned order to their own data (see
// ExchangeInPlace for items that carry more than a name).
#include <QDialog>
#include <QStringList>
#include <optional>

#include "lists/ItemOrder.h"

namespace tw {

class DragExchangeList;

struct RearrangedItems {
    QStringList names;
    int trackedIndex = -1;
};

class TOrderForm : public QDialog {
    Q_OBJECT
public:
    explicit TOrderForm(QWidget* parent = nullptr);

    // Fills the list, tracks the item at `tracked` (-1 for none) and shows
    // the dialog modally: the names in their new order with the tracked
    // item's new position, or nothing when the dialog was cancelled.
    std::optional<RearrangedItems> rearrange(const QStringList& names, int tracked = -1);

    // The steps of rearrange, for callers and tests that drive the dialog.
    void fill(const QStringList& names);
    void setTrackedIndex(int index) { order_.setTracked(index); }
    int trackedIndex() const { return order_.tracked(); }
    QStringList ItemOrderList() const { return order_.names(); }
    // The selected item's position, -1 for none.
    int selectedIndex() const { return order_.selected(); }

    void SortBtnClick();
    void UpBtnClick();
    void DownBtnClick();

private:
    void buildControls();
    // Shows the names and the selection of order_ in ListBox1.
    void showOrder();

    ItemOrder order_;
    DragExchangeList* list_ = nullptr;
    bool showing_ = false;   // ListBox1 is being refilled from order_
};

} // namespace tw
