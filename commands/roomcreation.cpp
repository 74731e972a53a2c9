// SPDX-License-Identifier: GPL-3.0-or-later
#include "roomcreation.h"

#include "core/mapstore.h"

namespace rumbario {

namespace {

/** A new last row of the tables, for a room still to be filled in: its number. */
qint16 appendRow(MapStore &store)
{
    const qint16 number = checkedAdd(store.roomCount(), 1);
    store.appendRoom(Room::zeroed());
    store.setRoomCount(number);
    store.resizeCoordinates(number);
    return number;
}

} // namespace

qint16 createRoomAt(MapStore &store, const Coordinates &position)
{
    const qint16 number = appendRow(store);
    store.setCoordinates(number, position);
    store.setRoom(number, store.blankRoom());
    store.noteAction(QStringLiteral("creación de la sala %1").arg(number), ModifiedEffect::Mark);
    return number;
}

qint16 createRoom(MapStore &store, qint16 origin, qint16 directionNumber)
{
    const Direction &direction = directions[slotOfNumber(directionNumber)];
    const qint16 number = appendRow(store);
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

namespace {

/** The room other than the current one on the square one step beyond it; 0 when there is none. */
qint16 roomOnSquareBeyond(const MapStore &store, int slot)
{
    const Direction &direction = directions[slot];
    if (direction.dx == 0 && direction.dy == 0 && direction.dz == 0)
        return 0;
    const Coordinates &here = store.coordinatesOf(store.currentRoom());
    const std::array<int, 3> beyond = {here[0] + direction.dx, here[1] + direction.dy,
                                       here[2] + direction.dz};
    // An int: a 16-bit counter would wrap before passing the largest room number.
    for (int room = 1; room <= store.roomCount(); ++room) {
        const Coordinates &at = store.coordinatesOf(qint16(room));
        if (room != store.currentRoom() && at[0] == beyond[0] && at[1] == beyond[1] &&
            at[2] == beyond[2])
            return qint16(room);
    }
    return 0;
}

} // namespace

CreationStep followOrCreate(MapStore &store, int slot, bool joinLoops)
{
    const qint16 target = store.workingCopy().exits[slot];
    if (target != 0) {
        store.selectRoom(target);
        store.noteAction(QStringLiteral("paso a la sala %1").arg(target), ModifiedEffect::Leave);
        return CreationStep::Followed;
    }
    const qint16 here = store.currentRoom();
    if (const qint16 other = joinLoops ? roomOnSquareBeyond(store, slot) : 0) {
        // The way back is set where the room has none: a join never cuts another passage.
        const int back = directions[slot].opposite;
        if (store.room(other).exits[back] == 0)
            store.setExit(other, back, here);
        store.setWorkingExit(slot, other);
        store.storeCurrentRoom();
        store.selectRoom(other);
        store.noteAction(QStringLiteral("enlace de la sala %1 con la %2").arg(here).arg(other),
                         ModifiedEffect::Mark);
        return CreationStep::Joined;
    }
    const qint16 created = createRoom(store, here, directions[slot].number);
    store.setWorkingExit(slot, created);
    store.storeCurrentRoom();
    store.selectRoom(created);
    return CreationStep::Created;
}

} // namespace rumbario
