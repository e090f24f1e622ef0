#pragma once
// What the window adds around the edit control's own key and mouse handling.
// The control calls its hook from its event handlers; without a hook it
// behaves as a plain Scintilla view.
class QKeyEvent;

namespace tw {

class EditInputHook {
public:
    virtual ~EditInputHook() = default;
    // A key press, before the control acts on it. True consumes the key: the
    // control then does not see it.
    virtual bool editKeyPressed(const QKeyEvent& event) = 0;
    // A key release, after the control's own handling.
    virtual void editKeyReleased(const QKeyEvent& event) = 0;
    // A mouse press, after the control has placed the caret at the click.
    virtual void editMousePressed() = 0;
    // A mouse move or release, after the control's own handling.
    virtual void editMouseMovedOrReleased() = 0;
};

} // namespace tw
