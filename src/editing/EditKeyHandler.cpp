#include "editing/EditKeyHandler.h"

#include <QKeyEvent>
#include <algorithm>

#include "settings/EditorOptions.h"
#include "editing/EditControl.h"
#include "editing/EditLines.h"
#include "editing/TypedText.h"
#include "util/TextHelpers.h"

namespace tw {

namespace {

template <typename... Args>
void run(const std::function<void(Args...)>& action, Args... args) {
    if (action)
        action(args...);
}

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// Every byte passes through Latin-1 unchanged, so byte texts can use the
// text helpers without touching what is not an ASCII blank.
QByteArray trimLeadingBlanks(const QByteArray& bytes) {
    return TrimLeadingBlanks(QString::fromLatin1(bytes)).toLatin1();
}

} // namespace

EditKeyHandler::EditKeyHandler(EditControl& edit, const EditorOptions& options,
                               EditKeyActions actions)
    : QObject(&edit), edit_(edit), options_(options), actions_(std::move(actions)) {
    edit_.setInputHook(this);
}

CaretPlace EditKeyHandler::CaretPosition() const { return anchor_.CaretPosition(edit_); }

bool EditKeyHandler::editKeyPressed(const QKeyEvent& event) {
    // The panels show the state before the key takes effect.
    run(actions_.EnableCutCopy);
    run(actions_.ShowLineColumn);
    anchor_.keyPressed(edit_);

    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    const bool plain = mods == Qt::NoModifier;
    const bool shift = mods == Qt::ShiftModifier;
    const bool ctrl = mods == Qt::ControlModifier;
    ClipKeyPressed = (ctrl && key == Qt::Key_Insert) || (shift && key == Qt::Key_Delete);
    // Esc is reported by the control itself right after this handler
    // (EditControl::escapePressed), so the steps above come first.

    const bool ctrlShift = mods == (Qt::ControlModifier | Qt::ShiftModifier);
    if ((ctrl && (key == Qt::Key_Tab || key == Qt::Key_PageDown))) {
        run(actions_.ViewNext);
        return true;
    }
    if ((ctrlShift && (key == Qt::Key_Backtab || key == Qt::Key_Tab)) ||
        (ctrl && key == Qt::Key_PageUp)) {
        run(actions_.ViewPrevious);
        return true;
    }
    if (key == Qt::Key_Insert && plain) {
        // SetInsertMode also switches the control's overwrite mode, so the
        // control must not toggle it a second time.
        run(actions_.SetInsertMode, !options_.InsertMode);
        return true;
    }
    if (key == Qt::Key_F4 && plain)
        run(actions_.ClipToPlainText);
    if (key == Qt::Key_F10 && shift)
        run(actions_.PopupShortcutMenu);
    // Ctrl+Enter and Alt+Enter make no new line, so they leave nothing to indent.
    if (isEnter(key) && options_.AutoIndent && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        newLineWithIndent();
        return true;
    }
    if (key == Qt::Key_Delete && shift) {
        run(actions_.ClipCut);
        return true;
    }
    if (key == Qt::Key_Insert && ctrl) {
        run(actions_.ClipCopy);
        return true;
    }
    if (key == Qt::Key_Insert && shift) {
        run(actions_.ClipPaste);
        return true;
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (plain || shift)) {
        typeTab();
        return true;
    }
    return false;
}

void EditKeyHandler::noteIndentOfCaretLine() {
    const EditLines lines(edit_);
    const qsizetype start = edit_.selStart();
    const qsizetype line = lines.lineOf(start);
    const QByteArray text = lines.text(line);
    IndentText = text.left(text.size() - trimLeadingBlanks(text).size());
    IndentColumn = std::min<qsizetype>(start - lines.start(line), IndentText.size());
}

qsizetype EditKeyHandler::columnOf(qsizetype position) const {
    const EditLines lines(edit_);
    return lines.charactersBetween(lines.start(lines.lineOf(position)), position);
}

void EditKeyHandler::typeTab() {
    switch (options_.TabUse) {
    case 1: {
        // To the next column that is a multiple of 6. Over a selection the
        // spaces replace it, so they count from its start, whichever end the
        // caret is at.
        const qsizetype column = edit_.selLength() > 0 ? columnOf(edit_.selStart())
                                                        : CaretPosition().column;
        typeAsTyped(edit_, QByteArray((column / 6 + 1) * 6 - column, ' '));
        break;
    }
    case 2:
        typeAsTyped(edit_, QByteArray(std::clamp(options_.TabSpaces, 1, 8), ' '));
        break;
    default:
        typeAsTyped(edit_, "\t");
    }
}

void EditKeyHandler::newLineWithIndent() {
    // A read-only control takes no new line: nothing to indent.
    if (edit_.isReadOnly())
        return;
    // The line break and its indent go in together, at the press, so keys
    // pressed before Enter is released land after the indent.
    noteIndentOfCaretLine();
    edit_.SendScintilla(EditControl::SCI_BEGINUNDOACTION);
    edit_.SendScintilla(EditControl::SCI_NEWLINE);
    applyIndent();
    edit_.SendScintilla(EditControl::SCI_ENDUNDOACTION);
    edit_.scrollCaretIntoView();
}

void EditKeyHandler::editKeyReleased(const QKeyEvent& event) {
    Q_UNUSED(event);
    if (ClipKeyPressed)
        run(actions_.ShowClipboardPanel);
    run(actions_.RefreshModifiedState);
    run(actions_.EnableCutCopy);
    run(actions_.ShowLineColumn);
}

void EditKeyHandler::applyIndent() {
    const EditLines lines(edit_);
    const qsizetype line = lines.lineOf(edit_.selStart());
    const qsizetype start = lines.start(line);
    const QByteArray text = lines.text(line);
    const QByteArray indented = IndentText + trimLeadingBlanks(text);
    if (indented != text) {
        edit_.setSelection(start, text.size());
        edit_.replaceSelection(indented);
    }
    edit_.setSelStart(start + IndentColumn);
}

void EditKeyHandler::editMousePressed() { anchor_.mousePressed(edit_); }

void EditKeyHandler::editMouseMovedOrReleased() {
    run(actions_.EnableCutCopy);
    run(actions_.ShowLineColumn);
}

} // namespace tw
