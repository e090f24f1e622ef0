#pragma once
// Where a main window stored in the settings file comes back. The stored
// values are whatever the file holds, so they are taken as 64-bit numbers and
// nothing here can overflow.
#include <QList>
#include <QRect>
#include <optional>

namespace tw {

// The smallest window that is still of use.
inline constexpr int kMinWindowWidth = 200;
inline constexpr int kMinWindowHeight = 150;

// The placement for a window stored at left, top with width and height, on
// screens with the given available areas. Nothing when the window is to be
// centred instead: it is smaller than the minimum, or no screen shows at least
// 100 pixels of its width. Otherwise the stored placement on the screen that
// shows most of it, fitted to that screen: in each direction where it is
// larger than the screen it takes the screen's extent, so a huge stored size
// never makes a huge window; where it fits, it keeps its stored position.
std::optional<QRect> fittedWindowPlacement(qint64 left, qint64 top, qint64 width, qint64 height,
                                           const QList<QRect>& screens);

} // namespace tw
