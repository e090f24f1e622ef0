#pragma once
// The system clipboard as the editor uses it: plain text in, plain text out.
#include <QString>

namespace tw {

class SystemClipboard {
public:
    virtual ~SystemClipboard() = default;
    // The content as plain text; empty when it holds no text.
    virtual QString text() const = 0;
    // Replaces the whole content by text.
    virtual void setText(const QString& text) = 0;
    // True when the content carries more than plain text: formatting, images,
    // file lists. Making it plain text then changes it.
    virtual bool holdsMoreThanPlainText() const { return false; }
};

// The desktop's clipboard through QClipboard.
class QtClipboard : public SystemClipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
    bool holdsMoreThanPlainText() const override;
};

} // namespace tw
