#include "app/KeystrokeMapping.h"

#include <QAction>
#include <QKeySequence>
#include <QObject>

namespace tw {
namespace {

struct MappedItem {
    const char* item;
    const char* keys[2]; // mapping 0, mapping 1 (portable key text)
};

constexpr MappedItem kMappedItems[] = {
    {"FileSaveMnu", {"Ctrl+S", "F2"}},
    {"FileOpenMnu", {"Ctrl+O", "F3"}},
    {"SearchSearchAgainMnu", {"F3", "Ctrl+L"}},
    {"FileCloseCurrentFileMnu", {"Ctrl+F4", "Alt+F3"}},
    {"FileExitMnu", {"Alt+F4", "Alt+X"}},
    {"EditUndoMnu", {"Ctrl+Z", "Alt+Backspace"}},
    {"ViewSelectFileMnu", {"F2", "Alt+0"}},
};

} // namespace

void ApplyKeystrokeMapping(QObject* root, int mapping)
{
    if (!root || (mapping != 0 && mapping != 1))
        return;
    for (const MappedItem& mapped : kMappedItems) {
        if (auto* action = root->findChild<QAction*>(QString::fromUtf8(mapped.item)))
            action->setShortcut(QKeySequence::fromString(QString::fromUtf8(mapped.keys[mapping]),
                                                         QKeySequence::PortableText));
    }
}

} // namespace tw
