// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkrooms.h"

#include "core/mapstore.h"

namespace rumbario {

bool linkRooms(MapStore &store, qint16 directionNumber, qint16 target)
{
    if (directionNumber < 1 || target < 1)
        return false;
    const int slot = slotOfNumber(directionNumber);
    if (slot >= 0) {
        store.setWorkingExit(slot, target);
        store.setExit(target, directions[slot].opposite, store.currentRoom());
    }
    // Linking a room to itself: this store overwrites the way back written just above.
    store.storeCurrentRoom();
    store.noteAction(
        QStringLiteral("enlace de la sala %1 con la %2").arg(store.currentRoom()).arg(target),
        ModifiedEffect::Leave);
    return true;
}

} // namespace rumbario
