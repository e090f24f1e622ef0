// TMainForm's side of the documents: title, status panels and the enabling of
// commands, kept in step with the document table and the edit control.
#include "app/MainForm.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabBar>

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "editing/EditKeyHandler.h"
#include "launch/MenuCaptions.h"
#include "lists/FileLists.h"
#include "platform/FileAttributes.h"

namespace tw {

void TMainForm::refreshTitle() {
    const QString name = table_ ? table_->CurrentFileName() : QString();
    QString title = kAppTitle;
    if (!name.isEmpty()) {
        if (lists_ && lists_->IsInOpenGroup(name))
            title += QStringLiteral(" - [%1] %2").arg(lists_->openGroupName(), name);
        else
            title += QStringLiteral(" - ") + name;
    }
    setWindowTitle(title);
}

// Paint requests are gathered until the event loop runs, so the window is
// repainted once after the batch anyway; it is not frozen, because a message
// box shown inside the batch must see the window under it repainted.
void TMainForm::beginBatch() { ++batchDepth_; }

void TMainForm::endBatch() {
    if (batchDepth_ == 0 || --batchDepth_ != 0)
        return;
    EnableSwitchCommands();
    if (!edit_->isHidden())
        EnableDocumentCommands(true);
}

void TMainForm::currentFileNameChanged(const QString& name) {
    refreshTitle();
    if (name.isEmpty())
        enterNoDocumentState();
    EnableExecuteCurrentFile();
}

void TMainForm::enterNoDocumentState() {
    edit_->hide();
    EnableDocumentCommands(false);
}

void TMainForm::showDocumentArea() {
    edit_->show();
    edit_->setFocus();
    EnableDocumentCommands(true);
}

void TMainForm::EnableDocumentCommands(bool on) {
    commands_.enable({"FileSaveMnu", "SaveSpdBtn", "FileSaveAllMnu", "SaveAllSpdBtn",
                      "FileSaveAsMnu", "FileInsertMnu", "FilePrintMnu", "PrintSpdBtn",
                      "FileBackupMnu", "FileUnbackupMnu", "FileReplaceMnu", "FileCloseMnu",
                      "FileCloseCurrentFileMnu", "CloseSpdBtn", "FileCloseAllFilesMnu",
                      "FileReloadMnu", "FileOperationsMnu", "FileAddMnu", "EditMnu",
                      "PasteSpdBtn", "SearchMnu", "FindSpdBtn", "SearchAgainSpdBtn",
                      "ReplaceSpdBtn", "UndoSpdBtn", "OptionsPropertiesMnu"},
                     on);
    commands_.enable("CutSpdBtn", on && commands_.isEnabled("EditCutMnu"));
    commands_.enable("CopySpdBtn", on && commands_.isEnabled("EditCopyMnu"));
    EnableExecuteCurrentFile();
    commands_.enable("ViewMainFileMnu", lists_ && !lists_->OpenGroupMainFile().isEmpty());
    if (on) {
        RefreshModifiedState();
        ShowLineColumn();
        SetInsertMode(options_.InsertMode);
    } else {
        for (int panel = 0; panel < 3; ++panel)
            setPanel(panel, QString());
    }
}

void TMainForm::RefreshModifiedState() {
    if (edit_->isHidden())
        return;
    commands_.enable("EditUndoMnu", edit_->canUndo());
    commands_.enable("UndoSpdBtn", commands_.isEnabled("EditUndoMnu"));
    const bool modified = edit_->isModified();
    // A modified document whose file another program changed says so.
    const bool changedOnDisk = table_ && table_->shownFormat().changedOnDisk;
    setPanel(1, !modified ? QString()
                          : changedOnDisk ? QStringLiteral("Modified; changed on disk")
                                          : QStringLiteral("Modified"));
    commands_.enable({"FileSaveMnu", "SaveSpdBtn", "FileSaveAllMnu", "SaveAllSpdBtn"}, modified);
    if (table_)
        table_->showDiskMarks();
    if (!modified && table_ && table_->anyParkedModified())
        commands_.enable({"FileSaveAllMnu", "SaveAllSpdBtn"}, true);
}

void TMainForm::ShowLineColumn() {
    if (edit_->isHidden() || !keys_)
        return;
    const CaretPlace caret = keys_->CaretPosition();
    setPanel(0, QStringLiteral("%1: %2").arg(caret.line + 1).arg(caret.column + 1));
}

void TMainForm::EnableCutCopy() {
    const bool selected = !edit_->isHidden() && edit_->selLength() > 0;
    commands_.enable({"EditCutMnu", "CutSpdBtn", "CutPopItem", "EditCopyMnu", "CopySpdBtn",
                      "CopyPopItem", "EditDeleteMnu", "DeletePopItem"},
                     selected);
}

void TMainForm::SetReadOnly(bool readOnly) {
    edit_->setReadOnlyFlag(readOnly);
    if (QAction* item = commands_.action(QStringLiteral("OptionsReadOnlyMnu"))) {
        item->setCheckable(true);
        item->setChecked(readOnly);
    }
}

void TMainForm::SetInsertMode(bool insert) {
    options_.InsertMode = insert;
    edit_->SendScintilla(EditControl::SCI_SETOVERTYPE, insert ? 0ul : 1ul);
    if (!edit_->isHidden())
        setPanel(2, insert ? QStringLiteral("Insert") : QStringLiteral("Overwrite"));
}

void TMainForm::EnableSwitchCommands() {
    if (batchDepth_ > 0)
        return;
    const bool several = table_ && table_->DocCount() > 1;
    commands_.enable({"ViewNextMnu", "ViewPreviousMnu", "ViewSelectFileMnu", "NextPopItem",
                      "PreviousPopItem", "NextSpdBtn", "PreviousSpdBtn", "ViewSpdBtn"},
                     several);
    commands_.enable("ViewMainFileMnu", lists_ && !lists_->OpenGroupMainFile().isEmpty());
}

void TMainForm::connectMenuOpening() {
    if (QMenu* file = findChild<QMenu*>(QStringLiteral("FileMnu")))
        connect(file, &QMenu::aboutToShow, this, &TMainForm::FileMnuOpening);
    if (QMenu* edit = findChild<QMenu*>(QStringLiteral("EditMnu")))
        connect(edit, &QMenu::aboutToShow, this, &TMainForm::EditMnuOpening);
    if (QMenu* backup = findChild<QMenu*>(QStringLiteral("FileBackupMnu")))
        connect(backup, &QMenu::aboutToShow, this, [this] {
            commands_.enable("FileBackupAllFilesMnu", table_->DocCount() >= 2);
        });
}

void TMainForm::FileMnuOpening() {
    const QString name = table_->CurrentFileName();
    commands_.enable("FileReloadMnu", fileExists(name));
    enableListCommands();
    commands_.enable("FileSelectionMnu", edit_->selLength() > 0 && table_->DocCount() != 0);
}

void TMainForm::EditMnuOpening() {
    commands_.enable("EditChangeCaseMnu", edit_->selLength() > 0);
}

} // namespace tw
