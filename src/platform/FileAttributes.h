#pragma once
// File facts the editor asks about, in the terms of its attribute bits.
#include <QString>

namespace tw {

namespace FileAttribute {
inline constexpr int ReadOnly = 1;   // no write permission bit at all
inline constexpr int Hidden = 2;     // name starts with "." or stored as hidden
inline constexpr int System = 4;     // stored only
inline constexpr int Archive = 32;   // stored only
} // namespace FileAttribute

struct AttributeQuery {
    int bits = 0;
    QString error;   // the system's error text; empty when the file was found
    bool ok() const { return error.isEmpty(); }
};

// The attribute bits of the file or folder at path (links followed). Hidden,
// System and Archive are kept in the extended attribute
// "user.tarnwick.attributes" as a decimal number; a file system without
// extended attributes stores none of them.
AttributeQuery fileAttributes(const QString& path);

// Makes the file's attributes exactly bits (bits outside the four are ignored)
// and returns "" or an error text. Setting ReadOnly clears every write bit;
// clearing it gives the owner write permission back. Clearing Hidden on a name
// that starts with "." fails, as does any change the file system cannot store:
// on failure nothing is changed.
QString setFileAttributes(const QString& path, int bits);

// True when path names an existing file, or a link to one, that is not a folder.
bool fileExists(const QString& path);

// Why fileExists(path) is false: "" when the name is really missing (no such
// entry, or a part of its folder path is not a folder), otherwise the system's
// error text (a folder on the way that may not be searched, an I/O error), or
// "Not a regular file" for a folder. A missing file and one that cannot be
// reached are different things to a list that would forget the name.
QString fileLookupError(const QString& path);

// True when path names an existing folder, or a link to one.
bool folderExists(const QString& path);

// The file's size in bytes, or -1 when it does not exist.
qint64 fileSize(const QString& path);

} // namespace tw
