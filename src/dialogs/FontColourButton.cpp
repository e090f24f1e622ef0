#include "dialogs/FontColourButton.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace tw {

FontColourButton::FontColourButton(const QColor& colour, QWidget* parent) : QPushButton(parent) {
    setObjectName(QStringLiteral("FontColourBtn"));
    setColour(colour);
    connect(this, &QPushButton::clicked, this, &FontColourButton::choose);
}

FontColourButton* FontColourButton::addTo(QFontDialog& dialog, const QColor& colour) {
    QGroupBox* effects = nullptr;
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (!box->findChildren<QCheckBox*>().isEmpty() && qobject_cast<QBoxLayout*>(box->layout()))
            effects = box;
    QWidget* host = effects ? static_cast<QWidget*>(effects) : &dialog;
    auto* button = new FontColourButton(colour, host);
    auto* label = new QLabel(QStringLiteral("Co&lour:"), host);
    label->setBuddy(button);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(button, 1);
    if (effects)
        static_cast<QBoxLayout*>(effects->layout())->addLayout(row);
    else if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addLayout(row, grid->rowCount(), 0, 1, -1);
    return button;
}

void FontColourButton::setColour(const QColor& colour) {
    colour_ = colour;
    QPixmap swatch(32, 12);
    swatch.fill(colour);
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
    setText(colour.name());
}

void FontColourButton::choose() {
    const QColor chosen = QColorDialog::getColor(colour_, window(), QStringLiteral("Colour"));
    if (chosen.isValid())
        setColour(chosen);
}

} // namespace tw
