#include "util/ShortcutCodes.h"

#include <array>
#include <utility>

namespace tw {

namespace {

constexpr int kShift = 8192;
constexpr int kCtrl = 16384;
constexpr int kAlt = 32768;

// Keys whose virtual-key codes are not simply their letters, digits or F-keys.
// The first entry of a key wins when a Qt key is turned back into a code.
constexpr std::array<std::pair<int, Qt::Key>, 27> kNamedKeys{{
    {8, Qt::Key_Backspace}, {9, Qt::Key_Tab},         {13, Qt::Key_Return},
    {27, Qt::Key_Escape},   {32, Qt::Key_Space},      {33, Qt::Key_PageUp},
    {34, Qt::Key_PageDown}, {35, Qt::Key_End},        {36, Qt::Key_Home},
    {37, Qt::Key_Left},     {38, Qt::Key_Up},         {39, Qt::Key_Right},
    {40, Qt::Key_Down},     {45, Qt::Key_Insert},     {46, Qt::Key_Delete},
    {19, Qt::Key_Pause},    {189, Qt::Key_Minus},     {191, Qt::Key_Slash},
    {106, Qt::Key_Asterisk}, {107, Qt::Key_Plus},     {109, Qt::Key_Minus},
    {186, Qt::Key_Semicolon}, {187, Qt::Key_Equal},   {188, Qt::Key_Comma},
    {190, Qt::Key_Period},  {192, Qt::Key_QuoteLeft}, {222, Qt::Key_Apostrophe},
}};

int keyOfVirtualKey(int vk) {
    if (vk >= 'A' && vk <= 'Z')
        return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9')
        return Qt::Key_0 + (vk - '0');
    if (vk >= 112 && vk <= 123)
        return Qt::Key_F1 + (vk - 112);
    for (const auto& [code, key] : kNamedKeys)
        if (code == vk)
            return key;
    return 0;
}

int virtualKeyOf(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 112 + (key - Qt::Key_F1);
    if (key == Qt::Key_Enter)
        return 13;
    for (const auto& [code, named] : kNamedKeys)
        if (named == key)
            return code;
    return 0;
}

} // namespace

QKeySequence shortcutFromCode(int code) {
    if (code <= 0 || code >= 65536)
        return {};
    const int key = keyOfVirtualKey(code & 0xFF);
    if (key == 0 || (code & 0x1F00) != 0)
        return {};
    int modifiers = 0;
    if (code & kShift)
        modifiers |= Qt::SHIFT;
    if (code & kCtrl)
        modifiers |= Qt::CTRL;
    if (code & kAlt)
        modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}

int codeFromShortcut(const QKeySequence& shortcut) {
    if (shortcut.isEmpty())
        return 0;
    const QKeyCombination combination = shortcut[0];
    const int vk = virtualKeyOf(combination.key());
    if (vk == 0)
        return 0;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    int code = vk;
    if (modifiers & Qt::ShiftModifier)
        code += kShift;
    if (modifiers & Qt::ControlModifier)
        code += kCtrl;
    if (modifiers & Qt::AltModifier)
        code += kAlt;
    return code;
}

} // namespace tw
