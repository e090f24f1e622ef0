#include "app/UpDown.h"

#include <QToolButton>

namespace tw {

namespace {
constexpr int kWidth = 33;
constexpr int kHeight = 17;
} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
    left_ = new QToolButton(this);
    right_ = new QToolButton(this);
    left_->setArrowType(Qt::LeftArrow);
    right_->setArrowType(Qt::RightArrow);
    const int half = kWidth / 2;
    left_->setGeometry(0, 0, half, kHeight);
    right_->setGeometry(half, 0, kWidth - half, kHeight);
    for (QToolButton* button : {left_, right_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(left_, &QToolButton::clicked, this, &UpDown::stepLeft);
    connect(right_, &QToolButton::clicked, this, &UpDown::stepRight);
}

void UpDown::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
}

void UpDown::stepLeft() { step(-1); }
void UpDown::stepRight() { step(+1); }

void UpDown::step(int direction)
{
    const int next = position_ + direction;
    if (next < minimum_ || next > maximum_)
        return;
    position_ = next;
    emit stepped(direction);
}

} // namespace tw
