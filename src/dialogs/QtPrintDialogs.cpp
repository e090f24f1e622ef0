#include "dialogs/QtPrintDialogs.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "dialogs/FontColourButton.h"

namespace tw {

bool QtPrintDialogs::print(QPrinter& printer, bool offerSelection) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PrintDlg"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, offerSelection);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintDialogs::printerSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PrinterSetupDlg"));
    return dialog.exec() == QDialog::Accepted;
}

std::optional<FontChoice> QtPrintDialogs::font(const FontChoice& current) {
    QFontDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("FontDlg"));
    // Qt's own dialog, so the colour can sit beside underline and strikeout.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // The dialog lists installed families only; a name the system replaces
    // (Courier New by Liberation Mono) would show as some other font. It is
    // shown as its replacement, and an unchanged choice keeps the old name.
    QFont shown = current.font;
    shown.setFamily(QFontInfo(current.font).family());
    dialog.setCurrentFont(shown);
    auto* colour = FontColourButton::addTo(dialog, current.colour);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont chosen = dialog.selectedFont();
    if (chosen.family() == shown.family())
        chosen.setFamily(current.font.family());
    return FontChoice{chosen, colour->colour()};
}

} // namespace tw
