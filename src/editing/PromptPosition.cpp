#include "editing/PromptPosition.h"

#include <algorithm>
#include <cstdlib>

namespace tw {

QPoint PromptPosition(const PromptGeometry& g) {
    const int x = g.screen.width() / 2 - 150;
    // A caret far outside the window is put just beyond it.
    const qint64 rows = std::clamp<qint64>(g.caretLine - g.firstVisibleLine, -100000, 100000);
    const int row = int(rows) * std::abs(g.fontHeight) + g.editTop + g.windowTop - g.screen.top();
    const int quarter = g.screen.height() / 4;
    const int y = row >= quarter ? row - quarter : row + quarter;
    return {g.screen.left() + x, g.screen.top() + y};
}

} // namespace tw
