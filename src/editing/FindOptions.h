#pragma once
// The two options of every search, and what a search finds.
#include <QtGlobal>

namespace tw {

struct FindOptions {
    bool wholeWord = false;
    bool matchCase = false;
};

// A match as buffer positions of the text searched.
struct TextMatch {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype end() const { return start + length; }
};

} // namespace tw
