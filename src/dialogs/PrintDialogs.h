#pragma once
// The print, printer-setup and font dialogs of the platform, behind one small
// interface so tests can answer them from a script. The printer itself holds
// every choice (destination, range, pages, paper), so it outlives the dialogs.
#include <QColor>
#include <QFont>
#include <optional>

class QPrinter;

namespace tw {

// A font as the font dialog shows it: name, size, styles, and a colour.
struct FontChoice {
    QFont font;
    QColor colour;
};

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // `PrintDlg` on `printer`, preset from the printer's range. The selection
    // choice is offered only when `offerSelection`. On OK the printer holds the
    // chosen destination and range; false on Cancel.
    virtual bool print(QPrinter& printer, bool offerSelection) = 0;
    // `PrinterSetupDlg`: its choices stay in the printer for later prints.
    virtual bool printerSetup(QPrinter& printer) = 0;
    // `FontDlg`, loaded with `current`: the chosen font, or nothing on Cancel.
    virtual std::optional<FontChoice> font(const FontChoice& current) = 0;
};

} // namespace tw
