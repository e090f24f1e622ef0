#include "editing/PromptPosition.h"

#include <cstdlib>

namespace tw {

QPoint PromptPosition(const PromptGeometry& g) {
    const int x = g.screen.width() / 2 - 150;
    const int row = (g.caretLine - g.firstVisibleLine) * std::abs(g.fontHeight) + g.editTop +
                    g.windowTop - g.screen.top();
    const int quarter = g.screen.height() / 4;
    const int y = row >= quarter ? row - quarter : row + quarter;
    return {g.screen.left() + x, g.screen.top() + y};
}

} // namespace tw
