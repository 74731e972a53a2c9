// SPDX-License-Identifier: GPL-3.0-or-later
#include "keytranslation.h"

#include "window/keycodes.h"

namespace rumbario {

namespace {

struct KeyPair
{
    int qtKey;
    int virtualKey;
};

// The keypad's navigation keys arrive as the same Qt keys, with the keypad modifier that the
// mask ignores, so one row serves both blocks.
constexpr KeyPair keyTable[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Return, Key::Enter},
    {Qt::Key_Enter, Key::Enter},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, Key::Space},
    {Qt::Key_PageUp, Key::PageUp},
    {Qt::Key_PageDown, Key::PageDown},
    {Qt::Key_End, Key::End},
    {Qt::Key_Home, Key::Home},
    {Qt::Key_Left, Key::Left},
    {Qt::Key_Up, Key::Up},
    {Qt::Key_Right, Key::Right},
    {Qt::Key_Down, Key::Down},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, Key::Delete},
    {Qt::Key_Comma, Key::Comma},
    {Qt::Key_Semicolon, Key::Comma}, // shifted comma on Spanish keyboards
};

} // namespace

int virtualKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return Key::A + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return Key::F1 + (qtKey - Qt::Key_F1);
    for (const KeyPair &pair : keyTable) {
        if (pair.qtKey == qtKey)
            return pair.virtualKey;
    }
    return 0;
}

int modifierMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= Modifier::Shift;
    if (modifiers & Qt::ControlModifier)
        mask |= Modifier::Ctrl;
    if (modifiers & Qt::AltModifier)
        mask |= Modifier::Alt;
    return mask;
}

} // namespace rumbario
