#include "launch/RunMenu.h"

#include <QMenu>

#include "launch/LaunchTables.h"
#include "util/MenuShortcuts.h"
#include "util/ShortcutCodes.h"

namespace tw {

void RebuildRunMenu(QMenu* menu, const QList<StoredRunRecord>& records,
                    const std::function<void(int tag)>& run) {
    menu->clear();   // deletes the items it owns
    for (int i = 0; i < records.size(); ++i) {
        auto* item = new TRunMenuItem(i + 1, menu);
        item->setObjectName(QStringLiteral("RunMnuItem%1").arg(i + 1));
        item->setText(StoredText(records.at(i).caption));
        SetWantedShortcut(item, shortcutFromCode(records.at(i).shortcut));
        QObject::connect(item, &QAction::triggered, menu, [run, tag = i + 1] { run(tag); });
        menu->addAction(item);
    }
    menu->menuAction()->setEnabled(!records.isEmpty());
}

} // namespace tw
