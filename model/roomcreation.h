// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace rumbario {

struct Editor;

/**
 * A direction key in creation mode: moves through the current room's exit in that slot when it
 * holds any room number (negative ones included), or creates the next room beyond it.
 * Shows the room it ends in.
 */
void followOrCreate(Editor &editor, int slot);

/**
 * Appends a room one step from origin in the direction with the given number, linked back to
 * origin, and returns its number. A full table raises error 6 before anything changes.
 */
qint16 createRoom(Editor &editor, qint16 origin, qint16 directionNumber);

} // namespace rumbario
