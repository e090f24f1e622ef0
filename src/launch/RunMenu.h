#pragma once
// The Run menu `RunMnu`: one `TRunMenuItem` per Run record, in record order.
// The item at position p stands for record p + 1 and carries that number as
// its tag; its caption and shortcut are the record's stored ones.
#include <QAction>
#include <QList>
#include <functional>

#include "settings/StoredSettings.h"

class QMenu;

namespace tw {

class TRunMenuItem : public QAction {
    Q_OBJECT
public:
    TRunMenuItem(int tag, QObject* parent) : QAction(parent), tag_(tag) {}
    int tag() const { return tag_; }

private:
    int tag_;
};

// Makes the menu's items anew from the records; a click runs run(tag). The
// menu is enabled exactly when it has items.
void RebuildRunMenu(QMenu* menu, const QList<StoredRunRecord>& records,
                    const std::function<void(int tag)>& run);

} // namespace tw
