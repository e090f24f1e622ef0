#pragma once
// Delete as the desktop does it: a file goes to the trash of its volume when
// that volume has one, and is removed outright where it has none.
#include <QString>

namespace tw {

struct DeleteResult {
    QString error;         // "" on success, else the system's text
    bool trashed = false;  // moved to a trash rather than removed
    bool ok() const { return error.isEmpty(); }
};

// Deletes the entry (a symbolic link itself, never what it points to). A
// read-only file is refused, whoever asks. The trash is the desktop's
// (freedesktop.org) trash: the home trash for a file on the home trash's
// volume, else a ".Trash/<uid>" or ".Trash-<uid>" folder already present at
// the top of the file's volume.
DeleteResult deleteFile(const QString& path);

// The trash folder that deleteFile would use for path, or "" for none.
QString trashFolderFor(const QString& path);

} // namespace tw
