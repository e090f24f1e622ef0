#pragma once
// What the file commands ask of the open group, the favorites and the recent
// list. The lists implement it; until they exist the defaults change nothing.
#include <QString>

namespace tw {

class FileListHooks {
public:
    virtual ~FileListHooks() = default;

    // Recent files: a closed or renamed-away file enters the list.
    virtual void AddRecentFile(const QString& /*name*/) {}

    // The open group.
    virtual bool isGroupOpen() const { return false; }
    // The open group's name as its menu caption shows it.
    virtual QString openGroupCaption() const { return {}; }
    // The open group's main file, or empty when it has none.
    virtual QString openGroupMainFile() const { return {}; }
    virtual bool IsInOpenGroup(const QString& /*name*/) const { return false; }
    virtual void CloseOpenGroup() {}
    // Forgets the open group without closing anything (OpenGroupNumber := 0).
    virtual void forgetOpenGroup() {}
    // Save As: the group's entry and the favorites follow the file's new name.
    virtual void followSaveAs(const QString& /*oldName*/, const QString& /*newName*/) {}

    // Favorites.
    virtual bool isFavorite(const QString& /*name*/) const { return false; }
};

} // namespace tw
