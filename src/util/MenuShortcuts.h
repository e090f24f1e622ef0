#pragma once
// One key, one command. When two menu items want the same shortcut, the first
// in menu order owns it and the later one shows and answers no key; when a
// menu item's shortcut is Alt plus the mnemonic letter of a menu-bar caption
// (Alt+X against "E&xecute"), the item wins and the caption loses its
// underline. Without this, Qt finds the key ambiguous and neither acts.
// What each item wants is remembered, so a clash that goes away gives the
// key back.
#include <QKeySequence>

class QAction;
class QMenuBar;

namespace tw {

// Gives item the shortcut it wants (an empty sequence for none). Call
// ArbitrateShortcuts afterwards.
void SetWantedShortcut(QAction* item, const QKeySequence& key);
// The shortcut item wants, whether or not it currently owns it.
QKeySequence WantedShortcut(const QAction* item);

// Settles every clash among the menu bar's items and captions.
void ArbitrateShortcuts(QMenuBar* bar);

} // namespace tw
