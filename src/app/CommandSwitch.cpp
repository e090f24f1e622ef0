#include "app/CommandSwitch.h"

#include <QAction>
#include <QToolButton>

namespace tw {

QAction* CommandSwitch::action(const QString& name) const {
    return root_->findChild<QAction*>(name);
}

QToolButton* CommandSwitch::button(const QString& name) const {
    return root_->findChild<QToolButton*>(name);
}

void CommandSwitch::enable(const QString& name, bool on) const {
    const bool effective = on && isAvailable(name);
    if (QAction* item = action(name))
        item->setEnabled(effective);
    else if (QToolButton* speed = button(name))
        speed->setEnabled(effective);
}

void CommandSwitch::enable(std::initializer_list<const char*> names, bool on) const {
    for (const char* name : names)
        enable(QString::fromLatin1(name), on);
}

bool CommandSwitch::isEnabled(const QString& name) const {
    if (QAction* item = action(name))
        return item->isEnabled();
    if (QToolButton* speed = button(name))
        return speed->isEnabled();
    return false;
}

void CommandSwitch::markUnavailable(const QString& name) {
    unavailable_.insert(name);
    enable(name, false);
}

} // namespace tw
