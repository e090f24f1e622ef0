// TMainForm's backup commands. Backup > Current File and All Files are also
// run by the Execute and Run menus before they start a program.
#include "app/MainForm.h"

#include "app/Backups.h"

namespace tw {

void TMainForm::connectBackupCommands() {
    backups_ = new BackupCommands(*table_, *edit_, *files_, *this, prompts_, options_, this);
    BackupCommands* b = backups_;
    commands_.bind("FileBackupCurrentFileMnu", nullptr, nullptr, this,
                   [this] { FileBackupCurrentFileMnuClick(); });
    commands_.bind("FileBackupAllFilesMnu", nullptr, nullptr, this,
                   [this] { FileBackupAllFilesMnuClick(); });
    commands_.bind("FileUnbackupCurrentFileMnu", nullptr, nullptr, this,
                   [b] { b->unbackupCurrentFile(); });
    commands_.bind("FileUnbackupAllFilesMenu", nullptr, nullptr, this,
                   [b] { b->unbackupAllFiles(); });
    commands_.bind("FileReplaceCurrentFileMnu", nullptr, nullptr, this,
                   [b] { b->replaceCurrentFile(); });
    commands_.bind("FileReplaceAllFilesMnu", nullptr, nullptr, this,
                   [b] { b->replaceAllFiles(); });
}

void TMainForm::FileBackupCurrentFileMnuClick() { backups_->backupCurrentFile(); }
void TMainForm::FileBackupAllFilesMnuClick() { backups_->backupAllFiles(); }

} // namespace tw
