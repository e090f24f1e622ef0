#include "util/FileNames.h"
#include "util/UserError.h"
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace tw {

namespace {

QChar AsciiLower(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
}

enum class NameForm { Long, Short };

QString ConversionError(const QString& path, NameForm form)
{
    const QString kind = form == NameForm::Long ? QStringLiteral("long") : QStringLiteral("short");
    return QStringLiteral("cannot convert \"%1\" to %2 file name").arg(path, kind);
}

// Host rules: every component of the absolute path must be found. "." is
// dropped; ".." goes up from what the path so far really is, so after a link
// to a folder it leads to the target's parent, as the system resolves it.
// Returns the path rebuilt from the names the lookup gave, or nothing.
std::optional<QString> HostLongForm(const QString& path, const PathLookup& lookup)
{
    const QString absolute = QDir::current().absoluteFilePath(path);
    if (!lookup(QStringLiteral("/")))
        return std::nullopt;
    QString result;
    const QStringList components = absolute.split(u'/', Qt::SkipEmptyParts);
    for (const QString& component : components) {
        if (component == u'.')
            continue;
        if (component == QStringLiteral("..")) {
            const QString real = result.isEmpty() ? QString() : QFileInfo(result).canonicalFilePath();
            const QString from = real.isEmpty() ? result : real;
            result = from.left(std::max<qsizetype>(from.lastIndexOf(u'/'), 0));
            continue;
        }
        const auto entry = lookup(result + u'/' + component);
        if (!entry)
            return std::nullopt;
        result += u'/' + (entry->longName.isEmpty() ? component : entry->longName);
    }
    return result.isEmpty() ? QStringLiteral("/") : result;
}

// Windows rules: the walk from the last component up. A relative remainder
// keeps its meaning: nothing is put in front of a name without a directory, and
// a drive-relative "C:name" stays drive-relative.
std::optional<QString> WindowsForm(const QString& path, NameForm form, const PathLookup& lookup)
{
    const QString trimmed = WithoutTrailingSeparator(path, PathStyle::Windows);
    if (trimmed.isEmpty())
        return QString();
    const auto entry = FileNamePart(trimmed, PathStyle::Windows).isEmpty()
                           ? std::nullopt // a drive or root: nothing to look up
                           : lookup(trimmed);
    if (!entry) {
        if (form == NameForm::Long && trimmed.size() <= 2)
            return trimmed;
        if (form == NameForm::Short && trimmed.size() < 3)
            return trimmed.toUpper();
        return std::nullopt;
    }
    const QString directory = DirectoryPart(trimmed, PathStyle::Windows);
    const auto head = WindowsForm(directory, form, lookup);
    if (!head)
        return std::nullopt;
    QString name = entry->longName;
    if (form == NameForm::Short && !entry->shortName.isEmpty())
        name = entry->shortName;
    const bool joinWithBackslash = directory.endsWith(u'\\');
    return *head + (joinWithBackslash ? QStringLiteral("\\") : QString()) + name;
}

} // namespace

bool SameFileName(const QString& a, const QString& b, PathStyle style)
{
    if (style == PathStyle::Host)
        return a == b;
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiLower(a.at(i)) != AsciiLower(b.at(i)))
            return false;
    }
    return true;
}

QString fileErrorText(const QString& name, const QString& systemText)
{
    return QStringLiteral("%1: %2").arg(name, systemText);
}

QString ChangeFileExtension(const QString& name, const QString& ext, PathStyle style)
{
    const int dot = ExtensionDotIndex(name, style);
    QString result = dot < 0 ? name : name.left(dot);
    if (!ext.isEmpty() && !ext.startsWith(u'.'))
        result += u'.';
    return result + ext;
}

std::optional<PathEntry> HostPathLookup(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    return PathEntry{info.fileName(), QString()};
}

QString LongFileName(const QString& path, PathStyle style, const PathLookup& lookup)
{
    if (path.isEmpty())
        return QString();
    const auto result = style == PathStyle::Host ? HostLongForm(path, lookup)
                                                 : WindowsForm(path, NameForm::Long, lookup);
    if (!result)
        throw UserError(ConversionError(path, NameForm::Long));
    return *result;
}

QString ShortFileName(const QString& path, PathStyle style, const PathLookup& lookup)
{
    if (path.isEmpty())
        return QString();
    if (style == PathStyle::Host) {
        if (!HostLongForm(path, lookup))
            throw UserError(ConversionError(path, NameForm::Short));
        return path;
    }
    const auto result = WindowsForm(path, NameForm::Short, lookup);
    if (!result)
        throw UserError(ConversionError(path, NameForm::Short));
    return *result;
}

} // namespace tw
