#pragma once
// The writer's own temporary files beside the file it replaces: a hidden
// ".name.tw-XXXXXX" that holds the new contents until the rename. A writer
// keeps its temporary locked (flock) for as long as it works on it, so a
// temporary that nobody holds was left by a writer that died.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tw {

// Removes the editor's stale temporaries beside the file at path (links
// followed as a write follows them): only regular files named exactly
// ".name.tw-XXXXXX" that belong to this user or to the file's owner and that
// no running process holds. Called when a file is opened or saved.
void removeStaleTemporaries(const QString& path);

// The copies of old contents that a write in place which died left beside the
// file at path (".name.tw-old-XXXXXX", same rules of owner and lock as
// above), as full paths in name order. They are only ever reported, never
// removed: such a copy may hold the only whole version of the file.
QStringList keptOldCopies(const QString& path);

namespace writing {

// Creates and locks a new temporary for target; returns its descriptor and
// sets name, or -1 with errno set.
int createTemporary(const QByteArray& target, QByteArray& name);

// Creates and locks the file that keeps a copy of target's old contents while
// target is written in place: ".name.tw-old-XXXXXX" beside it, else
// "name.tw-old-XXXXXX" in `elsewhere` (a folder of the editor's own) when the
// target's folder refuses new files. Such a copy is never removed as stale: if
// a write in place dies, it holds the only whole version of the file.
int createSafetyCopy(const QByteArray& target, const QByteArray& elsewhere, QByteArray& name);

} // namespace writing

} // namespace tw
