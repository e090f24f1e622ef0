#pragma once
// The groups, numbered 1 to 28 in the order of the "Open Group" submenu, and
// which of them is open. A group's name is kept as the caption of its entry,
// "&N name" for the first nine (NumberedCaption), and every change of places
// gives the captions their new numbers. The open group's number always
// designates an existing group: deleting and reordering keep it on its group
// or clear it.
#include <QList>
#include <QStringList>
#include <functional>

#include "lists/GroupFiles.h"
#include "lists/StoredName.h"

namespace tw {

struct StoredSettings;

inline constexpr int kMaxGroups = 28;

struct Group {
    StoredName caption;   // as shown in the submenu
    GroupFiles files;
};

class GroupTable {
public:
    int count() const { return int(groups_.size()); }
    bool isFull() const { return count() >= kMaxGroups; }
    // Groups are numbered from 1; numbers outside 1..count() name none.
    bool exists(int number) const { return number >= 1 && number <= count(); }
    QString caption(int number) const { return groups_.at(number - 1).caption.text(); }
    // The bare name, without the "&N " prefix.
    QString name(int number) const;
    QStringList names() const;
    QStringList captions() const;
    const GroupFiles& files(int number) const { return groups_.at(number - 1).files; }
    GroupFiles& files(int number) { return groups_[number - 1].files; }

    // 0 when no group is open.
    int openGroup() const { return openGroup_; }
    void setOpenGroup(int number) { openGroup_ = exists(number) ? number : 0; }
    bool isGroupOpen() const { return openGroup_ != 0; }

    // A new last group; its number, or 0 when 28 groups exist.
    int append(const QString& name, const GroupFiles& files);
    // Group `number` gets a new name and list (its caption made anew).
    void replace(int number, const QString& name, const GroupFiles& files);
    // The later groups move down one number; the open group follows, or no
    // group is open when it was this one.
    void remove(int number);
    // Groups i and j (numbers) change places with all their data.
    void exchange(int i, int j);
    // Puts the groups into the order of names (the bare names in a new
    // order), exchanging whole groups; `follow` is told of each exchange.
    void reorder(const QStringList& names, const std::function<void(int, int)>& follow = {});

    // Items 12 and 13 of the settings file. Loading clears an open-group
    // number that names no group and a main file outside its list.
    void load(int openGroup, const StoredSettings& settings);
    void store(StoredSettings& settings) const;

private:
    QList<Group> groups_;
    int openGroup_ = 0;
};

} // namespace tw
