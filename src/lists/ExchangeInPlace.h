#pragma once
// Applies an order chosen in the rearrange-items dialog to items that carry
// more than their names (records, menu entries): the items are exchanged
// whole, so everything behind a name moves with it.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

namespace tw {

// Puts the `count` items into the order of `order`, a rearrangement of their
// names: for each position i from the first to the last but one, the first
// item at or after i whose name equals order[i] (ignoring case) is exchanged
// with the item at i. Items already placed are never searched again, so equal
// names cannot pull a placed item out of its place; among equal names any
// order results. A name of `order` that no remaining item has leaves that
// position as it is.
void ExchangeInPlace(int count, const QStringList& order,
                     const std::function<QString(int index)>& nameAt,
                     const std::function<void(int a, int b)>& exchange);

// The same for a list whose elements are the items themselves.
template <typename Item, typename NameOf>
void ExchangeInPlace(QList<Item>& items, const QStringList& order, NameOf nameOf) {
    ExchangeInPlace(
        int(items.size()), order, [&](int i) { return QString(nameOf(items.at(i))); },
        [&](int a, int b) { items.swapItemsAt(a, b); });
}

} // namespace tw
