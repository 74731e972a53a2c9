// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/**
 * F3: asks the coordinates the current room is to show and shifts the display base of every
 * room by the same amounts. Only the display changes; the map is untouched.
 */
void rebaseCoordinates(Editor &editor);

} // namespace rumbario
