#pragma once
// The entries of the user-defined file submenus: "Open Group"
// (TGroupMenuItem), "Open Favorites" (TFavMenuItem) and "Open Recent"
// (TRecentMenuItem). Each entry's caption is its list's caption as shown, and
// its click reports the entry's position in its menu.
#include <QAction>
#include <QStringList>
#include <functional>

class QMenu;

namespace tw {

class TGroupMenuItem : public QAction {
    Q_OBJECT
public:
    using QAction::QAction;
};

class TFavMenuItem : public QAction {
    Q_OBJECT
public:
    using QAction::QAction;
};

class TRecentMenuItem : public QAction {
    Q_OBJECT
public:
    using QAction::QAction;
};

enum class ListMenuKind { Groups, Favorites, Recent };

// Makes menu show exactly `captions`, one entry of the kind's class each;
// choosing an entry calls click with its 0-based position. Entries are reused
// in place; those no longer needed leave the menu at once and are deleted
// later, so a click that shortens its own list never deletes the entry that
// is still running its handler.
void showListEntries(QMenu* menu, ListMenuKind kind, const QStringList& captions,
                     const std::function<void(int index)>& click);

} // namespace tw
