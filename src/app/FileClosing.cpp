// The close commands of FileCommands and the save question before a close.
#include "app/FileCommands.h"

#include "app/DocumentHost.h"
#include "app/DocumentTable.h"
#include "settings/EditorOptions.h"
#include "editing/EditControl.h"
#include "lists/FileListHooks.h"

namespace tw {

Answer FileCommands::AskSaveChanges(int slot) {
    if (slot >= table_.DocCount())
        return Answer::None;
    const bool modified = slot == 0 ? edit_.isModified() : table_.record(slot)->Modified;
    if (!modified)
        return Answer::Yes;
    // A parked document is brought to the front, tab and all, so the user sees
    // what is asked about and a Save As there names the right tab.
    const int back = slot == 0 ? -1 : table_.showSlotForAWhile(slot);
    const Answer answer =
        prompts_.ask(QStringLiteral("Save Changes to %1?").arg(table_.CurrentFileName()),
                     MessageType::Confirmation, Buttons::YesNoCancel);
    if (answer == Answer::Yes)
        FileSaveMnuClick();
    if (slot != 0)
        table_.showTabAgain(back);
    return answer;
}

bool FileCommands::CloseCurrentDocument() {
    if (!documentShown())
        return false;
    if (edit_.isModified()) {
        const Answer answer = AskSaveChanges(0);
        // A Yes whose save failed or was cancelled keeps the document: closing
        // it would throw the user's text away.
        if (answer == Answer::Cancel || (answer == Answer::Yes && edit_.isModified()))
            return false;
    }
    lists_->AddRecentFile(table_.CurrentFileName());
    table_.closeShownDocument();
    host_.EnableSwitchCommands();
    return true;
}

bool FileCommands::CloseAllDocuments() {
    if (table_.DocCount() == 0)
        return true;
    if (table_.DocCount() == 1) {
        host_.EnableSwitchCommands();
        const bool closed = CloseCurrentDocument();
        lists_->forgetOpenGroup();
        return closed;
    }
    for (int slot = 1; slot < table_.DocCount(); ++slot) {
        if (!table_.record(slot)->Modified)
            continue;
        const Answer answer = AskSaveChanges(slot);
        if (answer == Answer::Cancel || (answer == Answer::Yes && table_.record(slot)->Modified))
            return false;
    }
    for (int slot = table_.DocCount() - 1; slot >= 1; --slot)
        lists_->AddRecentFile(table_.record(slot)->FileName);
    const QString shown = table_.CurrentFileName();
    table_.dropParkedDocuments();
    table_.AddTabForNewDocument(shown);
    host_.EnableSwitchCommands();
    const bool closed = CloseCurrentDocument();
    lists_->forgetOpenGroup();
    return closed;
}

void FileCommands::FileCloseCurrentFileMnuClick() {
    const QString name = table_.CurrentFileName();
    if (!lists_->IsInOpenGroup(name)) {
        CloseCurrentDocument();
        return;
    }
    if (options_.PersistentGroups) {
        lists_->CloseOpenGroup();
        return;
    }
    const Answer answer = prompts_.ask(
        QStringLiteral("\"%1\" is in the group currently open.  Do you want to close the ENTIRE "
                       "group instead of just this file?")
            .arg(name),
        MessageType::Confirmation, Buttons::YesNoCancel);
    if (answer == Answer::Yes)
        lists_->CloseOpenGroup();
    else if (answer == Answer::No)
        CloseCurrentDocument();
}

} // namespace tw
