#pragma once
// Turns the bytes of the settings file "tw162.ini" into StoredSettings and
// back. Pure data: nothing here touches a file or a window.
#include <QByteArray>

#include "settings/StoredSettings.h"

namespace tw {

// Reads items 1 to 45 in order. Never fails: whatever cannot be read takes 0
// or the empty text. A negative count is an empty list; of a longer list than
// its table holds (kMaxStored...) the first entries are kept and the rest are
// read and dropped, so every later item is still found at its place. A list
// stops early at the end of the file: entries that would begin there hold
// nothing, so a huge count in a short file costs nothing.
StoredSettings readSettings(const QByteArray& bytes);

// Writes items 1 to 45 in order, CR LF after every line, numbers in decimal,
// each list with its own length as the count. Item 15 is written only when
// the start-up mode is 0 (its tab index only for more than one document) and
// the geometry of item 24 only when the window state is 0. A CR or Ctrl+Z
// inside a text would break the file's line structure, so each becomes '?'.
QByteArray writeSettings(const StoredSettings& settings);

// False for a file that holds no settings at all: nothing but blanks and line
// ends before its end (or its Ctrl+Z). Such a file, an empty one among them,
// is read as a missing one rather than as 45 items of 0.
bool holdsSettings(const QByteArray& bytes);

// The values used when the file is missing. The window's first-run placement
// (centred, designed size) is not a stored value: its geometry fields are 0.
StoredSettings firstRunSettings();

} // namespace tw
