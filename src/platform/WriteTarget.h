#pragma once
// Which file a write of a path really replaces. Internal to src/platform.
#include <QByteArray>

namespace tw::writing {

// Follows symbolic links from path to the name of the file they finally lead
// to; a dangling link resolves to the missing file it names. The writer
// resolves links itself, so the kernel's guard for sticky, world-writable
// folders (/tmp) is applied here: a link in such a folder is followed only
// when it belongs to the writer or to the folder's owner, otherwise EACCES,
// so nobody can redirect a save by swapping a file for a link.
// Returns 0 or errno.
int resolveWriteTarget(QByteArray& path);

} // namespace tw::writing
