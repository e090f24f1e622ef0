#pragma once
// Giving a new file what the file it replaces had besides its bytes.
// Internal to src/platform.
#include <QByteArray>
#include <sys/stat.h>

namespace tw::writing {

struct CarriedOver {
    int error = 0;          // errno of the one step that must not fail (the mode)
    bool complete = true;   // owner, group and every extended attribute kept
};

// Gives the open file fd the extended attributes (ACLs among them), owner,
// group and mode of target, whose status is old. A rename of fd over target
// keeps what the file is only when the result is complete.
CarriedOver carryOverMetadata(int fd, const QByteArray& target, const struct stat& old);

} // namespace tw::writing
