#pragma once
// The rules that split a path into its parts, in one place for both styles of
// path the editor deals with: the host's ("/" separator) and Windows' ("\" and
// ":" separators, drive letters). Windows style exists so that paths written
// in the Windows manner can be handled and tested on any host.
//
// Parts never overlap and always add up: DirectoryPart(p) + FileNamePart(p) == p.
#include <QChar>
#include <QString>

namespace tw {

enum class PathStyle { Host, Windows };

// True for a character that ends a directory part in the given style.
bool IsPathSeparator(QChar c, PathStyle style = PathStyle::Host);

// The separator written between a directory and a name: "/" or "\".
QChar DirectorySeparator(PathStyle style = PathStyle::Host);

// 0-based index of the last separator in path, or -1 when it has none.
int LastSeparatorIndex(const QString& path, PathStyle style = PathStyle::Host);

// The text up to and including the last separator ("" when there is none).
QString DirectoryPart(const QString& path, PathStyle style = PathStyle::Host);

// The text after the last separator (the whole path when there is none).
QString FileNamePart(const QString& path, PathStyle style = PathStyle::Host);

// True when the path contains a separator.
bool HasFolderPart(const QString& path, PathStyle style = PathStyle::Host);

// 0-based index in path of the "." that starts the extension of the file-name
// part, or -1 when the file-name part has none. In host style a leading "." of
// the file-name part marks a hidden file, not an extension (".bashrc" has none).
int ExtensionDotIndex(const QString& path, PathStyle style = PathStyle::Host);

// The extension of the file-name part, dot included ("" when there is none).
QString ExtensionPart(const QString& path, PathStyle style = PathStyle::Host);

// The path without one trailing separator, if it ends with one. In Windows
// style only "\" counts here, as a drive colon is part of the name it follows.
QString WithoutTrailingSeparator(const QString& path, PathStyle style = PathStyle::Host);

} // namespace tw
