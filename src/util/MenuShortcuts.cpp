#include "util/MenuShortcuts.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>

namespace tw {

namespace {

const char* const kWanted = "tarnwickWantedShortcut";
const char* const kYielded = "tarnwickShortcutYielded";
const char* const kCaption = "tarnwickFullCaption";

// Items of a menu and its submenus, in the order the menu shows them.
void collect(const QList<QAction*>& actions, QList<QAction*>& items) {
    for (QAction* a : actions) {
        if (a->isSeparator())
            continue;
        if (QMenu* sub = a->menu())
            collect(sub->actions(), items);
        else
            items << a;
    }
}

QString withoutMnemonic(QString caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (caption.at(i + 1) == u'&')
                ++i;
            else
                return caption.remove(i, 1);
        }
    }
    return caption;
}

} // namespace

void SetWantedShortcut(QAction* item, const QKeySequence& key) {
    item->setProperty(kWanted, QVariant::fromValue(key));
    item->setProperty(kYielded, false);
    item->setShortcut(key);
}

QKeySequence WantedShortcut(const QAction* item) {
    const QVariant wanted = item->property(kWanted);
    if (!wanted.isValid())
        return item->shortcut();
    // A shortcut set directly since (a keystroke mapping) is what is wanted now.
    if (!item->shortcut().isEmpty() && item->shortcut() != wanted.value<QKeySequence>())
        return item->shortcut();
    if (item->shortcut().isEmpty() && !item->property(kYielded).toBool())
        return {};
    return wanted.value<QKeySequence>();
}

void ArbitrateShortcuts(QMenuBar* bar) {
    if (!bar)
        return;
    QList<QAction*> items;
    collect(bar->actions(), items);
    QHash<QKeySequence, QAction*> owners;
    for (QAction* item : items) {
        const QKeySequence wanted = WantedShortcut(item);
        item->setProperty(kWanted, QVariant::fromValue(wanted));
        const bool yields = !wanted.isEmpty() && owners.contains(wanted);
        if (!wanted.isEmpty() && !yields)
            owners.insert(wanted, item);
        item->setProperty(kYielded, yields);
        item->setShortcut(yields ? QKeySequence() : wanted);
    }
    // Menu-bar captions give up a mnemonic that an item's shortcut uses.
    for (QAction* title : bar->actions()) {
        QVariant full = title->property(kCaption);
        if (!full.isValid()) {
            full = title->text();
            title->setProperty(kCaption, full);
        }
        const QString caption = full.toString();
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        const bool taken = !mnemonic.isEmpty() && owners.contains(mnemonic);
        const QString shown = taken ? withoutMnemonic(caption) : caption;
        if (title->text() != shown)
            title->setText(shown);
    }
}

} // namespace tw
