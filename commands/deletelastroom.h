// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

class MapStore;

/**
 * Removes the highest-numbered room, clears the exits that mirrored its own and makes the new
 * last room current. Returns false, changing nothing, when only one room is left.
 */
bool deleteLastRoom(MapStore &store);

} // namespace rumbario
