#include "util/HotKeyEdit.h"

#include <QKeyEvent>

namespace tw {

HotKeyEdit::HotKeyEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);   // shows the key; typing never edits the text
    setHotKey({});
}

void HotKeyEdit::setHotKey(const QKeySequence& key) {
    key_ = key;
    setText(key.isEmpty() ? QStringLiteral("None") : key.toString(QKeySequence::NativeText));
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
    if (chosen != key_) {
        setHotKey(chosen);
        emit hotKeyEdited();
    }
}

} // namespace tw
