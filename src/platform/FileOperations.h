#pragma once
// Copy, move, rename and folder creation for the File > Operations commands.
// Each returns "" on success or the system's text. None deletes the target
// first: a replaced target is replaced in one rename, so at every moment it
// holds its old contents or the new ones.
//
// Links: Rename and Move act on a symbolic link itself; Copy copies the file
// it points to, and writes through a link at the target to the file it names.
// Read-only (no write permission bit at all) is refused for root as for
// anyone: a read-only target is never replaced, and a read-only file is never
// removed (also not as the second half of a move across file systems).
#include <QString>

#include "platform/FileCopy.h"

namespace tw {

enum class LinkMode { Follow, Itself };

// True when both names exist and lead to one file (the same device and
// inode): the same name, another spelling through "..", a linked folder, a
// hard link, or another letter case on a mount that ignores case.
bool isSameFile(const QString& a, const QString& b, LinkMode mode);

// True when the entry exists (a dangling symbolic link exists as a link).
bool entryExists(const QString& path);

// True when the entry is a file without any write permission bit. A symbolic
// link itself is never read-only.
bool isReadOnlyEntry(const QString& path);

// Copies source to target (replacing it) through a temporary file in the
// target's folder: its bytes, permission bits, extended attributes and
// modification time. The caller has made sure they are different files.
QString copyFileReplacing(const QString& source, const QString& target,
                          const CopyProgress& progress = {});

// Renames the entry to target, replacing a target entry in the same step.
QString renameReplacing(const QString& source, const QString& target);

// Moves the entry to target, replacing a target entry. Across file systems it
// copies (keeping mode, owner and group where permitted, times and extended
// attributes), then removes the source, then puts the copy in place; when the
// source cannot be removed nothing has changed and the copy is gone.
QString moveReplacing(const QString& source, const QString& target,
                      const CopyProgress& progress = {});

// Creates one folder (its parent must exist).
QString createFolder(const QString& path);

} // namespace tw
