#pragma once
// Print, printer-setup and font dialogs for tests: each show is recorded with
// what the dialog was given, and answered from a script in order. A dialog
// with no scripted answer is recorded as unexpected and cancelled.
#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QStringList>
#include <functional>

#include "dialogs/PrintDialogs.h"

namespace tw {

struct ShownPrintDialog {
    enum class Kind { Print, PrinterSetup, Font } kind;
    // Print: what the dialog was given.
    bool selectionOffered = false;
    QPrinter::PrintRange presetRange = QPrinter::AllPages;
    QString jobTitle;
    // Font: the font it was loaded with.
    FontChoice font;
};

class ScriptedPrintDialogs : public PrintDialogs {
public:
    // Print: OK with this range, printing to the PDF file `pdfFile`.
    void printToPdf(const QString& pdfFile, QPrinter::PrintRange range = QPrinter::AllPages,
                    int fromPage = 0, int toPage = 0);
    // Print: OK keeping the range the dialog was preset with.
    void printToPdfAsPreset(const QString& pdfFile);
    // Printer setup: OK after `change` is made to the printer.
    void setUpPrinter(std::function<void(QPrinter&)> change);
    void chooseFont(const QFont& font, const QColor& colour);
    // Cancels the next print, setup or font dialog, whichever comes.
    void cancel();

    const QList<ShownPrintDialog>& shown() const { return shown_; }
    QStringList unexpected() const { return unexpected_; }
    bool scriptUsedUp() const { return answers_.isEmpty(); }

    bool print(QPrinter& printer, bool offerSelection) override;
    bool printerSetup(QPrinter& printer) override;
    std::optional<FontChoice> font(const FontChoice& current) override;

private:
    struct Answer {
        bool accept = false;
        std::function<void(QPrinter&)> onPrinter;   // print and setup
        std::optional<FontChoice> font;
    };
    std::optional<Answer> next(const QString& what);

    QList<ShownPrintDialog> shown_;
    QStringList unexpected_;
    QQueue<Answer> answers_;
};

} // namespace tw
