#include "app/MainMenu.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <cstring>
#include <vector>

#include "app/MenuTable.h"

namespace tw {
namespace {

// Turns outline rows into widgets. Rows at depth 0 go into the top widget (the
// menu bar or the shortcut menu); a submenu row at depth d takes the rows of
// depth d + 1 that follow it.
class MenuBuilder {
public:
    explicit MenuBuilder(QWidget* top) : top_(top) {}

    void build(std::span<const MenuEntry> table)
    {
        for (const MenuEntry& entry : table)
            add(entry);
    }

private:
    QWidget* containerFor(int depth) const
    {
        return depth == 0 ? top_ : open_.at(static_cast<size_t>(depth - 1));
    }

    void add(const MenuEntry& entry)
    {
        QWidget* container = containerFor(entry.depth);
        if (std::strcmp(entry.name, kSeparator) == 0) {
            auto* separator = new QAction(container);
            separator->setSeparator(true);
            container->addAction(separator);
            return;
        }
        QAction* action = nullptr;
        if (entry.flags & kSubmenu) {
            auto* menu = new QMenu(QString::fromUtf8(entry.caption), container);
            menu->setObjectName(QString::fromUtf8(entry.name));
            open_.resize(static_cast<size_t>(entry.depth));
            open_.push_back(menu);
            action = menu->menuAction();
        } else {
            action = new QAction(QString::fromUtf8(entry.caption), container);
        }
        action->setObjectName(QString::fromUtf8(entry.name));
        applyFlags(entry, action, container);
        container->addAction(action);
    }

    void applyFlags(const MenuEntry& entry, QAction* action, QWidget* container)
    {
        if (*entry.shortcut)
            action->setShortcut(QKeySequence::fromString(QString::fromUtf8(entry.shortcut),
                                                         QKeySequence::PortableText));
        if (entry.flags & (kCheckable | kChecked | kRadio))
            action->setCheckable(true);
        if (entry.flags & kChecked)
            action->setChecked(true);
        if (entry.flags & kRadio)
            radioGroupOf(container)->addAction(action);
        if (entry.flags & kDefaultItem) {
            if (auto* menu = qobject_cast<QMenu*>(container))
                menu->setDefaultAction(action);
        }
        if (entry.helpTopic != 0)
            action->setProperty(kHelpTopicProperty, entry.helpTopic);
    }

    // One exclusive group per menu holds that menu's radio items.
    QActionGroup* radioGroupOf(QWidget* container)
    {
        const QString name = container->objectName() + QStringLiteral("RadioGroup");
        auto* group = container->findChild<QActionGroup*>(name, Qt::FindDirectChildrenOnly);
        if (!group) {
            group = new QActionGroup(container);
            group->setObjectName(name);
            group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
        }
        return group;
    }

    QWidget* top_;
    std::vector<QMenu*> open_; // open_[d]: the submenu that takes rows of depth d + 1
};

} // namespace

void buildMainMenu(QMenuBar* bar)
{
    MenuBuilder(bar).build(mainMenuTable());
}

QMenu* buildPopupMenu(QWidget* parent)
{
    auto* popup = new QMenu(parent);
    popup->setObjectName(QStringLiteral("PopupMenu"));
    MenuBuilder(popup).build(popupMenuTable());
    return popup;
}

void MirrorSubmenu(QMenu* source, QMenu* target)
{
    if (!source || !target)
        return;
    target->clear();
    target->addActions(source->actions());
}

void mirrorPopupSubmenus(QMenuBar* bar, QMenu* popup)
{
    static const char* const kPairs[][2] = {
        {"FileOpenGroupMnu", "OpenGroupPopItem"},
        {"FileAddMnu", "AddToPopItem"},
        {"FileCloseMnu", "ClosePopItem"},
    };
    for (const auto& pair : kPairs)
        MirrorSubmenu(bar->findChild<QMenu*>(QString::fromUtf8(pair[0])),
                      popup->findChild<QMenu*>(QString::fromUtf8(pair[1])));
}

} // namespace tw
