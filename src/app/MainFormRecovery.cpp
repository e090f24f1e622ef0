// TMainForm's safety nets: the crash-recovery journal with the offer of what
// an earlier run left unsaved, and the look at files that other programs
// changed while the window was inactive.
#include "app/MainForm.h"

#include "app/ChangedFiles.h"
#include "app/DocumentRecovery.h"
#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/RecoveryJournal.h"
#include "platform/ProgramDirectory.h"

namespace tw {

void TMainForm::startSafetyNets() {
    const QString recoveryFolder = programDirectory() + QStringLiteral("recovery");
    journal_ = new RecoveryJournal(*table_, *edit_, prompts_, recoveryFolder, this);
    changedFiles_ = std::make_unique<ChangedFiles>(*table_, *edit_, *this);
    DocumentRecovery(*files_, prompts_).offer(recoveryFolder, *journal_);
}

} // namespace tw
