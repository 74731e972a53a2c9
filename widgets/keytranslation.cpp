// SPDX-License-Identifier: GPL-3.0-or-later
#include "keytranslation.h"

namespace rumbario {

int handledKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Enter:
        return Qt::Key_Return;
    case Qt::Key_Semicolon:
        return Qt::Key_Comma;
    default:
        return qtKey;
    }
}

int handledModifiers(Qt::KeyboardModifiers modifiers)
{
    return int(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

} // namespace rumbario
