#pragma once
// A group's files with its main file, and the rule that ties them: the main
// file designates the same file while the list changes. Removing a file
// before it moves it along; removing the main file itself leaves the group
// without one (-1); reordering and renaming leave it on its file.
#include <QList>
#include <QStringList>

#include "lists/StoredName.h"

namespace tw {

// A group's files are walked with 8-bit positions.
inline constexpr int kMaxGroupFiles = 255;

class GroupFiles {
public:
    GroupFiles() = default;
    GroupFiles(const QStringList& names, int mainFile);

    int count() const { return int(files_.size()); }
    QString at(int index) const { return files_.at(index).text(); }
    QStringList names() const;
    // 0-based position of the main file, -1 for none.
    int mainFile() const { return mainFile_; }
    QString mainFileName() const { return mainFile_ >= 0 ? at(mainFile_) : QString(); }
    // index becomes the main file; -1 or a position outside the list: none.
    void setMainFile(int index);

    // First position of name (SameFileName), -1 when absent.
    int find(const QString& name) const;
    bool isFull() const { return count() >= kMaxGroupFiles; }
    // False, and nothing changes, when the list already holds 255 files.
    bool append(const QString& name);
    void removeAt(int index);
    // Removes every listed position, from the end towards the start.
    void removeAll(QList<int> indexes);
    void rename(int index, const QString& name);
    // The list in a new order, the main file at `mainFile` of it.
    void reorder(const QStringList& names, int mainFile);
    // Another list of names; unchanged names keep the bytes they were read as.
    void assign(const QStringList& names, int mainFile);

    QList<QByteArray> stored() const;
    // A main file outside the list is none.
    void load(const QList<QByteArray>& files, int mainFile);

private:
    QList<StoredName> files_;
    int mainFile_ = -1;
};

} // namespace tw
