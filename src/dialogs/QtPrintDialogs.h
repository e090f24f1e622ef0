#pragma once
// The platform's print, page-setup and font dialogs. Each is made afresh when
// it is shown; what must last between shows lives in the printer and in the
// editor's options.
#include <QPointer>
#include <QWidget>

#include "dialogs/PrintDialogs.h"

namespace tw {

class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QWidget* parent) : parent_(parent) {}

    bool print(QPrinter& printer, bool offerSelection) override;
    bool printerSetup(QPrinter& printer) override;
    std::optional<FontChoice> font(const FontChoice& current) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace tw
