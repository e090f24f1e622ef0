#pragma once
// The colour choice of the font dialog: a button showing the colour that opens
// the colour dialog. Qt's font dialog has no colour of its own.
#include <QColor>
#include <QPushButton>

class QFontDialog;

namespace tw {

class FontColourButton : public QPushButton {
    Q_OBJECT
public:
    explicit FontColourButton(const QColor& colour, QWidget* parent = nullptr);

    // Puts a colour row under the dialog's effects (underline, strikeout).
    static FontColourButton* addTo(QFontDialog& dialog, const QColor& colour);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

private:
    void choose();

    QColor colour_;
};

} // namespace tw
