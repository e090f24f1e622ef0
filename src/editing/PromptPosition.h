#pragma once
// Where the question "Replace this Text?" stands: a quarter screen above the
// match, or below it when the match is in the top quarter, so the match
// stays visible.
#include <QPoint>
#include <QRect>

namespace tw {

struct PromptGeometry {
    QRect screen;              // the screen the window is on
    qint64 caretLine = 0;         // lines on screen; 64-bit like every line number
    qint64 firstVisibleLine = 0;
    int fontHeight = 0;        // pixels; the sign is ignored
    int editTop = 0;           // the edit control's top inside the window
    int windowTop = 0;         // the window's top on the screen
};

// The question box's top-left corner, in screen coordinates.
QPoint PromptPosition(const PromptGeometry& g);

} // namespace tw
