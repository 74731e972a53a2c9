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
        store.currentRoomCopy.exits[slot] = target;
        store.room(target).exits[directions[slot].opposite] = store.currentRoom;
    }
    // Linking a room to itself: this store overwrites the way back written just above.
    store.storeCurrentRoom();
    return true;
}

} // namespace rumbario
