// SPDX-License-Identifier: GPL-3.0-or-later
#include "roomcreation.h"

#include "core/mapstore.h"

namespace rumbario {

qint16 createRoom(MapStore &store, qint16 origin, qint16 directionNumber)
{
    const Direction &direction = directions[slotOfNumber(directionNumber)];
    const qint16 number = checkedAdd(store.roomCount(), 1);
    store.appendRoom(Room::zeroed());
    store.setRoomCount(number);
    store.resizeCoordinates(number);
    Coordinates position = store.coordinatesOf(origin);
    store.setCoordinates(number, position);

    Room created = store.blankRoom();
    created.exits[direction.opposite] = origin;
    position[0] = checkedAdd(position[0], direction.dx);
    position[1] = checkedAdd(position[1], direction.dy);
    position[2] = checkedAdd(position[2], direction.dz);
    store.setCoordinates(number, position);
    store.setRoom(number, created);
    store.noteAction(QStringLiteral("creación de la sala %1").arg(number), ModifiedEffect::Mark);
    return number;
}

bool followOrCreate(MapStore &store, int slot)
{
    const qint16 target = store.workingCopy().exits[slot];
    if (target != 0) {
        store.selectRoom(target);
        store.noteAction(QStringLiteral("paso a la sala %1").arg(target), ModifiedEffect::Leave);
        return false;
    }
    const qint16 created = createRoom(store, store.currentRoom(), directions[slot].number);
    store.setWorkingExit(slot, created);
    store.storeCurrentRoom();
    store.selectRoom(created);
    return true;
}

} // namespace rumbario
