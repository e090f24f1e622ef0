#pragma once
// The names the rearrange-items dialog shows, with its selected item and the
// caller's tracked item, and the moves the dialog offers. Every move keeps the
// tracked index on the same item; -1 means none selected or none tracked.
#include <QStringList>

namespace tw {

class ItemOrder {
public:
    // New names; nothing is selected and nothing tracked afterwards.
    void fill(const QStringList& names);
    const QStringList& names() const { return names_; }
    int count() const { return int(names_.size()); }

    int selected() const { return selected_; }
    // Selects the item at index; an index outside the list selects none.
    void select(int index);
    int tracked() const { return tracked_; }
    void setTracked(int index) { tracked_ = index; }

    // Alphabetical order without regard to case (equal names keep their
    // order); a tracked item goes to the top. The selection stays on its item.
    void sort();
    // Exchanges the selected item with the one at target, which becomes the
    // selected item. False, and nothing changes, when nothing is selected or
    // target is the selected item or outside the list.
    bool exchange(int target);
    // The selected item one place up, the first one to the bottom; with
    // nothing selected, selects the first item.
    void moveUp();
    // The selected item one place down, the last one to the top; with nothing
    // selected, selects the last item.
    void moveDown();

private:
    bool valid(int index) const { return index >= 0 && index < count(); }
    // Moves the item at `from` to `to`, the others closing up.
    void moveItem(int from, int to);

    QStringList names_;
    int selected_ = -1;
    int tracked_ = -1;
};

} // namespace tw
