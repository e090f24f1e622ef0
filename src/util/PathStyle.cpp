#include "util/PathStyle.h"

namespace tw {

bool IsPathSeparator(QChar c, PathStyle style)
{
    if (style == PathStyle::Windows)
        return c == u'\\' || c == u':';
    return c == u'/';
}

QChar DirectorySeparator(PathStyle style)
{
    return style == PathStyle::Windows ? QChar(u'\\') : QChar(u'/');
}

int LastSeparatorIndex(const QString& path, PathStyle style)
{
    for (int i = int(path.size()) - 1; i >= 0; --i) {
        if (IsPathSeparator(path.at(i), style))
            return i;
    }
    return -1;
}

QString DirectoryPart(const QString& path, PathStyle style)
{
    return path.left(LastSeparatorIndex(path, style) + 1);
}

QString FileNamePart(const QString& path, PathStyle style)
{
    return path.mid(LastSeparatorIndex(path, style) + 1);
}

bool HasFolderPart(const QString& path, PathStyle style)
{
    return LastSeparatorIndex(path, style) >= 0;
}

int ExtensionDotIndex(const QString& path, PathStyle style)
{
    const int nameStart = LastSeparatorIndex(path, style) + 1;
    const int dot = int(path.lastIndexOf(u'.'));
    if (dot < nameStart)
        return -1;
    if (style == PathStyle::Host && dot == nameStart)
        return -1;
    return dot;
}

QString ExtensionPart(const QString& path, PathStyle style)
{
    const int dot = ExtensionDotIndex(path, style);
    return dot < 0 ? QString() : path.mid(dot);
}

QString WithoutTrailingSeparator(const QString& path, PathStyle style)
{
    if (!path.isEmpty() && path.back() == DirectorySeparator(style))
        return path.chopped(1);
    return path;
}

} // namespace tw
