#include "app/CommandSwitch.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace tw {

QObject* CommandSwitch::find(const QString& name) const {
    auto known = found_.constFind(name);
    if (known != found_.constEnd() && !known->isNull())
        return known->data();
    QObject* object = root_->findChild<QAction*>(name);
    if (!object)
        object = root_->findChild<QToolButton*>(name);
    if (object)
        found_.insert(name, object);
    return object;
}

QAction* CommandSwitch::action(const QString& name) const {
    return qobject_cast<QAction*>(find(name));
}

QToolButton* CommandSwitch::button(const QString& name) const {
    return qobject_cast<QToolButton*>(find(name));
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

void CommandSwitch::disableUnbuilt() {
    for (QAction* item : root_->findChildren<QAction*>()) {
        const QString name = item->objectName();
        const bool designed = name.endsWith(QLatin1String("Mnu")) ||
                              name.endsWith(QLatin1String("Menu")) ||
                              name.endsWith(QLatin1String("Mmu")) ||
                              name.endsWith(QLatin1String("MnuItem")) ||
                              name.endsWith(QLatin1String("PopItem"));
        if (designed && !item->menu() && !built_.contains(name))
            markUnavailable(name);
    }
    for (QToolButton* button : root_->findChildren<QToolButton*>())
        if (button->objectName().endsWith(QLatin1String("SpdBtn")) &&
            !built_.contains(button->objectName()))
            markUnavailable(button->objectName());
}

void CommandSwitch::markUnavailable(const QString& name) {
    unavailable_.insert(name);
    enable(name, false);
}

} // namespace tw
