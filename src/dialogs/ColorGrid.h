#pragma once
// `ColorGrid1`: the 16 colours of the standard palette in a 4 by 4 grid, with
// a text (foreground) choice, set by the left mouse button, and a background
// choice, set by the right one; the cells show "FG" and "BG". A colour that
// is none of the 16 has index 255 and selects no cell.
#include <QColor>
#include <QWidget>

namespace tw {

class ColorGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNone = 255;

    explicit ColorGrid(QWidget* parent = nullptr);

    // The palette colour of a cell (0 .. 15).
    static QColor paletteColour(int index);
    // The cell of a colour, or kNone.
    static int indexOf(const QColor& colour);

    int foregroundIndex() const { return foreground_; }
    int backgroundIndex() const { return background_; }
    void setForegroundIndex(int index);
    void setBackgroundIndex(int index);
    // Clicks a cell as the user would (left: text colour, right: background).
    void clickCell(int index, Qt::MouseButton button);

    QSize sizeHint() const override { return {160, 96}; }

signals:
    // Any change of either choice by the user.
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect cellRect(int index) const;

    int foreground_ = kNone;
    int background_ = kNone;
};

} // namespace tw
