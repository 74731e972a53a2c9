// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapstore.h"

#include "runtimeerror.h"

namespace rumbario {

namespace {

template<typename Table>
auto &entry(Table &table, qint16 number)
{
    if (number < 1 || number > table.size())
        throw RuntimeError::subscriptOutOfRange();
    return table[number - 1];
}

} // namespace

Room Room::blank()
{
    Room room;
    room.description = Description::blanks();
    return room;
}

Room &MapStore::room(qint16 number)
{
    return entry(Lista, number);
}

const Room &MapStore::room(qint16 number) const
{
    return entry(Lista, number);
}

Coordinates &MapStore::coordinatesOf(qint16 number)
{
    return entry(coordinates, number);
}

const Coordinates &MapStore::coordinatesOf(qint16 number) const
{
    return entry(coordinates, number);
}

void MapStore::selectRoom(qint16 number)
{
    // The recovery names the missing room by currentRoom, so it is set before the lookup fails.
    currentRoom = number;
    currentRoomCopy = room(number);
}

void MapStore::storeCurrentRoom()
{
    room(currentRoom) = currentRoomCopy;
}

void MapStore::setCoordinates(qint16 number, qint16 x, qint16 y, qint16 z)
{
    coordinatesOf(number) = {x, y, z};
}

void MapStore::copyCoordinates(qint16 source, qint16 target)
{
    const int lastColumn = coordinates.size();
    if (source > lastColumn || target > lastColumn)
        return;
    coordinatesOf(target) = coordinatesOf(source);
    modified = true;
}

void MapStore::resetTables()
{
    Lista = {Room::zeroed()};
    coordinates = {Coordinates{}};
}

} // namespace rumbario
