// FileLists' groups: opening and closing the open group, its entries
// following the file commands, and what the group editor stores.
#include "lists/FileLists.h"

#include "lists/ListDocuments.h"
#include "settings/EditorOptions.h"
#include "util/Prompts.h"

namespace tw {

QString FileLists::openGroupName() const {
    return isGroupOpen() ? groups_.name(groups_.openGroup()) : QString();
}

QString FileLists::OpenGroupMainFile() const {
    return isGroupOpen() ? groups_.files(groups_.openGroup()).mainFileName() : QString();
}

bool FileLists::IsInOpenGroup(const QString& name) const {
    return isGroupOpen() && groups_.files(groups_.openGroup()).find(name) >= 0;
}

void FileLists::OpenGroup(int number) {
    if (!groups_.exists(number))
        return;
    if (options_.PersistentGroups) {
        if (!docs_.CloseAllDocuments())
            return;
    } else if (groups_.openGroup() != number && !CloseOpenGroup()) {
        return;
    }
    groups_.setOpenGroup(number);
    const QString group = groups_.name(number);
    GroupFiles& files = groups_.files(number);
    docs_.beginBatch();
    for (int i = 0; i < files.count();) {
        const QString name = files.at(i);
        if (docs_.isOpenExactly(name)) {
            ++i;
            continue;
        }
        const OpenResult r = docs_.OpenInBackground(name, i == 0 || !docs_.documentShown());
        // At the document limit no later file can open either: the limit
        // message was shown once, and the group keeps every file.
        if (r == LimitReached)
            break;
        // A file that is there but could not be read stays in the group.
        if (r == OpenOk || r == CannotRead ||
            !ask(QStringLiteral("Do you wish to DELETE \"%1\" from %2?").arg(name, group))) {
            ++i;
            continue;
        }
        files.removeAt(i);
    }
    docs_.endBatch();
    docs_.refreshTitle();
    changed(GroupsChanged);
}

bool FileLists::closeParkedMembers() {
    for (int slot = 1; slot < docs_.DocCount(); ++slot) {
        if (!IsInOpenGroup(docs_.parkedFileName(slot)) || !docs_.parkedModified(slot))
            continue;
        const Answer answer = docs_.AskSaveChanges(slot);
        // A Yes whose save failed or was cancelled counts as Cancel: closing
        // would throw the text away.
        if (answer == Answer::Cancel || (answer == Answer::Yes && docs_.parkedModified(slot)))
            return false;
    }
    for (int slot = docs_.DocCount() - 1; slot >= 1; --slot)
        if (IsInOpenGroup(docs_.parkedFileName(slot)))
            docs_.closeParkedDocument(slot);
    return true;
}

bool FileLists::CloseOpenGroup() {
    if (docs_.DocCount() == 0) {
        forgetOpenGroup();
        return true;
    }
    if (!closeParkedMembers())
        return false;
    bool closed = true;
    if (docs_.documentShown() && IsInOpenGroup(docs_.CurrentFileName()))
        closed = docs_.CloseCurrentDocument();
    docs_.documentsClosed();
    forgetOpenGroup();
    return closed;
}

void FileLists::forgetOpenGroup() {
    if (!isGroupOpen())
        return;
    groups_.setOpenGroup(0);
    if (docs_.documentShown())
        docs_.refreshTitle();
    changed(GroupsChanged);
}

bool FileLists::AddToOpenGroup(const QString& name, bool ask) {
    if (!isGroupOpen() || IsInOpenGroup(name))
        return false;
    const int number = groups_.openGroup();
    if (ask && !this->ask(QStringLiteral("Do you wish to add \"%1\" to group \"%2\"?")
                              .arg(name, groups_.name(number))))
        return false;
    if (!groups_.files(number).append(name)) {
        prompts_.message(QStringLiteral("Group \"%1\" already holds %2 files: \"%3\" was not added.")
                             .arg(groups_.name(number))
                             .arg(kMaxGroupFiles)
                             .arg(name),
                         MessageType::Warning);
        return false;
    }
    docs_.refreshTitle();
    changed(GroupsChanged);
    return true;
}

bool FileLists::RemoveFromOpenGroup(const QString& name) {
    if (!IsInOpenGroup(name))
        return false;
    if (!ask(QStringLiteral("Do you want to REMOVE \"%1\" from the open group?").arg(name)))
        return false;
    GroupFiles& files = groups_.files(groups_.openGroup());
    files.removeAt(files.find(name));
    docs_.refreshTitle();
    changed(GroupsChanged);
    return true;
}

bool FileLists::ChangeGroupEntry(const QString& oldName, const QString& newName) {
    if (!isGroupOpen())
        return false;
    GroupFiles& files = groups_.files(groups_.openGroup());
    const int index = files.find(oldName);
    if (index < 0) {
        // Saving an untitled document under a name offers it to the group.
        return docs_.IsUntitledName(oldName) && AddToOpenGroup(newName, true);
    }
    if (!confirm(QStringLiteral("Do you wish to change \"%1\" to \"%2\" in the current group?")
                     .arg(oldName, newName)))
        return false;
    files.rename(index, newName);
    changed(GroupsChanged);
    return true;
}

void FileLists::ViewMainFile() {
    const QString mainFile = OpenGroupMainFile();
    if (!mainFile.isEmpty() && docs_.DocCount() > 0)
        docs_.showParkedDocument(mainFile);
}

int FileLists::SaveGroup(int number, const QString& name, const GroupFiles& files) {
    bool reopen = false;
    if (groups_.exists(number) && number == groups_.openGroup()) {
        reopen = ask(QStringLiteral(
            "The group currently open has been modified.  Do you want to reopen it?"));
        if (reopen)
            CloseOpenGroup();
    }
    if (groups_.exists(number))
        groups_.replace(number, name, files);
    else
        number = groups_.append(name, files);
    changed(GroupsChanged);
    if (reopen && number != 0)
        OpenGroup(number);
    else if (number == groups_.openGroup())
        docs_.refreshTitle();
    return number;
}

void FileLists::DeleteGroup(int number) {
    if (!groups_.exists(number))
        return;
    const bool wasOpen = number == groups_.openGroup();
    groups_.remove(number);
    if (wasOpen && docs_.documentShown())
        docs_.refreshTitle();
    changed(GroupsChanged);
}

void FileLists::ReorderGroups(const QStringList& names,
                              const std::function<void(int, int)>& follow) {
    groups_.reorder(names, follow);
    changed(GroupsChanged);
}

} // namespace tw
