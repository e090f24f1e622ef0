// Esc in the edit control: a mail message copied from a mail reader becomes
// the document, named "{first line}[{subject}].txt" in the save folder.
#include "app/FileCommands.h"

#include <QDir>
#include <QRegularExpression>

#include "app/DocumentTable.h"
#include "settings/EditorOptions.h"
#include "editing/EditControl.h"
#include "editing/SystemClipboard.h"
#include "util/TextHelpers.h"

namespace tw {

namespace {

QString mailDocumentName(const QString& text) {
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    QString name = lines.value(0) + QLatin1Char('[');
    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (ContainsIgnoreCase(QStringLiteral("Subject: "), line) > 0) {
            // From the tenth character on, leaving the line's last one out.
            name += line.mid(9, line.size() - 10);
            break;
        }
    }
    name += QLatin1Char(']');
    // Characters a file name cannot hold are replaced, in this order.
    const std::pair<const char*, const char*> replacements[] = {
        {":", ";"}, {"\"", "'"}, {"\\", ";"}, {"/", ";"}, {"?", "!"},
        {"|", "I"}, {"*", "[asterix]"}, {">", ")"}};
    for (const auto& [from, to] : replacements)
        ReplaceAll(QString::fromLatin1(from), QString::fromLatin1(to), name);
    return name;
}

} // namespace

void FileCommands::MailCapture(SystemClipboard& clipboard) {
    const QString text = clipboard.text();
    // A document still being read, or read-only, keeps its text and its
    // name: renamed without its text replaced, a save would write the old
    // text under the mail's name.
    if (!text.startsWith(QLatin1String("From ")) || !documentShown() || edit_.isShownLoading() ||
        edit_.isReadOnly())
        return;
    clipboard.setText(text);
    // A single-byte document becomes UTF-8 first when the mail holds a
    // character it cannot, so nothing arrives as a question mark.
    const QByteArray bytes = edit_.bytesFor(text);
    edit_.selectAll();
    edit_.replaceSelection(bytes);
    if (edit_.length() != bytes.size())   // refused: the document cannot grow that far
        return;
    QString folder = options_.dialogs.saveDir;
    if (folder.isEmpty())
        folder = QDir::currentPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    table_.SetCurrentFileName(folder + mailDocumentName(text) + QStringLiteral(".txt"));
    // The document knows no file of that name: one that is there (the same
    // mail kept earlier) counts as changed on disk, so a save asks before it
    // writes over it, and a name still free is simply written.
    TextFormat format = table_.shownFormat();
    format.stamp = FileStamp{};
    format.stamp.known = true;
    table_.setShownFormat(format);
}

} // namespace tw
