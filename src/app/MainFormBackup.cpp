// TMainForm's backup commands.
#include "app/MainForm.h"

namespace tw {

void TMainForm::connectBackupCommands() {}
void TMainForm::FileBackupCurrentFileMnuClick() {}
void TMainForm::FileBackupAllFilesMnuClick() {}

} // namespace tw
