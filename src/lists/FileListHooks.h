#pragma once
// What the file commands (and the file operations) ask of the open group, the
// favorites and the recent list. FileLists implements it; this base, which
// keeps no lists, changes nothing and answers "not in any list", so the file
// commands can run on their own.
#include <QString>

namespace tw {

class FileListHooks {
public:
    virtual ~FileListHooks() = default;

    // Recent files: a closed or renamed-away file enters the list at the top
    // when it may (it exists, and is neither in the open group, nor a
    // favorite, nor the settings file). True when it was put there.
    virtual bool AddRecentFile(const QString& /*name*/) { return false; }
    // Takes the file's entry off the recent list (asking first when the
    // confirm option is on). True when it had one.
    virtual bool RemoveRecentFile(const QString& /*name*/) { return false; }
    virtual bool ChangeRecentEntry(const QString& /*oldName*/, const QString& /*newName*/) {
        return false;
    }

    // The open group.
    virtual bool isGroupOpen() const { return false; }
    // The open group's bare name (without its "&N " prefix).
    virtual QString openGroupName() const { return {}; }
    // The open group's main file, or empty when it has none.
    virtual QString OpenGroupMainFile() const { return {}; }
    virtual bool IsInOpenGroup(const QString& /*name*/) const { return false; }
    // Closes the open group's documents. False when a save question was
    // cancelled, or answered Yes and the save failed: then nothing of a
    // parked member was closed.
    virtual bool CloseOpenGroup() { return true; }
    // Forgets the open group without closing anything (Close All).
    virtual void forgetOpenGroup() {}
    virtual bool AddToOpenGroup(const QString& /*name*/, bool /*ask*/) { return false; }
    virtual bool RemoveFromOpenGroup(const QString& /*name*/) { return false; }
    // After a file got a new name (Save As, Rename, Move): its entry follows,
    // or an untitled document saved under a name is offered to the group.
    virtual bool ChangeGroupEntry(const QString& /*oldName*/, const QString& /*newName*/) {
        return false;
    }

    // Favorites.
    virtual int FindFavorite(const QString& /*name*/) const { return -1; }
    bool isFavorite(const QString& name) const { return FindFavorite(name) >= 0; }
    virtual bool ChangeFavoritesEntry(const QString& /*oldName*/, const QString& /*newName*/) {
        return false;
    }
};

} // namespace tw
