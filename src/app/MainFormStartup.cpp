// TMainForm's life: start-up with the command line, the autosave tick, and the
// close request that asks about every unsaved document.
#include "app/MainForm.h"

#include <QCloseEvent>
#include <QTimer>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/HelpViewer.h"
#include "app/RecoveryJournal.h"
#include "editing/EditControl.h"
#include "platform/FileAttributes.h"
#include "platform/ProgramDirectory.h"
#include "util/FileNames.h"
#include "util/UserError.h"

namespace tw {

void TMainForm::startFirstRun(const QStringList& arguments) {
    EnableSwitchCommands();
    EnableCutCopy();
    ShowLineColumn();
    options_.dialogs.filter = kFirstRunFilter;
    if (processCommandLine(arguments) == 0) {
        if (files_->OpenAsCurrent(programFile(QStringLiteral("readme.txt")), true) != OpenOk)
            table_->SetCurrentFileName(QString());
    }
    ApplyScrollBars();
    SetInsertMode(true);
    options_.ConfirmPrompts = true;
    options_.AutoIndent = true;
    options_.TabUse = 0;
    options_.TabSpaces = 2;
    options_.MaxRecentFiles = 28;
    SetClipboardMode(0);
    // The menu's own shortcuts stand until a keystroke mapping is chosen.
    ApplyColourScheme(0);
    placeCentred();
}

int TMainForm::processCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return 0;
    files_->CloseAllDocuments();
    bool limitReported = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // An argument beyond the document limit is dropped: no document may
        // take its text, and the limit is told once, not once per argument.
        if (table_->DocCount() >= DocumentTable::kMaxDocuments) {
            if (!limitReported)
                files_->reportLimit();
            limitReported = true;
            continue;
        }
        OpenResult result = NotFound;
        try {
            result = files_->OpenInBackground(LongFileName(argument), false, i == 0);
        } catch (const UserError&) {
            // A name whose long form cannot be made is a file that cannot be
            // opened: the remaining arguments and start-up steps still run.
            result = NotFound;
        }
        if (result != OpenOk && files_->FileNewMnuClick())
            edit_->setTextBytes(argument.toUtf8());
    }
    return static_cast<int>(arguments.size());
}

void TMainForm::Timer1Timer() {
    if (!isActiveWindow()) {
        if (timer_->interval() != 1000) {
            timerTag_ = timer_->interval();
            timer_->setInterval(1000);
        }
        return;
    }
    if (timer_->interval() == 1000 && timerTag_ > 0)
        timer_->setInterval(timerTag_);
    files_->FileSaveAllMnuClick();
}

bool TMainForm::FormCloseQuery() {
    for (int slot = 0; slot < table_->DocCount(); ++slot) {
        const bool modified = slot == 0 ? edit_->isModified() : table_->record(slot)->Modified;
        if (!modified)
            continue;
        const Answer answer = files_->AskSaveChanges(slot);
        if (answer == Answer::Cancel)
            return false;
        const bool stillModified =
            slot == 0 ? edit_->isModified() : table_->record(slot)->Modified;
        if (answer == Answer::Yes && stillModified &&
            prompts_.ask(QStringLiteral("Still Wish to Exit Without Saving Changes?"),
                         MessageType::Confirmation, Buttons::YesNoDefaultNo) != Answer::Yes)
            return false;
    }
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    SaveSettings();
    journal_->finishCleanly();
    help_->close();
    event->accept();
}

} // namespace tw
