#include "lists/RecentList.h"

#include <algorithm>

#include "lists/NumberedList.h"

namespace tw {

int effectiveMaxRecent(int stored) {
    if (stored < 1)
        return kDefaultMaxRecent;
    return std::min(stored, kMaxRecentLimit);
}

void putOnTop(NumberedList& list, const QString& name, int maximum) {
    list.stripNumbers(10);
    const int old = list.find(name);
    if (old >= 0)
        list.removeAt(old);
    while (list.count() > 0 && list.count() >= maximum)
        list.removeAt(list.count() - 1);
    list.insert(0, name);
    list.renumber(10);
}

} // namespace tw
