#include "util/ToolTipPolicy.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QTabBar>
#include <QToolTip>
#include <QWidget>

#include <atomic>

namespace tw {

namespace {

std::atomic<int> wakeUpDelay{500};

// The pause before a hint: Qt asks the application's style for it.
class HintPauseStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return wakeUpDelay.load();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void installPauseStyle() {
    if (!qApp || dynamic_cast<HintPauseStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new HintPauseStyle(QApplication::style()->name()));
}

// Widgets whose hints belong to their items (tabs, menu entries, list rows)
// show them themselves; the others show their own tool-tip text.
bool hintsOfItems(const QWidget* widget) {
    return qobject_cast<const QTabBar*>(widget) || qobject_cast<const QMenu*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget->parentWidget());
}

// Watches one dialog's show and hide.
class ShownDialogHints : public QObject {
public:
    ShownDialogHints(QWidget* dialog, ToolTipPolicy* policy) : QObject(dialog), policy_(policy) {
        dialog->installEventFilter(this);
    }
    ~ShownDialogHints() override {
        if (forced_ && policy_)
            policy_->endForcedHints();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !forced_ && policy_) {
            policy_->beginForcedHints();
            forced_ = true;
        } else if (event->type() == QEvent::Hide && forced_ && policy_) {
            policy_->endForcedHints();
            forced_ = false;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<ToolTipPolicy> policy_;
    bool forced_ = false;
};

} // namespace

void forceHintsWhileShown(QWidget* dialog, ToolTipPolicy* policy) {
    if (dialog && policy)
        new ShownDialogHints(dialog, policy);
}

ToolTipPolicy::ToolTipPolicy(QObject* parent) : QObject(parent) {
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, [] { QToolTip::hideText(); });
    installPauseStyle();
    if (qApp)
        qApp->installEventFilter(this);
    apply(show_, pause_, display_);
}

ToolTipPolicy::~ToolTipPolicy() {
    if (qApp)
        qApp->removeEventFilter(this);
}

void ToolTipPolicy::apply(bool show, int pauseMs, int displayMs) {
    show_ = show;
    pause_ = qMax(0, pauseMs);
    display_ = qMax(0, displayMs);
    wakeUpDelay = pause_;
    if (!hintsOn())
        QToolTip::hideText();
}

bool ToolTipPolicy::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
        if (!hintsOn())
            return true;   // swallowed: no hint at all
        auto* widget = static_cast<QWidget*>(watched);
        if (!hintsOfItems(widget) && !widget->toolTip().isEmpty()) {
            const auto* help = static_cast<QHelpEvent*>(event);
            QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), display_);
            hideTimer_.start(display_);
            return true;
        }
        // The widget shows its item's hint; it goes after the display time.
        hideTimer_.start(display_);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tw
