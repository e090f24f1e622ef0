// TMainForm's editing commands, key handling and word wrap.
#include "app/MainForm.h"

#include <QAction>
#include <QPoint>

#include "app/FileCommands.h"
#include "editing/EditControl.h"
#include "editing/EditKeyHandler.h"
#include "editing/EditingCommands.h"

namespace tw {

void TMainForm::connectEditingCommands() {
    editing_ = new EditingCommands(*edit_, prompts_, this);

    EditKeyActions actions;
    actions.EnableCutCopy = [this] { EnableCutCopy(); };
    actions.ShowLineColumn = [this] { ShowLineColumn(); };
    actions.RefreshModifiedState = [this] { RefreshModifiedState(); };
    actions.SetInsertMode = [this](bool insert) { SetInsertMode(insert); };
    actions.ClipToPlainText = [this] { ClipToPlainText(); };
    // Shift+F10 opens the shortcut menu at the edit control's top-left corner.
    actions.PopupShortcutMenu = [this] { showPopupMenu(edit_->mapToGlobal(QPoint(0, 0))); };
    actions.ClipCut = [this] { ClipCut(); };
    actions.ClipCopy = [this] { ClipCopy(); };
    actions.ClipPaste = [this] { ClipPaste(); };
    actions.ShowClipboardPanel = [this] { ShowClipboardPanel(); };
    actions.ViewNext = [this] { runIfEnabled("ViewNextMnu"); };
    actions.ViewPrevious = [this] { runIfEnabled("ViewPreviousMnu"); };
    keys_ = new EditKeyHandler(*edit_, options_, std::move(actions));

    auto bind = [this](const char* item, auto handler) {
        commands_.bind(item, nullptr, nullptr, this, handler);
    };
    EditingCommands& e = *editing_;
    bind("EditCutLineMnu", [this, &e] {
        e.SelectLineToCut();
        ClipCut();
    });
    bind("EditDeleteLineMnu", [&e] { e.DeleteLine(); });
    bind("EditChangeCaseLowerMnu", [&e] { e.ChangeCase(CaseChange::Lower); });
    bind("EditChangeCaseUpperMnu", [&e] { e.ChangeCase(CaseChange::Upper); });
    bind("EditChangeCaseTitleMnu", [&e] { e.ChangeCase(CaseChange::Title); });
    bind("EditIndentBlockMnu", [this, &e] {
        e.Indent();
        RefreshModifiedState();
    });
    bind("EditUnindentBlockMnu", [this, &e] {
        e.Unindent();
        RefreshModifiedState();
    });
    bind("SearchGotoLineNumberMnu", [this, &e] {
        if (files_->completeReading(false))   // every line is there to go to
            e.GotoLine();
    });
    // Triggering a checkable item flips its mark first; the flag is the truth.
    bind("WrapMnu", [this] { SetWordWrap(!wordWrap_); });
}

void TMainForm::SetWordWrap(bool wrap) {
    const qsizetype start = edit_->selStart();
    const qsizetype length = edit_->selLength();
    wordWrap_ = wrap;
    if (QAction* item = commands_.action(QStringLiteral("WrapMnu"))) {
        item->setCheckable(true);
        item->setChecked(wrap);
    }
    edit_->SendScintilla(EditControl::SCI_SETWRAPMODE,
                         wrap ? static_cast<unsigned long>(EditControl::SC_WRAP_WORD)
                              : static_cast<unsigned long>(EditControl::SC_WRAP_NONE));
    ApplyScrollBars();
    edit_->setSelection(start, length);
    ShowLineColumn();
}

} // namespace tw
