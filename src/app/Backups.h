#pragma once
// Backups: a document's text as the editor holds it, written to a file beside
// the document's own file, deleted again, or put back into the document. Each
// command exists for the shown document and for all open documents.
#include <QObject>
#include <QString>

#include "util/PathStyle.h"

namespace tw {

class DocumentHost;
class DocumentTable;
class EditControl;
class FileCommands;
class Prompts;
struct EditorOptions;

// The backup name of a document name. Style 1 (any non-zero value): the
// directory part, "~" and the file-name part ("C:\src\~main.c"). Style 0: the
// file-name part's extension becomes ".bak", or ".bak" is appended when the
// file-name part has none ("C:\src\main.bak"); a "." in a folder name never
// counts, so the backup stays beside its document. An untitled name has no
// directory part, so its backup is relative to the current directory.
QString BackupNameOf(const QString& name, int backupStyle, PathStyle style = PathStyle::Host);

class BackupCommands : public QObject {
    Q_OBJECT
public:
    BackupCommands(DocumentTable& table, EditControl& edit, FileCommands& files,
                   DocumentHost& host, Prompts& prompts, const EditorOptions& options,
                   QObject* parent = nullptr);

    // File > Backup. The shown document's backup is refused with a warning
    // when it is read-only; a failed write is reported and ends the command.
    // Neither changes any document's modified state.
    void backupCurrentFile();
    void backupAllFiles();
    // File > Unbackup: a missing backup is not reported, and a read-only one
    // is left in place as silently.
    void unbackupCurrentFile();
    void unbackupAllFiles();
    // File > Replace with Backup: the backup's bytes become the document's
    // text unchanged, in the document's own format, as one step of its undo
    // history; the document counts as modified (its file is untouched until
    // saved). A missing backup is reported and the other documents are still
    // done.
    void replaceCurrentFile();
    void replaceAllFiles();

private:
    enum class Outcome { Done, Skipped, Failed };
    QString backupNameOf(const QString& name) const;
    // A backup that would be the document's own file is never written or
    // deleted: that would overwrite or destroy the document's file.
    bool isOwnFile(const QString& name, const QString& backup, const char* action);
    Outcome backupShown();
    Outcome backupParked(int slot);
    Outcome reportWrite(const QString& backup, const QString& error);
    void removeBackupOf(const QString& name);
    void replaceParked(int slot);

    DocumentTable& table_;
    EditControl& edit_;
    FileCommands& files_;
    DocumentHost& host_;
    Prompts& prompts_;
    const EditorOptions& options_;
};

} // namespace tw
