// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "description.h"
#include "directions.h"
#include "numbers.h"

#include <QVector>

#include <array>

namespace rumbario {

constexpr qint16 maxRoomCount = 32767;

/** One room: twelve exits in slot order (0 = none) and a description of exactly 100 characters. */
struct Room
{
    std::array<qint16, exitCount> exits{};
    Description description;

    /** All exits 0 and 100 blanks: what a newly created room starts as. */
    static Room blank();
    /** All exits 0 and 100 zero characters: room 1 of a fresh map, and a table grown by a read. */
    static Room zeroed() { return Room(); }

    bool operator==(const Room &other) const
    {
        return exits == other.exits && description == other.description;
    }
};

/** X, Y and Z of one room. */
using Coordinates = std::array<qint16, 3>;

/**
 * The map in memory: the room table, the working copy of the current room, the coordinates and
 * their display base.
 *
 * Room n lives at index n - 1 of Lista and of coordinates; every access by room number goes
 * through the checked accessors, which raise error 9 for a number outside the table.
 */
struct MapStore
{
    QVector<Room> Lista;
    qint16 roomCount = 1;
    qint16 currentRoom = 1;
    Room currentRoomCopy;
    Room blankRoom;
    /** One column per room; after the last room is deleted it keeps one column more. */
    QVector<Coordinates> coordinates;
    Coordinates coordinateBase{};
    Flag modified;

    Room &room(qint16 number);
    const Room &room(qint16 number) const;
    Coordinates &coordinatesOf(qint16 number);
    const Coordinates &coordinatesOf(qint16 number) const;

    /** Sets currentRoom first, then copies the room; a missing room raises error 9 after that. */
    void selectRoom(qint16 number);
    void storeCurrentRoom();
    void setCoordinates(qint16 number, qint16 x, qint16 y, qint16 z);
    /** Copies X, Y, Z and marks the map modified; silently nothing past the last column. */
    void copyCoordinates(qint16 source, qint16 target);

    /** One all-zero room at (0, 0, 0): the table a fresh map and a plan-file read start from. */
    void resetTables();
    qint16 tableSize() const { return static_cast<qint16>(Lista.size()); }
};

} // namespace rumbario
