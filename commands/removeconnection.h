// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <vector>

namespace rumbario {

class MapStore;
struct Room;

/** The slots of the exits that lead to a room, in the order the removal lists them. */
std::vector<int> removableExits(const Room &room);

/**
 * Removes the current room's exit in slot and, when bothWays, the exit back from the room it led
 * to; the working copy is then stored as the current room.
 */
void removeConnection(MapStore &store, int slot, bool bothWays);

/** Clears one exit of a room: the broken reference the recovery offers to remove. */
void clearExit(MapStore &store, qint16 room, int slot);

} // namespace rumbario
