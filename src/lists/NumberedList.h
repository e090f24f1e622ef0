#pragma once
// The entries of a numbered file submenu (favorites, recent files) as data:
// each entry is its caption as shown, "&N name" for the first nine and the
// bare name after them (NumberedCaption), and its file name is the caption
// without that prefix. The captions are kept as the settings file gave them
// and changed only where an operation renumbers them.
#include <QList>
#include <QStringList>

#include "lists/StoredName.h"

namespace tw {

class NumberedList {
public:
    int count() const { return int(entries_.size()); }
    QString caption(int index) const { return entries_.at(index).text(); }
    QString fileName(int index) const;
    QStringList fileNames() const;
    QStringList captions() const;

    // 0-based position of the first entry whose file name is name
    // (SameFileName; a "&N " prefix of name is ignored), or -1.
    int find(const QString& name) const;

    // A new entry at index with the caption NumberedCaption(name, index + 1).
    void insert(int index, const QString& name);
    // Removes the entry at index; the entries that move up into the first
    // nine places get their new numbers. Later entries keep their captions.
    void removeAt(int index);
    // The entry at index names another file (same number).
    void rename(int index, const QString& name);
    // Makes the caption of each of the first `upTo` entries
    // NumberedCaption(its file name, position + 1).
    void renumber(int upTo);
    // Takes the "&N " prefix off the captions of the first `upTo` entries.
    void stripNumbers(int upTo);
    void clear() { entries_.clear(); }

    // Entries whose caption is one that `old` holds take its bytes as read,
    // so a list rebuilt from names keeps what it did not change.
    void keepStoredBytes(const NumberedList& old);

    // The settings file's lines, and the list made from them.
    QList<QByteArray> stored() const;
    void load(const QList<QByteArray>& captions);

private:
    QList<StoredName> entries_;
};

} // namespace tw
