#include "launch/OutputLinks.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tw {

std::optional<OutputLink> FindOutputLink(const QString& line) {
    static const QRegularExpression python(
        QString::fromLatin1(R"re(^\s*File "([^"]+)", line (\d+))re"));
    static const QRegularExpression compiler(
        QString::fromLatin1(R"re(^(.*?[^\s:]):(\d+)(?::(\d+))?(?=[:\s,)\]]|$))re"));
    QRegularExpressionMatch m = python.match(line);
    if (!m.hasMatch())
        m = compiler.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    OutputLink link{m.captured(1).trimmed(), m.captured(2).toInt(), m.captured(3).toInt()};
    if (link.file.isEmpty() || link.line <= 0)
        return std::nullopt;
    return link;
}

QString ResolveLinkFile(const QString& file, const QString& folder,
                        const std::function<bool(const QString&)>& isFile) {
    auto exists = [&](const QString& path) {
        return isFile ? isFile(path) : QFileInfo(path).isFile();
    };
    auto inFolder = [&](const QString& name) {
        return QDir::isAbsolutePath(name) ? QDir::cleanPath(name)
                                          : QDir::cleanPath(folder + u'/' + name);
    };
    QString path = inFolder(file);
    if (exists(path))
        return path;
    QString word = file.section(u' ', -1);
    while (!word.isEmpty() && QStringView(u"[(\"'`").contains(word.front()))
        word.remove(0, 1);
    if (word.isEmpty() || word == file)
        return {};
    path = inFolder(word);
    return exists(path) ? path : QString();
}

} // namespace tw
