#include "util/WindowPlacement.h"

#include <algorithm>

namespace tw {

namespace {

// How much of [start, start + length) lies in [from, from + extent).
qint64 overlap(qint64 start, qint64 length, qint64 from, qint64 extent) {
    return std::max<qint64>(0, std::min(start + length, from + extent) - std::max(start, from));
}

// One direction: a window longer than the screen takes the screen's place.
void fit(qint64& start, qint64& length, qint64 from, qint64 extent) {
    if (length > extent) {
        start = from;
        length = extent;
    }
}

} // namespace

std::optional<QRect> fittedWindowPlacement(qint64 left, qint64 top, qint64 width, qint64 height,
                                           const QList<QRect>& screens) {
    if (width < kMinWindowWidth || height < kMinWindowHeight)
        return std::nullopt;
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const qint64 across = overlap(left, width, screen.x(), screen.width());
        const qint64 down = overlap(top, height, screen.y(), screen.height());
        if (across >= 100 && down > 0 && across * down > bestArea) {
            best = &screen;
            bestArea = across * down;
        }
    }
    if (!best)
        return std::nullopt;
    fit(left, width, best->x(), best->width());
    fit(top, height, best->y(), best->height());
    // A window that fits keeps its place, and that place shows part of it, so
    // every value is now within int range.
    return QRect(int(left), int(top), int(width), int(height));
}

} // namespace tw
