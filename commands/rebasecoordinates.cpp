// SPDX-License-Identifier: GPL-3.0-or-later
#include "rebasecoordinates.h"

namespace rumbario {

void rebaseCoordinates(MapStore &store, const Coordinates &wanted)
{
    const Coordinates stored = store.coordinatesOf(store.currentRoom());
    // One offset at a time: an overflow keeps the offsets already set.
    for (size_t axis = 0; axis < 3; ++axis) {
        Coordinates base = store.coordinateBase();
        base[axis] = checkedSubtract(wanted[axis], stored[axis]);
        store.setCoordinateBase(base);
    }
    store.noteAction(QStringLiteral("cambio de la base de las coordenadas"), ModifiedEffect::Leave);
}

} // namespace rumbario
