#pragma once
// A horizontal up-down control: two small arrow buttons side by side holding a
// position within a range, without wrapping. The left arrow lowers the position
// by one, the right arrow raises it; a press at the end of the range changes
// nothing and reports nothing.
#include <QWidget>

class QToolButton;

namespace tw {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    void setRange(int minimum, int maximum);
    void setMinimum(int minimum) { setRange(minimum, maximum_); }
    // Sets the position as given, without signalling.
    void setPosition(int position) { position_ = position; }

    // Press an arrow as a click would.
    void stepLeft();
    void stepRight();

    QToolButton* leftButton() const { return left_; }
    QToolButton* rightButton() const { return right_; }

signals:
    // The position changed by a press: -1 for the left arrow, +1 for the right.
    void stepped(int direction);

private:
    void step(int direction);

    QToolButton* left_;
    QToolButton* right_;
    int minimum_ = 0;
    int maximum_ = 0;
    int position_ = 0;
};

} // namespace tw
