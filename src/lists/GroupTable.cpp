#include "lists/GroupTable.h"

#include "launch/MenuCaptions.h"
#include "lists/ExchangeInPlace.h"
#include "settings/StoredSettings.h"

namespace tw {

QString GroupTable::name(int number) const { return StripCaptionNumber(caption(number)); }

QStringList GroupTable::names() const {
    QStringList all;
    for (int n = 1; n <= count(); ++n)
        all << name(n);
    return all;
}

QStringList GroupTable::captions() const {
    QStringList all;
    for (const Group& group : groups_)
        all << group.caption.text();
    return all;
}

int GroupTable::append(const QString& name, const GroupFiles& files) {
    if (isFull())
        return 0;
    groups_.append(Group{StoredName::fromText(NumberedCaption(name, count() + 1)), files});
    return count();
}

void GroupTable::replace(int number, const QString& name, const GroupFiles& files) {
    if (!exists(number))
        return;
    Group& group = groups_[number - 1];
    group.caption.setText(NumberedCaption(name, number));
    group.files.assign(files.names(), files.mainFile());
}

void GroupTable::remove(int number) {
    if (!exists(number))
        return;
    if (openGroup_ == number)
        openGroup_ = 0;
    else if (number < openGroup_)
        --openGroup_;
    groups_.removeAt(number - 1);
    for (int n = 1; n <= count(); ++n)
        groups_[n - 1].caption.setText(NumberedCaption(name(n), n));
}

void GroupTable::exchange(int i, int j) {
    if (!exists(i) || !exists(j) || i == j)
        return;
    const QString nameI = name(i);
    const QString nameJ = name(j);
    groups_.swapItemsAt(i - 1, j - 1);
    // Assign: each entry's caption for its new place.
    groups_[i - 1].caption.setText(NumberedCaption(nameJ, i));
    groups_[j - 1].caption.setText(NumberedCaption(nameI, j));
    if (openGroup_ == i)
        openGroup_ = j;
    else if (openGroup_ == j)
        openGroup_ = i;
}

void GroupTable::reorder(const QStringList& order, const std::function<void(int, int)>& follow) {
    ExchangeInPlace(
        count(), order, [this](int index) { return name(index + 1); },
        [&](int a, int b) {
            exchange(a + 1, b + 1);
            if (follow)
                follow(a + 1, b + 1);
        });
}

void GroupTable::load(int openGroup, const StoredSettings& settings) {
    groups_.clear();
    for (const StoredGroup& stored : settings.groups.mid(0, kMaxGroups)) {
        Group group{StoredName::fromStored(stored.caption), {}};
        group.files.load(stored.files, stored.mainFile);
        groups_.append(group);
    }
    setOpenGroup(openGroup);
}

void GroupTable::store(StoredSettings& settings) const {
    settings.openGroup = openGroup_;
    settings.groups.clear();
    for (const Group& group : groups_)
        settings.groups.append(
            StoredGroup{group.caption.stored(), group.files.stored(), group.files.mainFile()});
}

} // namespace tw
