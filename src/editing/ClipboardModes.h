#pragma once
// The clipboard modes: how Cut, Copy, Paste and Swap Clip use the system
// clipboard and the editor's own list of texts, `ClipList`.
//   Dual:  the list holds a second clipboard, exchanged with the first by Swap Clip.
//   Stack: cut and copied texts pile up; each paste brings the newest one back.
//   Queue: cut and copied texts are collected; each paste brings the oldest back.
// Paste always pastes the system clipboard, so other programs see and feed the
// same clipboard; the list only refills it after a paste or a swap. Every text
// is read from the clipboard at the moment a step needs it.
#include <QObject>
#include <QStringList>

namespace tw {

class EditControl;
class SystemClipboard;

class ClipboardModes : public QObject {
    Q_OBJECT
public:
    enum Mode { Dual = 0, Stack = 1, Queue = 2 };

    ClipboardModes(SystemClipboard& clipboard, EditControl& edit, QObject* parent = nullptr);

    // `ClipboardMode`. A value outside 0..2 is kept as given (it marks no menu
    // item); cut, copy and paste then act as in Dual mode, Swap Clip not at all.
    int mode() const { return mode_; }
    // Sets the mode and forgets every collected text; the clipboard keeps its content.
    void setMode(int mode);
    // Index 0 is the end where texts are added.
    const QStringList& ClipList() const { return list_; }

    // Each returns true when the clipboard's content may have changed, so the
    // caller shows it again. A read-only document is neither cut from nor
    // pasted into, and then nothing happens at all: a paste that inserted
    // nothing must not move the next text of the list onto the clipboard. A
    // clipboard that holds no text pastes nothing and leaves the selection;
    // the list still moves on, so a queue whose first paste meets an empty
    // clipboard is not stuck.
    bool cut();
    bool copy();
    bool paste();
    // Dual mode only.
    bool swapClip();
    // Leaves the clipboard holding only its own plain text. A clipboard without
    // text (an image, say) is left alone rather than emptied.
    bool toPlainText();

private:
    QString selectedText() const;
    void push(const QString& text) { list_.prepend(text); }
    bool acts(Mode m) const;

    SystemClipboard& clipboard_;
    EditControl& edit_;
    int mode_ = Dual;
    QStringList list_;
};

} // namespace tw
