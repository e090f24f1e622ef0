#pragma once
// Writing new contents into the existing file itself, for files that a rename
// cannot replace without changing what they are. Internal to src/platform.
#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <sys/stat.h>

#include "platform/AtomicWrite.h"

namespace tw::writing {

// Writes the ranges into target (a regular file whose status is old) in place.
// First a complete copy of the old contents is made and flushed to disk (beside
// target, or in `elsewhere` when the folder refuses new files); then target is
// overwritten, cut to length and flushed, and the copy removed. A write that
// fails puts the old contents back; if even that fails, the copy stays and the
// error text names it. No copy possible: nothing is written. Returns "" or the
// error text.
QString writeInPlaceWithCopy(const QByteArray& target, const QByteArray& elsewhere,
                             std::initializer_list<ByteRange> ranges, const struct stat& old);

// Devices and pipes have no contents to keep; they take the bytes directly.
QString writeDevice(const QByteArray& target, std::initializer_list<ByteRange> ranges);

} // namespace tw::writing
