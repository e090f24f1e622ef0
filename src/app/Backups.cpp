#include "app/Backups.h"

#include <QFile>
#include <QFileInfo>

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "settings/EditorOptions.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "platform/FileAttributes.h"
#include "platform/TextFile.h"
#include "util/FileNames.h"
#include "util/Prompts.h"

namespace tw {

namespace {

const QString kReadOnlyBackup = QStringLiteral(
    "This is a readonly file.  If you want to back this file up, use a different name.");

bool isReadOnlyFile(const QString& path) {
    const AttributeQuery query = fileAttributes(path);
    return query.ok() && (query.bits & FileAttribute::ReadOnly);
}

// The backup's bytes as its file holds them, for a document of `document`'s
// format. They are never converted between encodings: a Latin-1 document
// whose backup happens to be valid UTF-8 must not have its bytes changed. The
// reader took off a UTF-8 byte-order mark, which goes back in when the
// document does not write one of its own.
QByteArray backupBytes(const LoadedText& backup, const TextFormat& document) {
    if (backup.format.bom && !document.bom)
        return QByteArrayLiteral("\xEF\xBB\xBF") + backup.bytes;
    return backup.bytes;
}

} // namespace

QString BackupNameOf(const QString& name, int backupStyle, PathStyle style) {
    if (backupStyle != 0)
        return DirectoryPart(name, style) + QLatin1Char('~') + FileNamePart(name, style);
    return ChangeFileExtension(name, QStringLiteral(".bak"), style);
}

BackupCommands::BackupCommands(DocumentTable& table, EditControl& edit, FileCommands& files,
                               DocumentHost& host, Prompts& prompts,
                               const EditorOptions& options, QObject* parent)
    : QObject(parent), table_(table), edit_(edit), files_(files), host_(host), prompts_(prompts),
      options_(options) {}

QString BackupCommands::backupNameOf(const QString& name) const {
    return BackupNameOf(name, options_.BackupStyle);
}

bool BackupCommands::isOwnFile(const QString& name, const QString& backup, const char* action) {
    bool same = backup == name;
    if (!same) {
        const QFileInfo document(name);
        const QFileInfo copy(backup);
        same = document.exists() && copy.exists() &&
               document.canonicalFilePath() == copy.canonicalFilePath();
    }
    if (same) {
        const QString text = QStringLiteral("The backup of \"%1\" would be the file itself, so it "
                                            "is not %2.");
        prompts_.message(text.arg(name, QLatin1String(action)), MessageType::Warning);
    }
    return same;
}

BackupCommands::Outcome BackupCommands::reportWrite(const QString& backup, const QString& error) {
    if (error.isEmpty())
        return Outcome::Done;
    prompts_.message(fileErrorText(backup, error), MessageType::Error);
    return Outcome::Failed;
}

BackupCommands::Outcome BackupCommands::backupShown() {
    const QString name = table_.CurrentFileName();
    const QString backup = backupNameOf(name);
    if (isOwnFile(name, backup, "written"))
        return Outcome::Skipped;
    if (fileExists(backup) && isReadOnlyFile(backup)) {
        prompts_.message(kReadOnlyBackup, MessageType::Warning);
        return Outcome::Skipped;
    }
    return reportWrite(backup,
        writeTextFile(backup, edit_.textPieces(edit_.shownDocument()), table_.shownFormat()));
}

BackupCommands::Outcome BackupCommands::backupParked(int slot) {
    const DocRecord* rec = table_.record(slot);
    const QString backup = backupNameOf(rec->FileName);
    if (isOwnFile(rec->FileName, backup, "written"))
        return Outcome::Skipped;
    // No read-only test here: the writer itself refuses a read-only file, and
    // that failure ends the command like any other.
    return reportWrite(backup, writeTextFile(backup, edit_.textPieces(rec->Text), rec->format));
}

// A backup replaces the previous one, so it is written from the whole text:
// a document still being read is read to its end first.
void BackupCommands::backupCurrentFile() {
    if (table_.DocCount() != 0 && files_.completeReading(false))
        backupShown();
}

void BackupCommands::backupAllFiles() {
    if (table_.DocCount() == 0 || !files_.completeReading(true) || backupShown() == Outcome::Failed)
        return;
    for (int slot = 1; slot < table_.DocCount(); ++slot)
        if (backupParked(slot) == Outcome::Failed)
            return;
}

void BackupCommands::removeBackupOf(const QString& name) {
    const QString backup = backupNameOf(name);
    // Only files are backups: a missing one, or a folder of that name, is
    // passed over in silence. So is a read-only one, which Backup refuses to
    // touch as well: deleting it would undo the user's protection.
    if (!fileExists(backup) || isOwnFile(name, backup, "deleted") || isReadOnlyFile(backup))
        return;
    QFile file(backup);
    if (!file.remove())
        prompts_.message(fileErrorText(backup, file.errorString()), MessageType::Error);
}

void BackupCommands::unbackupCurrentFile() {
    if (table_.DocCount() != 0)
        removeBackupOf(table_.CurrentFileName());
}

void BackupCommands::unbackupAllFiles() {
    if (table_.DocCount() == 0)
        return;
    removeBackupOf(table_.CurrentFileName());
    for (int slot = 1; slot < table_.DocCount(); ++slot)
        removeBackupOf(table_.record(slot)->FileName);
}

void BackupCommands::replaceCurrentFile() {
    if (table_.DocCount() == 0 || files_.refuseWhileLoading())
        return;
    const QString backup = backupNameOf(table_.CurrentFileName());
    // Reading a backup adds no document, so the open-document limit never
    // refuses it.
    if (files_.CanOpenFile(backup, true, false) == OpenOk) {
        if (const std::optional<LoadedText> loaded = files_.ReadTextFile(backup)) {
            // Read Only guards the document against typing, not against the
            // commands that load it.
            const bool readOnly = edit_.wantedReadOnly();
            edit_.setReadOnlyFlag(false);
            edit_.setTextBytes(backupBytes(*loaded, table_.shownFormat()));
            edit_.setReadOnlyFlag(readOnly);
            edit_.setSelStart(0);
            table_.SetModified(true);
        }
    }
    host_.RefreshModifiedState();
}

void BackupCommands::replaceParked(int slot) {
    DocRecord* rec = table_.record(slot);
    const QString backup = backupNameOf(rec->FileName);
    // A document still being read is left whole to its reader.
    if (edit_.isDocumentLoading(rec->Text) || files_.CanOpenFile(backup, true, false) != OpenOk)
        return;
    const std::optional<LoadedText> loaded = files_.ReadTextFile(backup);
    if (!loaded)
        return;
    // In the document's own undo history, as for the shown document.
    edit_.replaceDocumentText(rec->Text, backupBytes(*loaded, rec->format));
    rec->Modified = true;
    rec->SelStart = 0;
    rec->SelLength = 0;
    rec->firstVisibleLine = 0;
}

void BackupCommands::replaceAllFiles() {
    if (table_.DocCount() == 0)
        return;
    for (int slot = 1; slot < table_.DocCount(); ++slot)
        replaceParked(slot);
    replaceCurrentFile();
}

} // namespace tw
