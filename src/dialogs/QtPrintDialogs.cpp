#include "dialogs/QtPrintDialogs.h"

#include <QDir>
#include <QFontDialog>
#include <QLineEdit>
#include <QFontInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "dialogs/FontColourButton.h"
#include "util/PathStyle.h"

namespace tw {

QString proposedPdfFile(const QString& documentName) {
    const QString name = documentName.isEmpty() ? QStringLiteral("print") : documentName;
    const QString folder = DirectoryPart(name).isEmpty() ? QDir::currentPath() + QLatin1Char('/')
                                                         : QString();
    return folder + name + QStringLiteral(".pdf");
}

bool QtPrintDialogs::print(QPrinter& printer, bool offerSelection) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setObjectName(QStringLiteral("PrintDlg"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, offerSelection);
    // The file name box of Qt's dialog; the job title stays the document's name.
    if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
        file->setText(proposedPdfFile(printer.docName()));
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
