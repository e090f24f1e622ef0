#pragma once
// A search host over texts held in memory: ViewNext walks them in a ring, as
// the tab strip does, and every call is recorded for the tests.
#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

#include "support/PlainSearchText.h"
#include "editing/SearchEngine.h"

namespace tw::test {

class FakeSearchHost : public SearchHost {
public:
    explicit FakeSearchHost(std::vector<SearchableText*> texts) : texts_(std::move(texts)) {}

    SearchableText& shownText() override { return *texts_[shown_]; }
    int DocCount() const override { return static_cast<int>(texts_.size()); }
    void ViewNext() override {
        shown_ = (shown_ + 1) % static_cast<int>(texts_.size());
        visits << shown_;
    }
    void ShowLineColumn() override { ++lineColumnRefreshes; }
    QPoint promptPosition() override { return QPoint(7, shownTextStart()); }

    int shown() const { return shown_; }
    QList<int> visits;
    int lineColumnRefreshes = 0;

private:
    // A position that tells which match was selected when a question came.
    int shownTextStart() { return static_cast<int>(texts_[shown_]->selStart()); }

    std::vector<SearchableText*> texts_;
    int shown_ = 0;
};

} // namespace tw::test
