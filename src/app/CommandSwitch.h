#pragma once
// Finds the main window's menu items and tool buttons by their designed names
// and enables them. Commands whose features are not in this build stay
// disabled whatever the enabling rules ask, so the rules can be written whole.
#include <QAction>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>

#include <QToolButton>

namespace tw {

class CommandSwitch {
public:
    explicit CommandSwitch(QObject* root) : root_(root) {}

    QAction* action(const QString& name) const;
    QToolButton* button(const QString& name) const;
    // Enables the item or button of that name (menu items and speed buttons
    // alike); unknown names are ignored.
    void enable(const QString& name, bool on) const;
    void enable(std::initializer_list<const char*> names, bool on) const;
    bool isEnabled(const QString& name) const;

    // Connects the menu item and, when named, the tool button and the
    // shortcut-menu entry that run the same command, and records them as
    // available in this build.
    template <typename Handler>
    void bind(const char* item, const char* button, const char* popItem, QObject* context,
              Handler handler);
    // Records a command that is wired some other way (check marks, submenus).
    void markBuilt(const QString& name) { built_.insert(name); }
    // Disables, for good, every designed menu item, shortcut-menu entry and
    // tool button that nothing was bound to.
    void disableUnbuilt();

    // Marks a command as not available in this build: it is disabled now and
    // whenever it would be enabled.
    void markUnavailable(const QString& name);
    bool isAvailable(const QString& name) const { return !unavailable_.contains(name); }

private:
    // Enabling runs on every keystroke; names are looked up once.
    QObject* find(const QString& name) const;

    QObject* root_;
    QSet<QString> built_;
    QSet<QString> unavailable_;
    mutable QHash<QString, QPointer<QObject>> found_;
};

template <typename Handler>
void CommandSwitch::bind(const char* item, const char* button, const char* popItem,
                         QObject* context, Handler handler) {
    for (const char* name : {item, popItem}) {
        if (!name)
            continue;
        if (QAction* found = action(QString::fromLatin1(name))) {
            QObject::connect(found, &QAction::triggered, context, handler);
            built_.insert(found->objectName());
        }
    }
    if (button)
        if (QToolButton* found = this->button(QString::fromLatin1(button))) {
            QObject::connect(found, &QToolButton::clicked, context, handler);
            built_.insert(found->objectName());
        }
}

} // namespace tw
