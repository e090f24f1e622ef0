// FileLists' favorites and recent files: the entries' clicks, the file
// commands' calls and what the two editors store.
#include "lists/FileLists.h"

#include <algorithm>

#include "lists/ListDocuments.h"
#include "lists/RecentList.h"
#include "platform/FileAttributes.h"
#include "settings/EditorOptions.h"
#include "util/Prompts.h"

namespace tw {

namespace {

constexpr int kMaxFavorites = 255;

} // namespace

int FileLists::FindFavorite(const QString& name) const { return favorites_.find(name); }

bool FileLists::AddFavorite(const QString& name) {
    if (favorites_.count() >= kMaxFavorites) {
        prompts_.message(
            QStringLiteral("The favorites menu already holds %1 files: \"%2\" was not added.")
                .arg(kMaxFavorites)
                .arg(name),
            MessageType::Warning);
        return false;
    }
    if (FindFavorite(name) >= 0) {
        prompts_.message(QStringLiteral("\"%1\" is already in favorites").arg(name),
                         MessageType::Warning);
        return false;
    }
    RemoveRecentFile(name);
    favorites_.insert(favorites_.count(), name);
    changed(FavoritesChanged);
    return true;
}

void FileLists::OpenFavorite(int index) {
    if (index < 0 || index >= favorites_.count())
        return;
    const QString name = favorites_.fileName(index);
    // Only a file that is really gone is offered for removal: at the document
    // limit, for the settings file or for a file that cannot be read now, the
    // entry stays.
    if (docs_.OpenAsCurrent(name) != NotFound)
        return;
    if (!confirm(QStringLiteral("Do you wish to REMOVE \"%1\" from the favorites menu?").arg(name)))
        return;
    removeFavoriteEntry(index);
}

void FileLists::removeFavoriteEntry(int index) {
    if (index < 0)
        return;
    favorites_.removeAt(index);
    changed(FavoritesChanged);
}

bool FileLists::ChangeFavoritesEntry(const QString& oldName, const QString& newName) {
    const int index = FindFavorite(oldName);
    if (index < 0)
        return false;
    if (!confirm(QStringLiteral("Do you wish to change \"%1\" to \"%2\" in the favorites menu?")
                     .arg(oldName, newName)))
        return false;
    favorites_.rename(index, newName);
    changed(FavoritesChanged);
    return true;
}

void FileLists::setFavorites(const QStringList& names) {
    const NumberedList before = favorites_;
    favorites_.clear();
    for (const QString& name : names)
        if (favorites_.count() < kMaxFavorites)
            AddFavorite(name);
    favorites_.keepStoredBytes(before);
    changed(FavoritesChanged);
}

bool FileLists::IsRecentCandidate(const QString& name) {
    return fileExists(name) && !IsInOpenGroup(name) && FindFavorite(name) < 0 &&
           !docs_.IsSettingsFile(name, false);
}

bool FileLists::AddRecentFile(const QString& name) {
    if (!IsRecentCandidate(name))
        return false;
    putOnTop(recent_, name, maxRecentFiles());
    changed(RecentChanged);
    return true;
}

void FileLists::OpenRecent(int index) {
    if (index < 0 || index >= recent_.count())
        return;
    const QString name = recent_.fileName(index);
    if (docs_.OpenAsCurrent(name) == NotFound)
        removeRecentEntry(index);
}

bool FileLists::removeRecentEntry(int index) {
    if (index < 0 || index >= recent_.count())
        return false;
    if (!confirm(QStringLiteral("Do you with to DELETE \"%1\" from the \"File|Open Recent\" menu?")
                     .arg(recent_.fileName(index))))
        return false;
    recent_.removeAt(index);
    changed(RecentChanged);
    return true;
}

bool FileLists::RemoveRecentFile(const QString& name) {
    const int index = recent_.find(name);
    if (index < 0)
        return false;
    removeRecentEntry(index);
    return true;
}

bool FileLists::ChangeRecentEntry(const QString& oldName, const QString& newName) {
    const int index = recent_.find(oldName);
    if (index < 0)
        return false;
    if (!confirm(QStringLiteral("Do you wish to change \"%1\" to \"%2\" in File|Recent?")
                     .arg(oldName, newName)))
        return false;
    recent_.rename(index, newName);
    changed(RecentChanged);
    return true;
}

void FileLists::setRecentFiles(const QStringList& names, int maximum) {
    options_.MaxRecentFiles = maximum;
    const NumberedList before = recent_;
    recent_.clear();
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        putOnTop(recent_, *it, maxRecentFiles());
    recent_.keepStoredBytes(before);
    changed(RecentChanged);
}

} // namespace tw
