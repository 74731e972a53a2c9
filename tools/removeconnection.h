// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;
struct Room;

/**
 * Z in creation mode: lists the edited room's exits, removes the chosen one and, when asked,
 * the exit back from the room it led to. The edited room is then stored as the current room.
 */
void removeConnection(Editor &editor, Room &edited);

} // namespace rumbario
