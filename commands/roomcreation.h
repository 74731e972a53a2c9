// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/journal.h"

#include <QtGlobal>

namespace rumbario {

class MapStore;

/**
 * Appends a room that no exit joins yet, on the square given, and returns its number. A full
 * table raises error 6 before anything changes.
 */
qint16 createRoomAt(MapStore &store, const Coordinates &position);

/**
 * Appends a room one step from origin in the direction with the given number, linked back to
 * origin, and returns its number. A full table raises error 6 before anything changes.
 */
qint16 createRoom(MapStore &store, qint16 origin, qint16 directionNumber);

/** What a direction key did in creation mode. */
enum class CreationStep { Followed, Created, Joined };

/**
 * A direction key in creation mode: moves through the current room's exit in that slot when it
 * holds any room number (negative ones included), or creates the next room beyond it and moves
 * there. With joinLoops, a room already on the square beyond, on the same level, is linked both
 * ways and moved to instead of creating one there (in and out, which stay on the square, never
 * join).
 */
CreationStep followOrCreate(MapStore &store, int slot, bool joinLoops = false);

} // namespace rumbario
