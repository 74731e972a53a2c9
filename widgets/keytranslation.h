// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

namespace rumbario {

/**
 * The key the map's handlers know a Qt key as: the keypad's Enter is Return, and the shifted
 * comma of Spanish keyboards is the comma; every other key is itself.
 */
int handledKey(int qtKey);

/** The Shift, Ctrl and Alt of a key press: the modifiers the handlers read. */
int handledModifiers(Qt::KeyboardModifiers modifiers);

} // namespace rumbario
