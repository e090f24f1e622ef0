#include "app/MenuHelpKey.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include "app/MainMenu.h"

namespace tw {

MenuHelpKey::MenuHelpKey(QObject* parent, ShowTopic showTopic)
    : QObject(parent), showTopic_(std::move(showTopic)) {}

void MenuHelpKey::watch(QMenu* menu) {
    menu->removeEventFilter(this);
    menu->installEventFilter(this);
}

bool MenuHelpKey::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent =
        event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!keyEvent || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    auto* menu = qobject_cast<QMenu*>(watched);
    QAction* item = menu ? menu->activeAction() : nullptr;
    const QVariant topic = item ? item->property(kHelpTopicProperty) : QVariant();
    if (!topic.isValid())
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // The item's own topic, not the F1 shortcut of Help > Welcome to Help.
        event->accept();
        return true;
    }
    // Close the menus first, so the help window is not covered by them.
    for (QWidget* open = menu; auto* m = qobject_cast<QMenu*>(open); open = m->parentWidget())
        m->close();
    showTopic_(topic.toInt());
    return true;
}

} // namespace tw
