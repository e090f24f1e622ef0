#include "dialogs/ScriptedPrintDialogs.h"

namespace tw {

namespace {

void sendToPdf(QPrinter& printer, const QString& pdfFile) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
}

} // namespace

void ScriptedPrintDialogs::printToPdf(const QString& pdfFile, QPrinter::PrintRange range,
                                      int fromPage, int toPage) {
    answers_.enqueue({true, [=](QPrinter& printer) {
                          sendToPdf(printer, pdfFile);
                          printer.setPrintRange(range);
                          printer.setFromTo(fromPage, toPage);
                      }, std::nullopt});
}

void ScriptedPrintDialogs::printToPdfAsPreset(const QString& pdfFile) {
    answers_.enqueue({true, [=](QPrinter& printer) { sendToPdf(printer, pdfFile); }, std::nullopt});
}

void ScriptedPrintDialogs::setUpPrinter(std::function<void(QPrinter&)> change) {
    answers_.enqueue({true, std::move(change), std::nullopt});
}

void ScriptedPrintDialogs::chooseFont(const QFont& font, const QColor& colour) {
    answers_.enqueue({true, {}, FontChoice{font, colour}});
}

void ScriptedPrintDialogs::cancel() { answers_.enqueue({}); }

std::optional<ScriptedPrintDialogs::Answer> ScriptedPrintDialogs::next(const QString& what) {
    if (answers_.isEmpty()) {
        unexpected_ << what;
        return std::nullopt;
    }
    return answers_.dequeue();
}

bool ScriptedPrintDialogs::print(QPrinter& printer, bool offerSelection) {
    shown_.append({ShownPrintDialog::Kind::Print, offerSelection, printer.printRange(),
                   printer.docName(), {}});
    const auto answer = next(QStringLiteral("print dialog"));
    if (!answer || !answer->accept)
        return false;
    if (answer->onPrinter)
        answer->onPrinter(printer);
    return true;
}

bool ScriptedPrintDialogs::printerSetup(QPrinter& printer) {
    shown_.append({ShownPrintDialog::Kind::PrinterSetup, false, printer.printRange(), {}, {}});
    const auto answer = next(QStringLiteral("printer setup dialog"));
    if (!answer || !answer->accept)
        return false;
    if (answer->onPrinter)
        answer->onPrinter(printer);
    return true;
}

std::optional<FontChoice> ScriptedPrintDialogs::font(const FontChoice& current) {
    shown_.append({ShownPrintDialog::Kind::Font, false, QPrinter::AllPages, {}, current});
    const auto answer = next(QStringLiteral("font dialog"));
    if (!answer || !answer->accept)
        return std::nullopt;
    return answer->font ? answer->font : current;
}

} // namespace tw
