#pragma once
// The groups, the favorites and the recent files, and every operation on them
// that the file commands, the menus and the list editors run. Widget-free:
// the documents are reached through ListDocuments, every text through
// Prompts, and the window learns of each change through onChanged, to rebuild
// its submenus and title.
#include <functional>

#include "lists/FileListHooks.h"
#include "lists/GroupTable.h"
#include "lists/NumberedList.h"

namespace tw {

class ListDocuments;
class Prompts;
struct EditorOptions;
struct StoredSettings;

class FileLists : public FileListHooks {
public:
    enum Change { GroupsChanged = 1, FavoritesChanged = 2, RecentChanged = 4 };

    FileLists(ListDocuments& documents, Prompts& prompts, EditorOptions& options);

    // Told of every change, with the Change bits of the lists it touched.
    void onChanged(std::function<void(int changes)> listener) { changed_ = std::move(listener); }

    const GroupTable& groups() const { return groups_; }
    const NumberedList& favorites() const { return favorites_; }
    const NumberedList& recentFiles() const { return recent_; }

    // Items 12, 13, 36, 37 and 38 of the settings file. The open group is
    // kept only with the start-up mode that reopens the last documents.
    void load(const StoredSettings& settings);
    void store(StoredSettings& settings) const;

    // FileListHooks: the open group.
    bool isGroupOpen() const override { return groups_.isGroupOpen(); }
    QString openGroupName() const override;
    QString OpenGroupMainFile() const override;
    bool IsInOpenGroup(const QString& name) const override;
    bool CloseOpenGroup() override;
    void forgetOpenGroup() override;
    bool AddToOpenGroup(const QString& name, bool ask) override;
    bool RemoveFromOpenGroup(const QString& name) override;
    bool ChangeGroupEntry(const QString& oldName, const QString& newName) override;

    // Groups (GroupOperations.cpp): the click of an "Open Group" entry, and
    // View > Main File.
    void OpenGroup(int number);
    void ViewMainFile();
    // What the group editor saves, deletes and reorders. SaveGroup stores a
    // new group (number count() + 1) or replaces one, asking first whether
    // to reopen it when it is the open group; it returns the group's number.
    int SaveGroup(int number, const QString& name, const GroupFiles& files);
    void DeleteGroup(int number);
    void ReorderGroups(const QStringList& names, const std::function<void(int, int)>& follow);

    // FileListHooks: favorites and recent files (FavoritesRecent.cpp).
    int FindFavorite(const QString& name) const override;
    bool ChangeFavoritesEntry(const QString& oldName, const QString& newName) override;
    bool AddRecentFile(const QString& name) override;
    bool RemoveRecentFile(const QString& name) override;
    bool ChangeRecentEntry(const QString& oldName, const QString& newName) override;

    bool AddFavorite(const QString& name);
    // The click of a favorite or recent entry at index.
    void OpenFavorite(int index);
    void OpenRecent(int index);
    bool IsRecentCandidate(const QString& name);
    int FindRecentFile(const QString& name) const { return recent_.find(name); }
    // The editors' OK: the lists from their names, in order.
    void setFavorites(const QStringList& names);
    void setRecentFiles(const QStringList& names, int maximum);
    int maxRecentFiles() const;

private:
    bool ask(const QString& question);
    bool confirm(const QString& question);   // asked only with Confirm Prompts on
    void changed(int changes);
    void removeFavoriteEntry(int index);
    bool removeRecentEntry(int index);
    bool closeParkedMembers();

    ListDocuments& docs_;
    Prompts& prompts_;
    EditorOptions& options_;
    GroupTable groups_;
    NumberedList favorites_;
    NumberedList recent_;
    std::function<void(int)> changed_;
};

} // namespace tw
