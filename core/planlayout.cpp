// SPDX-License-Identifier: GPL-3.0-or-later
#include "planlayout.h"

#include "mapstore.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <queue>
#include <vector>

namespace rumbario {

namespace {

/** North to north-west, clockwise: the slots of the exits drawn as lines. */
constexpr int compassSlots = 8;

QPoint stepOf(int slot)
{
    return QPoint(directions[slot].dx, directions[slot].dy);
}

/** The compass slot an eighth of a turn away, clockwise for positive eighths. */
int turned(int slot, int eighths)
{
    return ((slot + eighths) % compassSlots + compassSlots) % compassSlots;
}

/** The squares of a ring around a centre, ring 0 being the centre itself. */
template<typename Visit>
bool visitRing(int ring, const Visit &visit)
{
    if (ring == 0)
        return visit(QPoint(0, 0));
    for (int i = -ring; i < ring; ++i) {
        if (visit(QPoint(i, ring)) || visit(QPoint(ring, -i)) || visit(QPoint(-i, -ring)) ||
            visit(QPoint(-ring, i)))
            return true;
    }
    return false;
}

/** The squares round a centre in one sequence: the centre, then ring after ring. */
QPoint spiralOffset(int step)
{
    if (step == 0)
        return QPoint(0, 0);
    int ring = 1;
    while ((2 * ring + 1) * (2 * ring + 1) <= step)
        ++ring;
    const int along = step - (2 * ring - 1) * (2 * ring - 1);
    const int side = along / (2 * ring);
    const int offset = along % (2 * ring);
    switch (side) {
    case 0:
        return QPoint(ring, -ring + 1 + offset);
    case 1:
        return QPoint(ring - 1 - offset, ring);
    case 2:
        return QPoint(-ring, ring - 1 - offset);
    default:
        return QPoint(-ring + 1 + offset, -ring);
    }
}

/**
 * Whether the visit answers yes for a square that a straight line between two squares passes
 * over, its ends left out: on a compass angle, the squares it runs through; slanting, those whose
 * room box it comes within, followed a quarter of a square at a time.
 */
template<typename Visit>
bool anySquareUnder(const PlanSquare &from, const PlanSquare &to, const Visit &visit)
{
    const QPoint delta(to.x - from.x, to.y - from.y);
    const int steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
    if (onCompassAngle(delta)) {
        for (int step = 1; step < steps; ++step) {
            if (visit(PlanSquare{from.level, from.x + delta.x() / steps * step,
                                 from.y + delta.y() / steps * step}))
                return true;
        }
        return false;
    }
    const int samples = steps * 4;
    for (int i = 1; i < samples; ++i) {
        const double x = from.x + delta.x() * double(i) / samples;
        const double y = from.y + delta.y() * double(i) / samples;
        const PlanSquare near{from.level, int(std::lround(x)), int(std::lround(y))};
        const bool underLine = !(near == from) && !(near == to) && std::abs(x - near.x) < 0.35 &&
                               std::abs(y - near.y) < 0.35;
        if (underLine && visit(near))
            return true;
    }
    return false;
}

} // namespace

bool onCompassAngle(QPoint delta)
{
    return delta.x() == 0 || delta.y() == 0 || std::abs(delta.x()) == std::abs(delta.y());
}

int PlanLayout::exitOf(const MapStore &store, int room, int slot) const
{
    // The current room's exits live in its working copy until it is stored.
    const Room &record =
        room == store.currentRoom() ? store.workingCopy() : store.rooms()[room - 1];
    const int target = record.exits[slot];
    return target >= 1 && target <= mLevels.size() && target != room ? target : 0;
}

/**
 * The squares kept clear round the first room of a group placed apart from the others: fewer, and
 * groups wind into each other's gaps; more, and the plan spreads for little gain.
 */
constexpr int groupMargin = 3;

bool PlanLayout::isPlaced(int room) const
{
    return room >= 1 && room <= mPlaced.size() && mPlaced[room - 1];
}

PlanLayout::Square PlanLayout::squareOf(int room) const
{
    const QPoint square = mSquares[room - 1];
    return {mLevels[room - 1], square.x(), square.y()};
}

bool PlanLayout::isFree(const Square &square) const
{
    return mOwners.value(square) == 0 && !mOnLines.value(square);
}

bool PlanLayout::lineIsClear(const Square &from, const Square &to) const
{
    return !anySquareUnder(from, to,
                           [&](const Square &square) { return mOwners.value(square) != 0; });
}

void PlanLayout::put(int room, const Square &square)
{
    mSquares[room - 1] = QPoint(square.x, square.y);
    mPlaced[room - 1] = true;
    mOwners[square] = room;
    int &rightmost = mRightmost[square.level];
    rightmost = std::max(rightmost, square.x);
}

void PlanLayout::markLine(const Square &from, const Square &to)
{
    anySquareUnder(from, to, [&](const Square &square) {
        mOnLines[square] = true;
        return false;
    });
}

void PlanLayout::markLines(const MapStore &store, int room, Lines lines)
{
    const Square here = squareOf(room);
    const auto mark = [&](int other) {
        if (!isPlaced(other) || mLevels[other - 1] != here.level)
            return;
        const Square there = squareOf(other);
        if (lines == Lines::OnCompass &&
            !onCompassAngle(QPoint(there.x - here.x, there.y - here.y)))
            return;
        markLine(here, there);
    };
    for (int slot = 0; slot < compassSlots; ++slot)
        mark(exitOf(store, room, slot));
}

QVarLengthArray<PlanLayout::Square, 16> PlanLayout::placedNeighbours(const MapStore &store,
                                                                     int room) const
{
    QVarLengthArray<Square, 16> neighbours;
    const int level = mLevels[room - 1];
    const auto add = [&](int other) {
        if (isPlaced(other) && mLevels[other - 1] == level)
            neighbours.append(squareOf(other));
    };
    for (int slot = 0; slot < compassSlots; ++slot)
        add(exitOf(store, room, slot));
    if (room <= int(mIncoming.size())) {
        for (const auto &[source, slot] : std::as_const(mIncoming[room - 1])) {
            if (slot < compassSlots)
                add(source);
        }
    }
    return neighbours;
}

PlanLayout::Square PlanLayout::squareFrom(const MapStore &store, int room, const Square &from,
                                          int slot) const
{
    const auto neighbours = placedNeighbours(store, room);
    const auto allClear = [&](const Square &candidate, bool onCompass) {
        return std::all_of(neighbours.begin(), neighbours.end(), [&](const Square &neighbour) {
            return lineIsClear(neighbour, candidate) &&
                   (!onCompass ||
                    onCompassAngle(QPoint(candidate.x - neighbour.x, candidate.y - neighbour.y)));
        });
    };
    // Along the exit's own direction first; then a step further, or an eighth of a turn off it.
    // The first round asks that all the room's lines run on compass angles and over no room; the
    // second, over no room; the third, only the line it is reached by.
    enum class Ask { CompassAndClear, Clear, Reached };
    for (const Ask ask : {Ask::CompassAndClear, Ask::Clear, Ask::Reached}) {
        const int longest = ask == Ask::Reached ? 6 : 3;
        for (int cost = 1; cost <= longest; ++cost) {
            for (int distance = cost; distance >= 1; --distance) {
                const int turn = cost - distance;
                if (turn > 4)
                    continue;
                for (int sign : {1, -1}) {
                    const QPoint step = stepOf(turned(slot, sign * turn)) * distance;
                    const Square candidate{from.level, from.x + step.x(), from.y + step.y()};
                    if (isFree(candidate) && lineIsClear(from, candidate) &&
                        (ask == Ask::Reached || allClear(candidate, ask == Ask::CompassAndClear)))
                        return candidate;
                    if (turn == 0 || turn == 4)
                        break;
                }
            }
        }
    }
    const QPoint step = stepOf(slot);
    return nearestFree({from.level, from.x + step.x(), from.y + step.y()});
}

PlanLayout::Square PlanLayout::nearestFree(const Square &wanted) const
{
    Square found = wanted;
    for (int ring = 0;; ++ring) {
        if (visitRing(ring, [&](QPoint offset) {
                found = {wanted.level, wanted.x + offset.x(), wanted.y + offset.y()};
                return isFree(found);
            }))
            return found;
    }
}

PlanLayout::Square PlanLayout::anchorOf(const MapStore &store, int room, int margin)
{
    const int level = mLevels[room - 1];
    // Above or below a placed room it leads to up or down; beside one it leads in or out of.
    const auto besidePlaced = [&](int other, Square &square) {
        if (!isPlaced(other))
            return false;
        const int beside = mLevels[other - 1] == level ? 1 : 0;
        square = nearestFree({level, mSquares[other - 1].x() + beside, mSquares[other - 1].y()});
        return true;
    };
    Square square{level, 0, 0};
    for (int slot = 0; slot < exitCount; ++slot) {
        if (besidePlaced(exitOf(store, room, slot), square))
            return square;
    }
    // Led into from a room of its own level only: a passage in from far away on another level
    // would pull the room into the middle of what that level already holds.
    if (room <= int(mIncoming.size())) {
        for (const auto &[source, slot] : std::as_const(mIncoming[room - 1])) {
            if (mLevels[source - 1] == level && besidePlaced(source, square))
                return square;
        }
    }
    return looseSquare(level, margin);
}

PlanLayout::Square PlanLayout::looseSquare(int level, int margin)
{
    // Rooms that lead nowhere yet gather round a point right of what the level holds, each on
    // the next free square of a spiral, so that thousands of them take no search each. The first
    // room of a group keeps a margin clear round it, so that the group grows apart from others.
    const auto rightmost = mRightmost.constFind(level);
    const QPoint centre = mLooseCentres.value(
        level, QPoint(rightmost == mRightmost.constEnd() ? 0 : *rightmost + 3, 0));
    mLooseCentres.insert(level, centre);
    int &step = mLooseSteps[level];
    for (int tried = step;; ++tried) {
        const QPoint offset = spiralOffset(tried);
        const Square square{level, centre.x() + offset.x(), centre.y() + offset.y()};
        // A square passed over stays taken: rooms are only added while the level is laid out.
        if (isFree(square) && isClearAround(square, margin)) {
            step = tried;
            return square;
        }
    }
}

bool PlanLayout::isClearAround(const Square &square, int margin) const
{
    for (int ring = 1; ring <= margin; ++ring) {
        if (visitRing(ring, [&](QPoint offset) {
                return !isFree({square.level, square.x + offset.x(), square.y + offset.y()});
            }))
            return false;
    }
    return true;
}

bool PlanLayout::placeFromNeighbour(const MapStore &store, int room)
{
    const int level = mLevels[room - 1];
    for (int slot = 0; slot < compassSlots; ++slot) {
        const int other = exitOf(store, room, slot);
        if (!isPlaced(other) || mLevels[other - 1] != level)
            continue;
        put(room, squareFrom(store, room, squareOf(other), directions[slot].opposite));
        return true;
    }
    // A room with no way back, as a one-way passage leaves it: from a room that leads to it.
    for (int other = 1; other < room; ++other) {
        for (int slot = 0; slot < compassSlots; ++slot) {
            if (exitOf(store, other, slot) == room && mLevels[other - 1] == level) {
                put(room, squareFrom(store, room, squareOf(other), slot));
                return true;
            }
        }
    }
    return false;
}

void PlanLayout::placeGroup(const MapStore &store, int first, int margin)
{
    put(first, anchorOf(store, first, margin));
    markLines(store, first, Lines::OnCompass);
    std::priority_queue<int, std::vector<int>, std::greater<int>> waiting;
    waiting.push(first);
    const auto reach = [&](int from, int other, int slot) {
        if (other == 0 || isPlaced(other) || mLevels[other - 1] != mLevels[from - 1])
            return;
        put(other, squareFrom(store, other, squareOf(from), slot));
        markLines(store, other, Lines::OnCompass);
        waiting.push(other);
    };
    while (!waiting.empty()) {
        const int room = waiting.top();
        waiting.pop();
        for (int slot = 0; slot < compassSlots; ++slot)
            reach(room, exitOf(store, room, slot), slot);
        for (const auto &[source, slot] : std::as_const(mIncoming[room - 1])) {
            if (slot < compassSlots)
                reach(room, source, directions[slot].opposite);
        }
    }
}

bool PlanLayout::leadsNowhere(const MapStore &store, int room) const
{
    for (int slot = 0; slot < exitCount; ++slot) {
        if (exitOf(store, room, slot) != 0)
            return false;
    }
    return mIncoming[room - 1].empty();
}

void PlanLayout::buildIncoming(const MapStore &store)
{
    // Only the rooms laid out: a room the store holds beyond them is no one's neighbour yet.
    mIncoming.assign(size_t(mLevels.size()), {});
    for (int room = 1; room <= mLevels.size(); ++room) {
        for (int slot = 0; slot < exitCount; ++slot) {
            if (const int target = exitOf(store, room, slot))
                mIncoming[target - 1].append({room, slot});
        }
    }
}

void PlanLayout::layOut(const MapStore &store, const QVector<int> &levels)
{
    const int rooms = int(levels.size());
    mLevels = levels;
    mSquares.fill(QPoint(), rooms);
    mPlaced.fill(false, rooms);
    mOwners.clear();
    mOnLines.clear();
    mRightmost.clear();
    mLooseCentres.clear();
    mLooseSteps.clear();
    buildIncoming(store);
    for (int room = 1; room <= rooms; ++room) {
        if (!mPlaced[room - 1] && !leadsNowhere(store, room))
            placeGroup(store, room, groupMargin);
    }
    // Rooms no exit joins (a game's unused locations) gather right of all the others, not in the
    // gaps between rooms joined, where they would sit on the lines of a later group.
    mLooseCentres.clear();
    mLooseSteps.clear();
    for (int room = 1; room <= rooms; ++room) {
        if (!mPlaced[room - 1])
            placeGroup(store, room, 0);
    }
    mIncoming.clear();
    untangle(store);
}

void PlanLayout::append(const MapStore &store, int level)
{
    const int room = int(mSquares.size()) + 1;
    mLevels.append(level);
    mSquares.append(QPoint());
    mPlaced.append(false);
    if (!placeFromNeighbour(store, room))
        put(room, anchorOf(store, room));
    markLines(store, room);
}

void PlanLayout::truncate(int rooms)
{
    for (int room = int(mSquares.size()); room > rooms; --room) {
        if (mPlaced[room - 1])
            mOwners[squareOf(room)] = 0;
    }
    mSquares.resize(rooms);
    mLevels.resize(rooms);
    mPlaced.resize(rooms);
}

} // namespace rumbario
