#include "lists/NumberedList.h"

#include "launch/MenuCaptions.h"
#include "util/FileNames.h"

namespace tw {

QString NumberedList::fileName(int index) const {
    return StripCaptionNumber(entries_.at(index).text());
}

QStringList NumberedList::fileNames() const {
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << fileName(i);
    return names;
}

QStringList NumberedList::captions() const {
    QStringList all;
    for (const StoredName& entry : entries_)
        all << entry.text();
    return all;
}

int NumberedList::find(const QString& name) const {
    const QString wanted = StripCaptionNumber(name);
    for (int i = 0; i < count(); ++i)
        if (SameFileName(fileName(i), wanted))
            return i;
    return -1;
}

void NumberedList::insert(int index, const QString& name) {
    entries_.insert(index, StoredName::fromText(NumberedCaption(name, index + 1)));
}

void NumberedList::removeAt(int index) {
    if (index < 0 || index >= count())
        return;
    for (int q = index + 1; q <= 9 && q < count(); ++q)
        entries_[q].setText(NumberedCaption(fileName(q), q));
    entries_.removeAt(index);
}

void NumberedList::rename(int index, const QString& name) {
    if (index >= 0 && index < count())
        entries_[index].setText(NumberedCaption(name, index + 1));
}

void NumberedList::renumber(int upTo) {
    for (int i = 0; i < upTo && i < count(); ++i)
        entries_[i].setText(NumberedCaption(fileName(i), i + 1));
}

void NumberedList::stripNumbers(int upTo) {
    for (int i = 0; i < upTo && i < count(); ++i)
        entries_[i].setText(fileName(i));
}

void NumberedList::keepStoredBytes(const NumberedList& old) {
    for (StoredName& entry : entries_)
        for (const StoredName& before : old.entries_)
            if (before.text() == entry.text()) {
                entry = before;
                break;
            }
}

QList<QByteArray> NumberedList::stored() const {
    QList<QByteArray> lines;
    for (const StoredName& entry : entries_)
        lines << entry.stored();
    return lines;
}

void NumberedList::load(const QList<QByteArray>& captions) {
    entries_.clear();
    for (const QByteArray& caption : captions)
        entries_ << StoredName::fromStored(caption);
}

} // namespace tw
