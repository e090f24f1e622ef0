#include "editing/ClipboardModes.h"

#include "editing/EditControl.h"
#include "editing/TextCodec.h"
#include "editing/SystemClipboard.h"

namespace tw {

namespace {

// The shown document's line break, which pasted text takes on as the edit
// control's own paste does.
QString lineBreakOf(const EditControl& edit) { return QString::fromLatin1(edit.lineBreak()); }

QString withLineBreaks(QString text, const QString& lineBreak) {
    if (!text.contains(QLatin1Char('\r')) && lineBreak == QLatin1String("\n"))
        return text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (lineBreak != QLatin1String("\n"))
        text.replace(QLatin1String("\n"), lineBreak);
    return text;
}

} // namespace

ClipboardModes::ClipboardModes(SystemClipboard& clipboard, EditControl& edit, QObject* parent)
    : QObject(parent), clipboard_(clipboard), edit_(edit) {}

void ClipboardModes::setMode(int mode) {
    mode_ = mode;
    list_.clear();
}

bool ClipboardModes::acts(Mode m) const {
    const Mode effective = mode_ == Stack || mode_ == Queue ? Mode(mode_) : Dual;
    return effective == m;
}

QString ClipboardModes::selectedText() const {
    return decodeText(edit_.selectedBytes(), edit_.encoding());
}

bool ClipboardModes::cut() {
    if (edit_.isReadOnly())
        return false;
    const QString selected = selectedText();
    if (acts(Queue)) {
        push(selected);
        edit_.replaceSelection(QByteArray());
        return false;
    }
    if (acts(Stack))
        push(clipboard_.text());
    // As the edit control's own cut: an empty selection leaves the clipboard alone.
    if (!selected.isEmpty()) {
        clipboard_.setText(selected);
        edit_.replaceSelection(QByteArray());
    }
    return true;
}

bool ClipboardModes::copy() {
    const QString selected = selectedText();
    if (acts(Queue)) {
        push(selected);
        return false;
    }
    if (acts(Stack))
        push(clipboard_.text());
    if (!selected.isEmpty())
        clipboard_.setText(selected);
    return true;
}

bool ClipboardModes::paste() {
    if (edit_.isReadOnly())
        return false;
    const QString text = withLineBreaks(clipboard_.text(), lineBreakOf(edit_));
    // A clipboard without text (an image, say) pastes nothing: replacing the
    // selection by the empty text would delete it.
    if (!text.isEmpty()) {
        // A single-byte document that cannot hold a pasted character becomes
        // UTF-8 first, so nothing arrives as a question mark.
        edit_.replaceSelection(edit_.bytesFor(text));
        edit_.scrollCaretIntoView();
    }
    if (list_.isEmpty() || acts(Dual))
        return false;
    clipboard_.setText(acts(Stack) ? list_.takeFirst() : list_.takeLast());
    return true;
}

bool ClipboardModes::swapClip() {
    if (mode_ != Dual)
        return false;
    push(clipboard_.text());
    clipboard_.setText(list_.size() == 2 ? list_.takeAt(1) : QString());
    return true;
}

bool ClipboardModes::toPlainText() {
    if (!clipboard_.holdsMoreThanPlainText())
        return false;
    const QString text = clipboard_.text();
    if (text.isEmpty())
        return false;
    clipboard_.setText(text);
    return true;
}

} // namespace tw
