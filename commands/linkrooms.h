// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace rumbario {

class MapStore;

/**
 * Links the current room to target both ways in the direction with the given number (1 to 12).
 * Returns false, changing nothing, for a direction or a room below 1; a number beyond 12 stores
 * the working copy unchanged. A target beyond the table raises error 9 with nothing stored.
 */
bool linkRooms(MapStore &store, qint16 directionNumber, qint16 target);

} // namespace rumbario
