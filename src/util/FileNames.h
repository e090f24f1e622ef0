#pragma once
// File-name helpers shared by the whole editor: comparing names, changing an
// extension and turning a path into its long (full) or short form.
#include "util/PathStyle.h"
#include <QString>
#include <functional>
#include <optional>

namespace tw {

// True when a and b name the same file as the file system tells names apart.
// Host style: the texts are equal (Linux tells "Makefile" from "makefile").
// Windows style: equal with the ASCII letters compared without regard to case;
// other characters must match exactly. No path normalisation is done.
bool SameFileName(const QString& a, const QString& b, PathStyle style = PathStyle::Host);

// A failure of the system about one file, for the user: the file's name in
// front of the system's text, so that a failure during Save All or Backup >
// All Files says which file failed.
QString fileErrorText(const QString& name, const QString& systemText);

// name without the extension of its file-name part, followed by ext: ext gets a
// "." in front when it is not empty and does not begin with one. Only the
// file-name part is cut, so a "." in a folder name never counts.
//   ChangeFileExtension("Untitled1", "txt") == "Untitled1.txt"
//   ChangeFileExtension("main.c", ".bak")   == "main.bak"
QString ChangeFileExtension(const QString& name, const QString& ext,
                            PathStyle style = PathStyle::Host);

// What a file-system lookup found for one path: the entry's own name, and its
// short (8.3) alias, empty when the file system keeps none.
struct PathEntry {
    QString longName;
    QString shortName;
};

// Looks a path up, whatever its attributes (folders, hidden files and dangling
// symbolic links are found too); nothing when there is no such entry.
using PathLookup = std::function<std::optional<PathEntry>(const QString& path)>;

// The lookup on this machine's file system. It knows no short aliases.
std::optional<PathEntry> HostPathLookup(const QString& path);

// The long form of path; an empty path gives an empty result.
// Host style: the absolute, cleaned path (a relative path is taken against the
// current directory), each of whose components must exist. A ".." means what
// the system means by it: after a symbolic link to a folder it leads to the
// link target's parent. Links that no ".." follows keep their names.
// Windows style: one trailing "\" is dropped, then each component from the last
// one up is looked up and replaced by its long name; a remainder of at most two
// characters that is not found (a drive such as "C:") is kept as it is.
// Throws UserError "cannot convert \"{path}\" to long file name" when a
// component cannot be found; {path} is the path as passed.
QString LongFileName(const QString& path, PathStyle style = PathStyle::Host,
                     const PathLookup& lookup = HostPathLookup);

// The short form of path; an empty path gives an empty result.
// Host style: the file system keeps no short aliases, so an existing path comes
// back unchanged. Windows style: the walk of LongFileName, taking each
// component's short alias or its long name when it has none; a remainder of
// fewer than three characters that is not found is upper-cased ("c:" -> "C:").
// Throws UserError "cannot convert \"{path}\" to short file name" otherwise.
QString ShortFileName(const QString& path, PathStyle style = PathStyle::Host,
                      const PathLookup& lookup = HostPathLookup);

} // namespace tw
