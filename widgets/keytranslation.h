// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class QKeyEvent;

namespace rumbario {

/** The virtual-key code of a Qt key, or 0 for a key the editor does not know. */
int virtualKeyCode(int qtKey);

/** Shift 1, Ctrl 2, Alt 4. */
int modifierMask(Qt::KeyboardModifiers modifiers);

} // namespace rumbario
