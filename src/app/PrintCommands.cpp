#include "app/PrintCommands.h"

#include <algorithm>

#include <QPainter>
#include <QPrinter>

#include "app/DocumentTable.h"
#include "settings/EditorOptions.h"
#include "dialogs/QtPrintDialogs.h"
#include "editing/EditControl.h"
#include "editing/PageLayout.h"
#include "editing/TextCodec.h"
#include "util/Prompts.h"

namespace tw {

namespace {

// The colours the edit control shows its text in.
QColor shownTextColour(const EditControl& edit) { return edit.textColour(); }
QColor shownBackgroundColour(const EditControl& edit) { return edit.backgroundColour(); }

QString destinationOf(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty())
        return printer.outputFileName();
    return printer.printerName().isEmpty() ? QStringLiteral("the printer") : printer.printerName();
}

} // namespace

PrintCommands::PrintCommands(EditControl& edit, DocumentTable& table, EditorOptions& options,
                             Prompts& prompts, std::function<void()> applyEditorFont,
                             QWidget* window)
    : QObject(window), edit_(edit), table_(table), options_(options), prompts_(prompts),
      applyEditorFont_(std::move(applyEditorFont)),
      platformDialogs_(std::make_unique<QtPrintDialogs>(window)), dialogs_(platformDialogs_.get()) {}

PrintCommands::~PrintCommands() = default;

QFont PrintCommands::editorFont(const EditorOptions& options) {
    QFont font(options.fontName);
    font.setPointSize(std::max(options.fontSize, 1));
    font.setBold(options.fontBold);
    font.setItalic(options.fontItalic);
    font.setUnderline(options.fontUnderline);
    font.setStrikeOut(options.fontStrikeOut);
    return font;
}

QPrinter& PrintCommands::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void PrintCommands::FilePrintMnuClick() {
    QPrinter& printer = this->printer();
    printer.setDocName(table_.CurrentFileName());
    const bool selected = edit_.selLength() > 0;
    if (selected)
        printer.setPrintRange(QPrinter::Selection);
    else if (printer.printRange() == QPrinter::Selection)
        // The dialog cannot show a choice it does not offer.
        printer.setPrintRange(QPrinter::AllPages);
    if (!dialogs_->print(printer, selected))
        return;
    printPages(printer, printText(selected && printer.printRange() == QPrinter::Selection));
}

QString PrintCommands::printText(bool selectionChosen) const {
    // All and Pages alike print the whole document: the plain-text device
    // knows no page numbers before it has laid the text out.
    const QByteArray bytes = selectionChosen ? edit_.selectedBytes() : edit_.textBytes();
    return decodeText(bytes, edit_.encoding()) + QStringLiteral("\r\n");
}

void PrintCommands::printPages(QPrinter& printer, const QString& text) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        prompts_.message(QStringLiteral("Printing could not start on %1.").arg(destinationOf(printer)),
                         MessageType::Error);
        return;
    }
    painter.setFont(editorFont(options_));
    painter.setPen(Qt::black);   // the screen's colours never reach the paper
    PageLayout layout(painter, [&printer] { printer.newPage(); });
    layout.write(text);
    layout.finish();
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        prompts_.message(QStringLiteral("Printing on %1 did not finish.").arg(destinationOf(printer)),
                         MessageType::Error);
}

void PrintCommands::FilePrintSetupMnuClick() { dialogs_->printerSetup(printer()); }

void PrintCommands::OptionsFontMnuClick() {
    const FontChoice current{editorFont(options_), shownTextColour(edit_)};
    const std::optional<FontChoice> chosen = dialogs_->font(current);
    if (!chosen)
        return;
    if (chosen->colour.isValid() && chosen->colour.rgb() != current.colour.rgb()) {
        options_.ColourScheme = 2;
        options_.customText = chosen->colour;
        options_.customBackground = shownBackgroundColour(edit_);
    }
    const QFont& font = chosen->font;
    options_.fontName = font.family();
    // The dialog goes up to 512 points; the settings file keeps up to 400.
    if (const int points = qRound(font.pointSizeF()); points > 0)
        options_.fontSize = std::min(points, kMaxFontSize);
    options_.fontBold = font.bold();
    options_.fontItalic = font.italic();
    options_.fontUnderline = font.underline();
    options_.fontStrikeOut = font.strikeOut();
    // A font is no change to the text: the document's modified flag stays.
    const bool modified = edit_.isModified();
    applyEditorFont_();
    table_.SetModified(modified);
}

} // namespace tw
