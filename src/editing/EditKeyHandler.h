#pragma once
// The window's side of the edit control's keys and mouse: insert/overwrite
// tracking, the classic clipboard keys, the shortcut-menu key, auto indent,
// the three Tab modes, and the selection anchor that tells where the caret is.
#include <QByteArray>
#include <QObject>
#include <functional>

#include "editing/EditInputHook.h"
#include "editing/SelectionAnchor.h"

namespace tw {

class EditControl;
struct EditorOptions;

// What the handler asks of the window; an action left empty is skipped.
struct EditKeyActions {
    std::function<void()> EnableCutCopy;
    std::function<void()> ShowLineColumn;
    std::function<void()> RefreshModifiedState;
    std::function<void(bool)> SetInsertMode;
    std::function<void()> ClipToPlainText;
    std::function<void()> PopupShortcutMenu;
    std::function<void()> ClipCut;
    std::function<void()> ClipCopy;
    std::function<void()> ClipPaste;
    std::function<void()> ShowClipboardPanel;
    // Ctrl+Tab and Ctrl+PgDn, Ctrl+Shift+Tab and Ctrl+PgUp: the keys of every
    // desktop editor for the next and the previous document. Any shortcut of
    // the menus on these keys comes first, since shortcuts act before keys.
    std::function<void()> ViewNext;
    std::function<void()> ViewPrevious;
};

class EditKeyHandler : public QObject, public EditInputHook {
    Q_OBJECT
public:
    // Installs itself as the control's input hook and lives as the control's
    // child. The options are read at each key: AutoIndent, TabUse, TabSpaces
    // and InsertMode.
    EditKeyHandler(EditControl& edit, const EditorOptions& options, EditKeyActions actions);

    CaretPlace CaretPosition() const;
    const SelectionAnchor& anchor() const { return anchor_; }

    bool editKeyPressed(const QKeyEvent& event) override;
    void editKeyReleased(const QKeyEvent& event) override;
    void editMousePressed() override;
    void editMouseMovedOrReleased() override;

private:
    void newLineWithIndent();
    void noteIndentOfCaretLine();
    void applyIndent();
    // Characters from the start of the line that holds position.
    qsizetype columnOf(qsizetype position) const;
    void typeTab();

    EditControl& edit_;
    const EditorOptions& options_;
    EditKeyActions actions_;
    SelectionAnchor anchor_;
    // The indent of the line Enter was pressed on, and the caret's column in it.
    QByteArray IndentText;
    qsizetype IndentColumn = 0;
    // The last key press was Ctrl+Insert or Shift+Delete.
    bool ClipKeyPressed = false;
};

} // namespace tw
