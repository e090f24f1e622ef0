#pragma once
// What the select-file dialog lists for the parked documents, and how a typed
// or chosen name leads back to one of them. The documents are given by their
// names in slot order: parkedNames[0] is slot 1.
#include <QString>
#include <QStringList>

#include "util/PathStyle.h"

namespace tw {

// The text listed for parkedNames[index]: its file-name part, or its full name
// when paths are shown or when another parked document (a later one, or one
// already among `listed`) has the same file name. So same-named files from
// different folders are told apart by their folders and others stay short.
QString ListEntryName(const QStringList& parkedNames, int index, const QStringList& listed,
                      bool showPaths, PathStyle style = PathStyle::Host);

// ListEntryName for every parked document in slot order, leaving out an entry
// equal (ignoring case) to one already listed.
QStringList FileListEntries(const QStringList& parkedNames, bool showPaths,
                            PathStyle style = PathStyle::Host);

// The position at which entry joins an alphabetical list (case ignored; among
// entries equal but for case, by case).
int SortedPosition(const QStringList& entries, const QString& entry);

// The filter with an item for the entry's extension appended ("|*.c|*.c",
// description and mask alike), unless the entry has no extension or the
// filter holds that item already (ignoring case).
QString AddExtensionFilter(const QString& filter, const QString& entry,
                           PathStyle style = PathStyle::Host);

// True when the entry passes the mask: "*.*" passes everything, any other mask
// entries with its extension (ignoring case).
bool PassesExtensionMask(const QString& entry, const QString& mask,
                         PathStyle style = PathStyle::Host);

// The index of the first entry that begins with text in the same case, else of
// the first that begins with it in any ASCII case, or -1 (also for an empty text).
int PrefixMatch(const QStringList& entries, const QString& text);

// The slot (1-based) of the first parked document that text names: compared
// with the full name when text has a folder part, else with the file-name
// part, by SameFileName. 0 when none does.
int ParkedSlotNamed(const QStringList& parkedNames, const QString& text,
                    PathStyle style = PathStyle::Host);

} // namespace tw
