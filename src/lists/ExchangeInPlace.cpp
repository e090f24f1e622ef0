#include "lists/ExchangeInPlace.h"

#include <algorithm>

namespace tw {

void ExchangeInPlace(int count, const QStringList& order,
                     const std::function<QString(int index)>& nameAt,
                     const std::function<void(int a, int b)>& exchange) {
    const int placed = std::min(count, int(order.size()));
    for (int i = 0; i + 1 < placed; ++i) {
        for (int j = i; j < count; ++j) {
            if (nameAt(j).compare(order.at(i), Qt::CaseInsensitive) == 0) {
                if (j != i)
                    exchange(i, j);
                break;
            }
        }
    }
}

} // namespace tw
