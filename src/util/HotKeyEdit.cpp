#include "util/HotKeyEdit.h"

#include <QKeyEvent>

#include "util/ShortcutCodes.h"

namespace tw {

HotKeyEdit::HotKeyEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);   // shows the key; typing never edits the text
    setHotKey({});
}

void HotKeyEdit::setHotKey(const QKeySequence& key) {
    key_ = key;
    setText(key.isEmpty() ? QStringLiteral("None") : key.toString(QKeySequence::NativeText));
}

bool HotKeyEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            event->accept();   // comes back as a key press
            return true;
        }
    }
    return QLineEdit::event(event);
}

void HotKeyEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    // Tab, Esc and Enter keep their dialog meanings.
    if (mods == Qt::NoModifier || mods == Qt::ShiftModifier) {
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            if (!key_.isEmpty()) {
                setHotKey({});
                emit hotKeyEdited();
            }
            return;
        }
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape
            || key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->ignore();   // to the dialog
            return;
        }
        return;   // a plain key or Shift with a key is not a hot key
    }
    if (key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Shift
        || key == Qt::Key_Meta || key == Qt::Key_unknown)
        return;
    const QKeySequence chosen(QKeyCombination(mods, Qt::Key(key)));
    // A key the settings file has no code for (Ctrl+Shift+1 arrives as "!",
    // Ctrl+[) would be lost at Save: the control keeps the key it had.
    if (codeFromShortcut(chosen) == 0)
        return;
    if (chosen != key_) {
        setHotKey(chosen);
        emit hotKeyEdited();
    }
}

} // namespace tw
