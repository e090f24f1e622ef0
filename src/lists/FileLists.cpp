#include "lists/FileLists.h"

#include "lists/ListDocuments.h"
#include "lists/RecentList.h"
#include "settings/EditorOptions.h"
#include "settings/StoredSettings.h"
#include "util/Prompts.h"

namespace tw {

FileLists::FileLists(ListDocuments& documents, Prompts& prompts, EditorOptions& options)
    : docs_(documents), prompts_(prompts), options_(options) {}

void FileLists::load(const StoredSettings& settings) {
    groups_.load(settings.startupMode == 0 ? settings.openGroup : 0, settings);
    recent_.load(settings.recentFiles);
    favorites_.load(settings.favorites);
    changed(GroupsChanged | FavoritesChanged | RecentChanged);
}

void FileLists::store(StoredSettings& settings) const {
    groups_.store(settings);
    settings.recentFiles = recent_.stored();
    settings.favorites = favorites_.stored();
}

bool FileLists::ask(const QString& question) {
    return prompts_.ask(question, MessageType::Confirmation, Buttons::YesNo) == Answer::Yes;
}

bool FileLists::confirm(const QString& question) {
    return !options_.ConfirmPrompts || ask(question);
}

void FileLists::changed(int changes) {
    if (changed_)
        changed_(changes);
}

int FileLists::maxRecentFiles() const { return effectiveMaxRecent(options_.MaxRecentFiles); }

} // namespace tw
