#include "app/ViewFileList.h"

#include "util/FileNames.h"

#include <algorithm>

namespace tw {

namespace {

bool sameNameAnywhere(const QStringList& names, const QString& fileName, PathStyle style) {
    for (const QString& name : names)
        if (SameFileName(FileNamePart(name, style), fileName, style))
            return true;
    return false;
}

} // namespace

QString ListEntryName(const QStringList& parkedNames, int index, const QStringList& listed,
                      bool showPaths, PathStyle style) {
    const QString& full = parkedNames.at(index);
    if (showPaths)
        return full;
    const QString bare = FileNamePart(full, style);
    if (sameNameAnywhere(parkedNames.mid(index + 1), bare, style) ||
        sameNameAnywhere(listed, bare, style))
        return full;
    return bare;
}

QStringList FileListEntries(const QStringList& parkedNames, bool showPaths, PathStyle style) {
    QStringList listed;
    for (int i = 0; i < parkedNames.size(); ++i) {
        const QString entry = ListEntryName(parkedNames, i, listed, showPaths, style);
        const bool known = std::any_of(listed.begin(), listed.end(), [&](const QString& seen) {
            return SameFileName(seen, entry, style);
        });
        if (!known)
            listed.append(entry);
    }
    return listed;
}

int SortedPosition(const QStringList& entries, const QString& entry) {
    auto before = [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    };
    int pos = 0;
    while (pos < entries.size() && !before(entry, entries.at(pos)))
        ++pos;
    return pos;
}

QString AddExtensionFilter(const QString& filter, const QString& entry, PathStyle style) {
    const QString mask = QStringLiteral("*") + ExtensionPart(entry, style);
    // "|" separates the filter's fields: such an extension would split into a
    // wrong mask.
    if (mask.size() <= 2 || mask.contains(QLatin1Char('|')))
        return filter;
    const QString item = QStringLiteral("|%1|%1").arg(mask);
    if (filter.contains(item, Qt::CaseInsensitive))
        return filter;
    return filter + item;
}

bool PassesExtensionMask(const QString& entry, const QString& mask, PathStyle style) {
    if (mask.compare(QStringLiteral("*.*"), Qt::CaseInsensitive) == 0)
        return true;
    return ExtensionPart(entry, style).compare(ExtensionPart(mask, style), Qt::CaseInsensitive) == 0;
}

int PrefixMatch(const QStringList& entries, const QString& text) {
    if (text.isEmpty())
        return -1;
    // The entry typed with its own case wins; typing in another case still
    // finds an entry when no entry matches exactly.
    for (const PathStyle style : {PathStyle::Host, PathStyle::Windows})
        for (int i = 0; i < entries.size(); ++i)
            if (SameFileName(entries.at(i).left(text.size()), text, style))
                return i;
    return -1;
}

int ParkedSlotNamed(const QStringList& parkedNames, const QString& text, PathStyle style) {
    if (text.isEmpty())
        return 0;
    const bool byFullName = HasFolderPart(text, style);
    for (int i = 0; i < parkedNames.size(); ++i) {
        const QString& name = parkedNames.at(i);
        if (SameFileName(byFullName ? name : FileNamePart(name, style), text, style))
            return i + 1;
    }
    return 0;
}

} // namespace tw
