#pragma once
// Finds the main window's menu items and tool buttons by their designed names
// and enables them. Commands whose features are not in this build stay
// disabled whatever the enabling rules ask, so the rules can be written whole.
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>

class QAction;
class QObject;
class QToolButton;

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

    // Marks a command as not available in this build: it is disabled now and
    // whenever it would be enabled.
    void markUnavailable(const QString& name);
    bool isAvailable(const QString& name) const { return !unavailable_.contains(name); }

private:
    // Enabling runs on every keystroke; names are looked up once.
    QObject* find(const QString& name) const;

    QObject* root_;
    QSet<QString> unavailable_;
    mutable QHash<QString, QPointer<QObject>> found_;
};

} // namespace tw
