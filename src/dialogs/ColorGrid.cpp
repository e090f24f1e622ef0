#include "dialogs/ColorGrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace tw {

namespace {

constexpr QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
    qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

int checkedIndex(int index) { return index >= 0 && index < 16 ? index : ColorGrid::kNone; }

} // namespace

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ColorGrid1"));
    setMinimumSize(120, 72);
    setFocusPolicy(Qt::StrongFocus);
}

QColor ColorGrid::paletteColour(int index) {
    return index >= 0 && index < 16 ? QColor(kPalette[index]) : QColor();
}

int ColorGrid::indexOf(const QColor& colour) {
    for (int i = 0; i < 16; ++i)
        if (colour.isValid() && colour.rgb() == kPalette[i])
            return i;
    return kNone;
}

void ColorGrid::setForegroundIndex(int index) {
    foreground_ = checkedIndex(index);
    update();
}

void ColorGrid::setBackgroundIndex(int index) {
    background_ = checkedIndex(index);
    update();
}

void ColorGrid::clickCell(int index, Qt::MouseButton button) {
    if (checkedIndex(index) == kNone)
        return;
    if (button == Qt::RightButton)
        background_ = index;
    else
        foreground_ = index;
    update();
    emit changed();
}

QRect ColorGrid::cellRect(int index) const {
    const int w = width() / 4;
    const int h = height() / 4;
    return QRect((index % 4) * w, (index / 4) * h, w, h);
}

void ColorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < 16; ++i) {
        const QRect cell = cellRect(i).adjusted(1, 1, -1, -1);
        painter.fillRect(cell, QColor(kPalette[i]));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        QString mark;
        if (i == foreground_)
            mark += QStringLiteral("FG");
        if (i == background_)
            mark += mark.isEmpty() ? QStringLiteral("BG") : QStringLiteral("/BG");
        if (!mark.isEmpty()) {
            // Legible on dark and light cells alike.
            painter.setPen(qGray(kPalette[i]) < 128 ? Qt::white : Qt::black);
            painter.drawText(cell, Qt::AlignCenter, mark);
        }
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
    for (int i = 0; i < 16; ++i)
        if (cellRect(i).contains(event->position().toPoint())) {
            clickCell(i, event->button());
            return;
        }
}

} // namespace tw
