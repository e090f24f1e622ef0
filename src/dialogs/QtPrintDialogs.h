#pragma once
// The platform's print, page-setup and font dialogs. Each is made afresh when
// it is shown; what must last between shows lives in the printer and in the
// editor's options.
#include <QPointer>
#include <QWidget>

#include "dialogs/PrintDialogs.h"

namespace tw {

// The PDF file the print dialog proposes for printing to a file: the document
// beside itself with ".pdf" added (never the document's own file, also for a
// document that is a .pdf); an untitled document, which has no folder yet, in
// the current folder. Qt's own proposal puts the document's full path under
// the home folder, a folder that does not exist.
QString proposedPdfFile(const QString& documentName);

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
