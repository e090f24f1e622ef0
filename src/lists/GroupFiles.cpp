#include "lists/GroupFiles.h"

#include <QHash>
#include <algorithm>

#include "util/FileNames.h"

namespace tw {

GroupFiles::GroupFiles(const QStringList& names, int mainFile) { assign(names, mainFile); }

QStringList GroupFiles::names() const {
    QStringList all;
    for (const StoredName& file : files_)
        all << file.text();
    return all;
}

void GroupFiles::setMainFile(int index) { mainFile_ = index >= 0 && index < count() ? index : -1; }

int GroupFiles::find(const QString& name) const {
    for (int i = 0; i < count(); ++i)
        if (SameFileName(at(i), name))
            return i;
    return -1;
}

bool GroupFiles::append(const QString& name) {
    if (isFull())
        return false;
    files_ << StoredName::fromText(name);
    return true;
}

void GroupFiles::removeAt(int index) {
    if (index < 0 || index >= count())
        return;
    files_.removeAt(index);
    if (index == mainFile_)
        mainFile_ = -1;
    else if (index < mainFile_)
        --mainFile_;
}

void GroupFiles::removeAll(QList<int> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (auto it = indexes.crbegin(); it != indexes.crend(); ++it)
        removeAt(*it);
}

void GroupFiles::rename(int index, const QString& name) {
    if (index >= 0 && index < count())
        files_[index].setText(name);
}

void GroupFiles::reorder(const QStringList& names, int mainFile) { assign(names, mainFile); }

void GroupFiles::assign(const QStringList& names, int mainFile) {
    QHash<QString, StoredName> known;
    for (const StoredName& file : files_)
        known.insert(file.text(), file);
    files_.clear();
    for (const QString& name : names.mid(0, kMaxGroupFiles))
        files_ << known.value(name, StoredName::fromText(name));
    setMainFile(mainFile);
}

QList<QByteArray> GroupFiles::stored() const {
    QList<QByteArray> lines;
    for (const StoredName& file : files_)
        lines << file.stored();
    return lines;
}

void GroupFiles::load(const QList<QByteArray>& files, int mainFile) {
    files_.clear();
    for (const QByteArray& file : files.mid(0, kMaxGroupFiles))
        files_ << StoredName::fromStored(file);
    setMainFile(mainFile);
}

} // namespace tw
