#include "app/SpeedBar.h"

#include <QIcon>
#include <QResizeEvent>
#include <QToolButton>

#include "app/UpDown.h"

// Resources compiled into a static library are registered only on request.
static void registerSpeedBarIcons()
{
    Q_INIT_RESOURCE(resources);
}

namespace tw {
namespace {

struct SpeedButtonDesign {
    const char* name;
    int left;
    const char* hint;
    const char* themeIcon; // freedesktop icon name
    const char* fallback;  // icon of our own resources
};

constexpr SpeedButtonDesign kButtons[] = {
    {"NewSpdBtn", 2, "New File", "document-new", "new"},
    {"OpenSpdBtn", 28, "Open File...", "document-open", "open"},
    {"SaveSpdBtn", 54, "Save the Current File", "document-save", "save"},
    {"SaveAllSpdBtn", 80, "Save All Files", "document-save-all", "saveall"},
    {"PrintSpdBtn", 106, "Print Current File...", "document-print", "print"},
    {"CloseSpdBtn", 132, "Close the Current File", "document-close", "close"},
    {"UndoSpdBtn", 166, "Undo", "edit-undo", "undo"},
    {"CutSpdBtn", 192, "Cut", "edit-cut", "cut"},
    {"CopySpdBtn", 218, "Copy", "edit-copy", "copy"},
    {"PasteSpdBtn", 244, "Paste", "edit-paste", "paste"},
    {"FindSpdBtn", 278, "Find...", "edit-find", "find"},
    {"SearchAgainSpdBtn", 304, "Search Again", "edit-find-next", "searchagain"},
    {"ReplaceSpdBtn", 330, "Replace...", "edit-find-replace", "replace"},
    {"ViewSpdBtn", 364, "Select File from List...", "view-list", "selectfile"},
    {"NextSpdBtn", 390, "Next File", "go-next", "next"},
    {"PreviousSpdBtn", 416, "Previous File", "go-previous", "previous"},
    {"ExecuteSpdBtn", 450, "Execute Current File", "system-run", "execute"},
    {"HelpSpdBtn", 484, "Welcome to Help...", "help-contents", "help"},
};

constexpr int kBarHeight = 33;
constexpr int kButtonSize = 25;
constexpr int kButtonTop = 4;
constexpr int kIconSize = 16;
constexpr int kScrollerTop = 8;
constexpr int kScrollerRightGap = 7;
constexpr int kScrollerMinimum = -12;
constexpr int kDesignedWidth = 515;

QIcon speedButtonIcon(const SpeedButtonDesign& design)
{
    const QIcon fallback(QStringLiteral(":/icons/%1.png").arg(QString::fromUtf8(design.fallback)));
    return QIcon::fromTheme(QString::fromUtf8(design.themeIcon), fallback);
}

} // namespace

SpeedBar::SpeedBar(QWidget* parent) : QWidget(parent)
{
    registerSpeedBarIcons();
    setObjectName(QStringLiteral("ToolBar"));
    setFixedHeight(kBarHeight);
    resize(kDesignedWidth, kBarHeight);

    for (const SpeedButtonDesign& design : kButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromUtf8(design.name));
        button->setGeometry(design.left, kButtonTop, kButtonSize, kButtonSize);
        button->setToolTip(QString::fromUtf8(design.hint));
        button->setIcon(speedButtonIcon(design));
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        buttons_.append(button);
    }

    upDown_ = new UpDown(this);
    upDown_->setObjectName(QStringLiteral("UpDown1"));
    upDown_->setRange(kScrollerMinimum, 0);
    upDown_->setPosition(0);
    connect(upDown_, &UpDown::stepped, this, &SpeedBar::scrollStep);
    adjustScroller();
}

QToolButton* SpeedBar::button(const QString& name) const
{
    for (QToolButton* button : buttons_) {
        if (button->objectName() == name)
            return button;
    }
    return nullptr;
}

void SpeedBar::adjustScroller()
{
    while (upDown_->position() < 0) {
        upDown_->setPosition(upDown_->position() + 1);
        scrollStep(+1);
    }
    const QToolButton* help = buttons_.last();
    const int helpRight = help->x() + help->width();
    upDown_->setVisible(helpRight > width());
    upDown_->move(width() - upDown_->width() - kScrollerRightGap, kScrollerTop);
    // Division truncates towards zero, as designed: the scroller may go one
    // step further than the whole steps that the gap holds.
    const int gap = upDown_->x() - helpRight;
    upDown_->setMinimum(gap / buttons_.first()->width() - 1);
}

void SpeedBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    adjustScroller();
}

void SpeedBar::scrollStep(int direction)
{
    const int offset = direction * buttons_.first()->width();
    for (QToolButton* button : buttons_)
        button->move(button->x() + offset, button->y());
}

} // namespace tw
