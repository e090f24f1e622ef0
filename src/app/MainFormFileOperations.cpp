// TMainForm's File > Operations (Copy, Move, Rename, Delete) and the
// properties dialog of the shown document's file.
#include "app/MainForm.h"

#include "app/DocumentTable.h"
#include "app/FileCommands.h"
#include "app/FileOperationCommands.h"
#include "app/UntitledNames.h"
#include "dialogs/CMUnit.h"
#include "dialogs/PropertiesUnit.h"
#include "editing/EditControl.h"
#include "lists/FileLists.h"

namespace tw {

void TMainForm::connectFileOperationCommands() {
    operations_ = std::make_unique<FileOperationCommands>(*table_, *edit_, *files_, *lists_,
                                                          prompts_, options_);
    FileOperationCommands& ops = *operations_;
    auto bind = [this](const char* item, const char* popItem, auto handler) {
        commands_.bind(item, nullptr, popItem, this, handler);
    };
    auto copyMove = [this](bool move) {
        CMForm().run(move, table_->CurrentFileName(), [this, move](const QString& folder) {
            return operations_->CopyMoveTo(folder, move);
        });
    };
    bind("FileCopyMnu", nullptr, [copyMove] { copyMove(false); });
    bind("FileMoveMnu", nullptr, [copyMove] { copyMove(true); });
    bind("FileRenameMnu", nullptr, [&ops] { ops.FileRenameMnuClick(); });
    bind("FileDeleteMnu", nullptr, [&ops] { ops.FileDeleteMnuClick(); });
    bind("OptionsPropertiesMnu", "PropertiesPopItem", [this] {
        if (files_->documentShown())
            PropertiesForm().run(documentFacts());
    });
}

DocumentFacts TMainForm::documentFacts() const {
    DocumentFacts facts;
    facts.fileName = table_->CurrentFileName();
    facts.hasFile = facts.fileName.startsWith(QLatin1Char('/')) && !IsUntitledName(facts.fileName);
    if (lists_->IsInOpenGroup(facts.fileName))
        facts.groupName = lists_->openGroupName();
    facts.openSize = edit_->length();
    return facts;
}

TCMForm& TMainForm::CMForm() {
    if (!cmForm_)
        cmForm_ = new TCMForm(prompts_, hints_, this);
    return *cmForm_;
}

TPropertiesForm& TMainForm::PropertiesForm() {
    if (!propertiesForm_)
        propertiesForm_ = new TPropertiesForm(prompts_, hints_, this);
    return *propertiesForm_;
}

} // namespace tw
