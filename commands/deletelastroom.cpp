// SPDX-License-Identifier: GPL-3.0-or-later
#include "deletelastroom.h"

#include "core/mapstore.h"

namespace rumbario {

namespace {

/** Clears, in each room the last room leads to, the slot that would lead back, whatever it holds.
 */
void clearMirroredExits(MapStore &store, qint16 last)
{
    for (int slot : viewOrder) {
        // Read from the table each time: a room leading to itself clears its own slots on the way.
        const qint16 neighbour = store.room(last).exits[slot];
        if (neighbour >= 1 && neighbour <= last)
            store.setExit(neighbour, directions[slot].opposite, 0);
    }
}

} // namespace

bool deleteLastRoom(MapStore &store)
{
    if (store.roomCount() <= 1)
        return false;
    const qint16 last = store.roomCount();
    clearMirroredExits(store, last);
    store.setRoomCount(qint16(last - 1));
    // Coordinates keep the deleted room's column; the next creation sizes them again.
    store.truncateRooms(store.roomCount());
    store.selectRoom(store.roomCount());
    store.noteAction(QStringLiteral("eliminación de la sala %1").arg(last), ModifiedEffect::Mark);
    return true;
}

} // namespace rumbario
