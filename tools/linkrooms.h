// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/**
 * X in creation mode: asks a direction number and a room, and links the current room to it both
 * ways. Returns whether a link was attempted (the view is then redrawn); false when it gave up
 * on an answer. A target beyond the table raises error 9 with nothing stored.
 */
bool linkRooms(Editor &editor);

} // namespace rumbario
