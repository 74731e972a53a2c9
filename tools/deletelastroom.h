// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/**
 * Delete in creation mode: after confirmation removes the highest-numbered room, clears the
 * exits that mirrored its own, shows the new last room and leaves creation mode.
 */
void deleteLastRoom(Editor &editor);

} // namespace rumbario
