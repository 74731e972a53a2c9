// SPDX-License-Identifier: GPL-3.0-or-later
#include "rebasecoordinates.h"

namespace rumbario {

void rebaseCoordinates(MapStore &store, const Coordinates &wanted)
{
    const Coordinates &stored = store.coordinatesOf(store.currentRoom);
    // One offset at a time: an overflow keeps the offsets already set.
    for (int axis = 0; axis < 3; ++axis)
        store.coordinateBase[axis] = checkedSubtract(wanted[axis], stored[axis]);
}

} // namespace rumbario
