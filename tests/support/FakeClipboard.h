#pragma once
// A clipboard of the test's own: what the editor writes to it, how often, and
// whether it holds more than plain text (as an image copied elsewhere would).
#include "editing/SystemClipboard.h"

namespace tw::test {

class FakeClipboard : public SystemClipboard {
public:
    QString text() const override { return text_; }
    void setText(const QString& text) override {
        text_ = text;
        rich_ = false;
        ++writes;
    }
    bool holdsMoreThanPlainText() const override { return rich_; }
    void holdRich(const QString& text) {
        text_ = text;
        rich_ = true;
    }
    int writes = 0;

private:
    QString text_;
    bool rich_ = false;
};

} // namespace tw::test
