// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <array>

namespace rumbario {

constexpr int exitCount = 12;

/** Exit slots, the order in which a room's exits are stored and written to plan files. */
enum ExitSlot : int {
    North,
    NorthEast,
    East,
    SouthEast,
    South,
    SouthWest,
    West,
    NorthWest,
    Up,
    Down,
    In,
    Out,
};

/**
 * One direction: where its exit is stored, the number the user types for it, the way back,
 * the step a room created this way takes, and how each list names it.
 */
struct Direction
{
    int slot;
    qint16 number;
    int opposite;
    qint16 dx;
    qint16 dy;
    qint16 dz;
    QLatin1String viewName;
    QLatin1String afterOpenName;
    QLatin1String removalName;
    QLatin1String promptLabel;
};

/** The twelve directions, indexed by exit slot. */
extern const std::array<Direction, exitCount> directions;

/** The order in which the ordinary room view lists exits: the four compass points first. */
constexpr std::array<int, exitCount> viewOrder = {
    North, East, South, West, Up, Down, In, Out, NorthEast, SouthEast, SouthWest, NorthWest};

/** Exit slot of a direction number 1..12, or -1 for any other number. */
int slotOfNumber(qint16 number);

/** How reports and notes name an exit's direction: "norte", "arriba", "adentro". */
QString exitName(int slot);

} // namespace rumbario
