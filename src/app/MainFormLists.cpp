// TMainForm's groups, favorites and recent files: their submenus, the Add To
// and Close Group commands, View > Main File and the list editors.
#include "app/MainForm.h"

#include <QMenu>
#include <QMenuBar>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/HelpViewer.h"
#include "app/MainMenu.h"
#include "editing/EditControl.h"
#include "lists/FavoritesUnit.h"
#include "lists/FileLists.h"
#include "lists/GroupUnit.h"
#include "lists/ListMenus.h"
#include "lists/OrderUnit.h"
#include "lists/RecentUnit.h"
#include "platform/ProgramDirectory.h"

namespace tw {

void TMainForm::connectListCommands() {
    lists_->onChanged([this](int changes) { showLists(changes); });
    FileLists& l = *lists_;
    auto bind = [this](const char* item, auto handler) {
        commands_.bind(item, nullptr, nullptr, this, handler);
    };
    bind("AddGroupMnu", [this, &l] { l.AddToOpenGroup(table_->CurrentFileName(), false); });
    bind("AddFavoritesMnu", [this, &l] { l.AddFavorite(table_->CurrentFileName()); });
    bind("FileCloseGroupMnu", [&l] { l.CloseOpenGroup(); });
    bind("ViewMainFileMnu", [&l] { l.ViewMainFile(); });
    bind("OptionsOpenFavoritesMnu", [this] {
        FavForm().edit(options_.dialogs.filter,
                       files_->documentShown() ? table_->CurrentFileName() : QString());
    });
    bind("OptionsOpenRecentMmu", [this] { RecentForm().edit(); });
    bind("OptionsOpenGroupMenu", [this] {
        GroupForm().edit(options_.dialogs.filter,
                         files_->documentShown() ? table_->CurrentFileName() : QString());
    });
    showLists(FileLists::GroupsChanged | FileLists::FavoritesChanged | FileLists::RecentChanged);
}

void TMainForm::showLists(int changes) {
    auto submenu = [this](const char* name) { return findChild<QMenu*>(QString::fromLatin1(name)); };
    FileLists& l = *lists_;
    if (changes & FileLists::GroupsChanged) {
        showListEntries(submenu("FileOpenGroupMnu"), ListMenuKind::Groups, l.groups().captions(),
                        [this](int index) { lists_->OpenGroup(index + 1); });
        mirrorPopupSubmenus(menuBar(), popup_);
        commands_.enable("ViewMainFileMnu", !l.OpenGroupMainFile().isEmpty());
    }
    if (changes & FileLists::FavoritesChanged)
        showListEntries(submenu("FileFavoritesMnu"), ListMenuKind::Favorites,
                        l.favorites().captions(), [this](int index) { lists_->OpenFavorite(index); });
    if (changes & FileLists::RecentChanged)
        showListEntries(submenu("FileRecentMnu"), ListMenuKind::Recent, l.recentFiles().captions(),
                        [this](int index) { lists_->OpenRecent(index); });
    enableListCommands();
}

void TMainForm::enableListCommands() {
    auto hasItems = [this](const char* menu) {
        const QMenu* sub = findChild<QMenu*>(QString::fromLatin1(menu));
        return sub && !sub->actions().isEmpty();
    };
    const QString name = table_->CurrentFileName();
    commands_.enable("FileRecentMnu", hasItems("FileRecentMnu"));
    commands_.enable("FileOpenGroupMnu", hasItems("FileOpenGroupMnu"));
    commands_.enable("OpenGroupPopItem", hasItems("FileOpenGroupMnu"));
    commands_.enable("FileFavoritesMnu", hasItems("FileFavoritesMnu"));
    commands_.enable("AddGroupMnu", lists_->isGroupOpen() && !lists_->IsInOpenGroup(name));
    commands_.enable("AddFavoritesMnu", !lists_->isFavorite(name));
    commands_.enable("FileCloseGroupMnu", lists_->isGroupOpen());
}

TFavForm& TMainForm::FavForm() {
    if (!favForm_) {
        favForm_ = new TFavForm(*lists_, prompts_, OrderForm(),
                                [this](const QString& name) { return files_->IsSettingsFile(name, true); },
                                this);
        connect(favForm_, &TFavForm::helpRequested, this, [this](int topic) {
            help_->showTopic(programFile(QStringLiteral("Tarnwick.hlp")), topic);
        });
    }
    return *favForm_;
}

TGroupForm& TMainForm::GroupForm() {
    if (!groupForm_) {
        groupForm_ = new TGroupForm(
            *lists_, prompts_, OrderForm(),
            [this](const QString& name) { return files_->IsSettingsFile(name, true); },
            [this] { return options_.ConfirmPrompts; }, this);
        connect(groupForm_, &TGroupForm::helpRequested, this, [this](int topic) {
            help_->showTopic(programFile(QStringLiteral("Tarnwick.hlp")), topic);
        });
    }
    return *groupForm_;
}

TRecentForm& TMainForm::RecentForm() {
    if (!recentForm_)
        recentForm_ = new TRecentForm(*lists_, OrderForm(), this);
    return *recentForm_;
}

} // namespace tw
