// TMainForm's View > Select File.
#include "app/MainForm.h"

#include "app/DocumentTable.h"
#include "app/ViewUnit.h"

namespace tw {

void TMainForm::connectSelectFileCommands() {
    commands_.bind("ViewSelectFileMnu", "ViewSpdBtn", nullptr, this,
                   [this] { ViewSelectFileMnuClick(); });
}

TViewForm& TMainForm::ViewForm() {
    // Made when first needed rather than with the window, so that it copies
    // the Show Paths setting after the settings file has been read.
    if (!viewForm_) {
        viewForm_ = new TViewForm(prompts_, options_.ShowPathsSetting, this);
        connect(viewForm_, &TViewForm::showPathsToggled, this,
                [this](bool on) { options_.ShowPathsSetting = on; });
    }
    return *viewForm_;
}

bool TMainForm::ShowPathsChecked() const {
    return viewForm_ ? viewForm_->showPaths() : options_.ShowPathsSetting;
}

void TMainForm::ViewSelectFileMnuClick() {
    QStringList parked;
    for (int slot = 1; slot < table_->DocCount(); ++slot) {
        const DocRecord* record = table_->record(slot);
        parked << (record ? record->FileName : QString());   // slot s at s - 1
    }
    const int slot = ViewForm().selectFile(parked);
    if (slot > 0)
        table_->SelectTab(table_->TabOfSlot(slot));
}

} // namespace tw
