#pragma once
// A hot-key capture control: pressing a key with Ctrl or Alt (Shift may be
// added) makes it the hot key; a plain key or Shift with a key is not
// accepted, nor a key the settings file has no code for; Backspace or Delete
// alone clears it to no key. While it has the focus, a key with Ctrl or Alt is
// a hot key, not a shortcut or mnemonic of the dialog (Alt+D is no Delete).
#include <QKeySequence>
#include <QLineEdit>

namespace tw {

class HotKeyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit HotKeyEdit(QWidget* parent = nullptr);

    QKeySequence hotKey() const { return key_; }
    void setHotKey(const QKeySequence& key);

signals:
    // The user changed the hot key.
    void hotKeyEdited();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QKeySequence key_;
};

} // namespace tw
