// TMainForm's clipboard commands and modes.
#include "app/MainForm.h"

#include <QApplication>
#include <QClipboard>

#include "editing/EditControl.h"

namespace tw {

void TMainForm::connectClipboardCommands() {
    EditControl* e = edit_;
    commands_.bind("EditCutMnu", "CutSpdBtn", "CutPopItem", this, [this] { ClipCut(); });
    commands_.bind("EditCopyMnu", "CopySpdBtn", "CopyPopItem", this, [this] { ClipCopy(); });
    commands_.bind("EditPasteMnu", "PasteSpdBtn", "PastePopItem", this, [this] { ClipPaste(); });
    (void)e;
}

void TMainForm::ClipCut() { edit_->SendScintilla(EditControl::SCI_CUT); }
void TMainForm::ClipCopy() { edit_->SendScintilla(EditControl::SCI_COPY); }
void TMainForm::ClipPaste() { edit_->SendScintilla(EditControl::SCI_PASTE); }
void TMainForm::SwapClip() {}
void TMainForm::SetClipboardMode(int mode) { options_.ClipboardMode = mode; }
void TMainForm::ShowClipboardPanel() {}
void TMainForm::ClipToPlainText() {}

} // namespace tw
