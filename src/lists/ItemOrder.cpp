#include "lists/ItemOrder.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tw {

namespace {

// Where the item at `index` ends up when the item at `from` moves to `to`.
int followMove(int index, int from, int to) {
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (to < from && index >= to && index < from)
        return index + 1;
    return index;
}

} // namespace

void ItemOrder::fill(const QStringList& names) {
    names_ = names;
    selected_ = -1;
    tracked_ = -1;
}

void ItemOrder::select(int index) { selected_ = valid(index) ? index : -1; }

void ItemOrder::sort() {
    // Sorting positions rather than names lets the tracked and selected items
    // keep their identity even among equal names.
    std::vector<int> positions(names_.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [this](int a, int b) {
        return names_.at(a).compare(names_.at(b), Qt::CaseInsensitive) < 0;
    });
    if (valid(tracked_)) {
        const auto it = std::find(positions.begin(), positions.end(), tracked_);
        std::rotate(positions.begin(), it, it + 1);
    }
    QStringList sorted;
    int newTracked = tracked_, newSelected = selected_;
    for (int i = 0; i < int(positions.size()); ++i) {
        sorted << names_.at(positions[i]);
        if (positions[i] == tracked_)
            newTracked = i;
        if (positions[i] == selected_)
            newSelected = i;
    }
    names_ = sorted;
    tracked_ = newTracked;
    selected_ = newSelected;
}

bool ItemOrder::exchange(int target) {
    if (!valid(selected_) || !valid(target) || target == selected_)
        return false;
    names_.swapItemsAt(selected_, target);
    if (tracked_ == selected_)
        tracked_ = target;
    else if (tracked_ == target)
        tracked_ = selected_;
    selected_ = target;
    return true;
}

void ItemOrder::moveItem(int from, int to) {
    names_.move(from, to);
    if (valid(tracked_))
        tracked_ = followMove(tracked_, from, to);
    selected_ = to;
}

void ItemOrder::moveUp() {
    if (count() == 0)
        return;
    if (selected_ == 0)
        moveItem(0, count() - 1);
    else if (!exchange(selected_ - 1))
        selected_ = 0;
}

void ItemOrder::moveDown() {
    if (count() == 0)
        return;
    if (selected_ == count() - 1)
        moveItem(count() - 1, 0);
    else if (!exchange(selected_ + 1))
        selected_ = count() - 1;
}

} // namespace tw
