// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "squaregrid.h"

#include <QHash>
#include <QPoint>
#include <QVarLengthArray>
#include <QVector>

#include <limits>
#include <vector>

namespace rumbario {

class MapStore;

/** Whether a line between two squares runs north-south, east-west or at 45 degrees. */
bool onCompassAngle(QPoint delta);

/**
 * Where the plan draws each room: a square of its level, worked out from the exits and not from
 * the described coordinates, which a plan file does not keep.
 *
 * Each room is placed from a neighbour already placed, in the direction of the exit between
 * them: the squares along that direction first, then the nearest ones off it, never a square
 * another room has or a straight line passes over, nor one whose line would run through a room.
 * Rooms are taken in order of number, so a map drawn with the keys, whose rooms each lead back to
 * the one they were created from, comes out as it was drawn. Groups of rooms that no compass exit
 * joins are placed where an exit of theirs (up, down, in, out) points, or apart from the rest;
 * rooms that no exit joins at all come last, right of everything. The same map always gives the
 * same plan.
 */
class PlanLayout
{
public:
    /** Lays out every room afresh; levels gives each room's level, room 1 first. */
    void layOut(const MapStore &store, const QVector<int> &levels);
    /** Places one room after the others, moving none of them. */
    void append(const MapStore &store, int level);
    /** Forgets the rooms beyond the first ones; the others stay where they are. */
    void truncate(int rooms);

    int roomCount() const { return int(mSquares.size()); }
    QPoint square(qint16 room) const { return mSquares[room - 1]; }

private:
    using Square = PlanSquare;

    /** The room an exit leads to, when it is another room of the layout; 0 otherwise. */
    int exitOf(const MapStore &store, int room, int slot) const;
    bool isPlaced(int room) const;
    Square squareOf(int room) const;
    bool isFree(const Square &square) const;
    /** No room stands on the straight line between two squares but at its ends. */
    bool lineIsClear(const Square &from, const Square &to) const;
    void put(int room, const Square &square);
    /** Which lines a room's squares are kept clear of. */
    enum class Lines { OnCompass, All };
    /**
     * Marks the squares the room's lines to placed rooms pass over. While a map is laid out only
     * its lines on compass angles: keeping clear of the slanting ones too spreads the plan and
     * reads no better once it is untangled. A room added later keeps clear of them all.
     */
    void markLines(const MapStore &store, int room, Lines lines = Lines::All);
    /** Marks the squares a line between two squares passes over. */
    void markLine(const Square &from, const Square &to);
    /** The squares of the placed rooms of the same level the room has a compass line to. */
    QVarLengthArray<Square, 16> placedNeighbours(const MapStore &store, int room) const;
    /** The best square for a room reached from a placed one through an exit in a direction. */
    Square squareFrom(const MapStore &store, int room, const Square &from, int slot) const;
    /** The free square nearest to one, ring after ring. */
    Square nearestFree(const Square &wanted) const;
    /** Where a room no placed room leads to in a compass direction is put. */
    Square anchorOf(const MapStore &store, int room, int margin = 0);
    /** The square of a room no exit ties to a placed one. */
    Square looseSquare(int level, int margin);
    /** Whether no room or line is within a margin of squares round a square. */
    bool isClearAround(const Square &square, int margin) const;
    /**
     * Places the room and, in order of number, every room its compass exits reach; where nothing
     * placed ties the first one, it keeps a margin of free squares round it.
     */
    void placeGroup(const MapStore &store, int first, int margin);
    /** A placed room on the same level that leads to the room, or that it leads to, by compass. */
    bool placeFromNeighbour(const MapStore &store, int room);
    /** Whether no exit joins a room to another, in or out. */
    bool leadsNowhere(const MapStore &store, int room) const;
    void buildIncoming(const MapStore &store);

    /** A line between two rooms of one level, as the plan draws a compass exit. */
    struct Link
    {
        int from;
        int to;
    };
    /** Moves rooms, one at a time, wherever that takes lines off rooms or uncrosses them. */
    void untangle(const MapStore &store);
    void collectLinks(const MapStore &store);
    void registerLink(int link, bool add);
    /**
     * How badly a room's lines read where it stands; lower is better. Once the count reaches the
     * limit it stops, returning what it has: the square is no better than one already found.
     */
    qint64 badnessOf(int room, qint64 limit = std::numeric_limits<qint64>::max()) const;
    int roomsUnder(int link) const;
    int crossingsOf(int link) const;
    int linesOver(int room) const;
    /** Tries the squares around a room and its neighbours; returns whether it moved. */
    bool improve(int room);
    /** Puts the room on a square, its lines still filed where they were. */
    void standAt(int room, const Square &square);
    void moveTo(int room, const Square &square);
    void swapRooms(int first, int second);
    /** Exchanges the room with a neighbouring one where that reads better. */
    bool trySwaps(int room);
    QVector<int> roomsToImprove() const;

    QVector<Link> mLinks;
    /** The links of each room: a few each, kept without a heap block per room. */
    std::vector<QVarLengthArray<int, 8>> mLinksOf;
    /** The links that pass over or near each square, for looking up what a square touches. */
    SquareGrid<QVarLengthArray<int, 6>> mLinkSquares;
    mutable QVector<quint32> mSeenOnVisit;
    mutable quint32 mVisit = 0;

    QVector<QPoint> mSquares;
    QVector<int> mLevels;
    QVector<bool> mPlaced;
    /** The room on each square; 0 on a free one. */
    SquareGrid<int> mOwners;
    /** The squares a line between two placed rooms passes over, slanting or not. */
    SquareGrid<bool> mOnLines;
    /** The exits that lead to each room from others, as (room, slot) pairs. */
    std::vector<QVarLengthArray<QPair<int, int>, 4>> mIncoming;
    /** The rightmost square taken on each level, beside which new groups go. */
    QHash<int, int> mRightmost;
    QHash<int, QPoint> mLooseCentres;
    QHash<int, int> mLooseSteps;
};

} // namespace rumbario
