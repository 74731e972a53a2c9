// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mapstore.h"

namespace rumbario {

/**
 * Shifts the display base so that the current room shows the wanted coordinates; every room
 * shifts by the same amounts. An overflow raises error 6 and keeps the offsets already set.
 */
void rebaseCoordinates(MapStore &store, const Coordinates &wanted);

} // namespace rumbario
