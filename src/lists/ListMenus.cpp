#include "lists/ListMenus.h"

#include <QMenu>

#include "launch/MenuCaptions.h"

namespace tw {

namespace {

QAction* newEntry(ListMenuKind kind, QObject* parent) {
    switch (kind) {
    case ListMenuKind::Groups:
        return new TGroupMenuItem(parent);
    case ListMenuKind::Favorites:
        return new TFavMenuItem(parent);
    case ListMenuKind::Recent:
        break;
    }
    return new TRecentMenuItem(parent);
}

// Qt takes "&" for an accelerator mark: the name's own ampersands are doubled
// so the entry shows the name as it is; the "&N " prefix keeps its accelerator.
QString shownCaption(const QString& caption) {
    const QString name = StripCaptionNumber(caption);
    return caption.left(caption.size() - name.size()) + EscapeAmpersands(name);
}

} // namespace

void showListEntries(QMenu* menu, ListMenuKind kind, const QStringList& captions,
                     const std::function<void(int index)>& click) {
    if (!menu)
        return;
    QList<QAction*> entries = menu->actions();
    while (entries.size() > captions.size()) {
        QAction* extra = entries.takeLast();
        menu->removeAction(extra);
        extra->deleteLater();
    }
    for (int i = 0; i < captions.size(); ++i) {
        if (i == entries.size()) {
            QAction* entry = newEntry(kind, menu);
            QObject::connect(entry, &QAction::triggered, menu, [menu, entry, click] {
                const int index = int(menu->actions().indexOf(entry));
                if (index >= 0)
                    click(index);
            });
            menu->addAction(entry);
            entries << entry;
        }
        const QString shown = shownCaption(captions.at(i));
        if (entries.at(i)->text() != shown)
            entries.at(i)->setText(shown);
    }
}

} // namespace tw
