// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapcheck.h"

#include <QPair>
#include <QSet>

namespace rumbario {

/** The differences between this map and another, and where they show on this map's plan. */
struct MapComparison
{
    /** Grouped as the review groups problems; a line's room is one of this map, or 0. */
    QVector<ProblemGroup> groups;
    /** Rooms of this map that differ: only here, described otherwise, or with an exit changed. */
    QSet<qint16> rooms;
    /** Exits of this map, as (room, slot), that the other map lacks or leads elsewhere. */
    QSet<QPair<qint16, int>> exits;
};

/**
 * Which room of the other map each room of this one is (0 for none): by number when both have
 * the same names in the same order; otherwise by names found once in each map, then by number
 * among rooms named alike, then by neighbourhood (the rooms matched so far whose exits lead into
 * both), and last by order among rooms named alike.
 */
QVector<qint16> matchRooms(const MapStore &mine, const MapStore &other);

/**
 * What differs between this map and another: rooms only in one of them, rooms with another
 * number, descriptions changed, exits only in one of them or leading to another room.
 */
MapComparison compareMaps(const MapStore &mine, const MapStore &other);

} // namespace rumbario
