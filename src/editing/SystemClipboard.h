#pragma once
// The system clipboard as the editor uses it: plain text in, plain text out.
#include <QString>

namespace tw {

class SystemClipboard {
public:
    virtual ~SystemClipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};

// The desktop's clipboard through QClipboard.
class QtClipboard : public SystemClipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
};

} // namespace tw
