// SPDX-License-Identifier: GPL-3.0-or-later
// The last step of laying out a plan: rooms placed one after another can leave a line over a room
// placed later, or two lines crossing that a room one square away would keep apart. Each room
// concerned tries the free squares around it and around its neighbours and moves where its lines
// read better.
#include "planlayout.h"

#include "mapstore.h"

#include <QPointF>
#include <QVarLengthArray>

#include <algorithm>
#include <climits>
#include <cmath>

namespace rumbario {

namespace {

/** Half the side of a room's box, in squares: a line nearer than that to a centre covers it. */
constexpr double boxHalf = 0.3;
/** Rounds of moves; each one moves only rooms that gain, so few are needed. */
constexpr int rounds = 4;

/** What one line over a room, one crossing, one slanting line and one square of length weigh. */
constexpr qint64 overRoomWeight = 1000;
constexpr qint64 crossingWeight = 40;
constexpr qint64 slantWeight = 40;
constexpr qint64 lengthWeight = 4;

QPointF pointOf(const QPoint &square)
{
    return QPointF(square);
}

/**
 * Every square whose room box a line could come near, and every square where it could cross
 * another. A line on a compass angle passes only the squares it runs through and, where it runs
 * at 45 degrees, the two squares beside each of its steps; a slanting one is followed a quarter
 * of a square at a time, with the squares round each point. A square can come more than once.
 */
template<typename Visit>
void visitSquaresNear(QPoint from, QPoint to, const Visit &visit)
{
    const QPoint delta = to - from;
    const int steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
    if (onCompassAngle(delta)) {
        const QPoint unit = steps ? delta / steps : QPoint();
        const bool diagonal = unit.x() != 0 && unit.y() != 0;
        for (int step = 0; step <= steps; ++step) {
            const QPoint square = from + unit * step;
            visit(square);
            if (diagonal && step < steps) {
                visit(square + QPoint(unit.x(), 0));
                visit(square + QPoint(0, unit.y()));
            }
        }
        return;
    }
    const int samples = 4 * steps;
    for (int i = 0; i <= samples; ++i) {
        const double x = from.x() + delta.x() * (samples ? double(i) / samples : 0.0);
        const double y = from.y() + delta.y() * (samples ? double(i) / samples : 0.0);
        const int left = int(std::floor(x));
        const int bottom = int(std::floor(y));
        const int right = int(std::ceil(x));
        const int top = int(std::ceil(y));
        visit(QPoint(left, bottom));
        if (right != left)
            visit(QPoint(right, bottom));
        if (top != bottom) {
            visit(QPoint(left, top));
            if (right != left)
                visit(QPoint(right, top));
        }
    }
}

bool passesOver(QPointF start, QPointF end, QPointF centre)
{
    const QPointF along = end - start;
    const double length2 = QPointF::dotProduct(along, along);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(centre - start, along) / length2, 0.0, 1.0)
                    : 0.0;
    const QPointF nearest = start + along * t;
    return std::abs(nearest.x() - centre.x()) < boxHalf &&
           std::abs(nearest.y() - centre.y()) < boxHalf;
}

qint64 cross(QPoint a, QPoint b, QPoint c)
{
    return qint64(b.x() - a.x()) * (c.y() - a.y()) - qint64(b.y() - a.y()) * (c.x() - a.x());
}

bool segmentsCross(QPoint a1, QPoint a2, QPoint b1, QPoint b2)
{
    const qint64 d1 = cross(a1, a2, b1);
    const qint64 d2 = cross(a1, a2, b2);
    const qint64 d3 = cross(b1, b2, a1);
    const qint64 d4 = cross(b1, b2, a2);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

void sortUnique(QVector<int> &values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

} // namespace

void PlanLayout::collectLinks(const MapStore &store)
{
    mLinks.clear();
    mSeenOnVisit.clear();
    mVisit = 0;
    mLinkSquares.clear();
    mLinksOf.assign(size_t(mSquares.size()), {});
    for (int room = 1; room <= mSquares.size(); ++room) {
        for (int slot = 0; slot < 8; ++slot) {
            const int other = exitOf(store, room, slot);
            if (other == 0 || mLevels[other - 1] != mLevels[room - 1])
                continue;
            // A connection both ways is one line, collected from its lower room.
            const int low = std::min(room, other);
            const int high = std::max(room, other);
            if (std::any_of(mLinksOf[low - 1].cbegin(), mLinksOf[low - 1].cend(),
                            [&](int link) { return mLinks[link].to == high; }))
                continue;
            const int link = int(mLinks.size());
            mLinks.append({low, high});
            mSeenOnVisit.append(0);
            mLinksOf[low - 1].append(link);
            mLinksOf[high - 1].append(link);
            registerLink(link, true);
        }
    }
}

void PlanLayout::registerLink(int link, bool add)
{
    const Link &line = mLinks[link];
    const int level = mLevels[line.from - 1];
    visitSquaresNear(mSquares[line.from - 1], mSquares[line.to - 1], [&](QPoint square) {
        auto &links = mLinkSquares[{level, square.x(), square.y()}];
        if (!add)
            links.removeAll(link);
        else if (links.isEmpty() || links.last() != link)
            links.append(link);
    });
}

int PlanLayout::roomsUnder(int link) const
{
    const Link &line = mLinks[link];
    const int level = mLevels[line.from - 1];
    const QPoint from = mSquares[line.from - 1];
    const QPoint to = mSquares[line.to - 1];
    // Between two rooms side by side, even corner to corner, a line comes near no other room.
    if (std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())) == 1)
        return 0;
    QVarLengthArray<int, 8> under;
    visitSquaresNear(from, to, [&](QPoint square) {
        const int room = mOwners.value({level, square.x(), square.y()});
        if (room != 0 && room != line.from && room != line.to && !under.contains(room) &&
            passesOver(pointOf(from), pointOf(to), pointOf(square)))
            under.append(room);
    });
    return int(under.size());
}

int PlanLayout::crossingsOf(int link) const
{
    const Link &line = mLinks[link];
    const int level = mLevels[line.from - 1];
    const QPoint from = mSquares[line.from - 1];
    const QPoint to = mSquares[line.to - 1];
    // Each line near is looked at once: a stamp marks those seen for this line.
    ++mVisit;
    int crossings = 0;
    visitSquaresNear(from, to, [&](QPoint square) {
        for (const int other : mLinkSquares.value({level, square.x(), square.y()})) {
            const Link &second = mLinks[other];
            if (mSeenOnVisit[other] == mVisit || second.from == line.from ||
                second.from == line.to || second.to == line.from || second.to == line.to)
                continue;
            mSeenOnVisit[other] = mVisit;
            crossings +=
                segmentsCross(from, to, mSquares[second.from - 1], mSquares[second.to - 1]);
        }
    });
    return crossings;
}

int PlanLayout::linesOver(int room) const
{
    const Square here = squareOf(room);
    int over = 0;
    for (const int link : mLinkSquares.value(here)) {
        const Link &line = mLinks[link];
        over += line.from != room && line.to != room &&
                passesOver(pointOf(mSquares[line.from - 1]), pointOf(mSquares[line.to - 1]),
                           pointOf(mSquares[room - 1]));
    }
    return over;
}

qint64 PlanLayout::badnessOf(int room, qint64 limit) const
{
    // The cheap parts first: most squares tried are worse by their lengths alone.
    qint64 badness = 0;
    for (const int link : mLinksOf[room - 1]) {
        const QPoint delta = mSquares[mLinks[link].to - 1] - mSquares[mLinks[link].from - 1];
        badness += (onCompassAngle(delta) ? 0 : slantWeight) +
                   lengthWeight * std::max(std::abs(delta.x()), std::abs(delta.y()));
    }
    if (badness >= limit)
        return badness;
    badness += overRoomWeight * linesOver(room);
    for (const int link : mLinksOf[room - 1]) {
        if (badness >= limit)
            break;
        badness += overRoomWeight * roomsUnder(link) + crossingWeight * crossingsOf(link);
    }
    return badness;
}

void PlanLayout::standAt(int room, const Square &square)
{
    mOwners[squareOf(room)] = 0;
    mSquares[room - 1] = QPoint(square.x, square.y);
    mOwners[square] = room;
}

void PlanLayout::moveTo(int room, const Square &square)
{
    for (const int link : mLinksOf[room - 1])
        registerLink(link, false);
    standAt(room, square);
    for (const int link : mLinksOf[room - 1])
        registerLink(link, true);
}

bool PlanLayout::improve(int room)
{
    const Square start = squareOf(room);
    QVector<Square> candidates;
    const auto around = [&](const Square &centre, int reach) {
        for (int dx = -reach; dx <= reach; ++dx) {
            for (int dy = -reach; dy <= reach; ++dy) {
                const Square square{centre.level, centre.x + dx, centre.y + dy};
                if (mOwners.value(square) == 0)
                    candidates.append(square);
            }
        }
    };
    around(start, 2);
    for (const int link : mLinksOf[room - 1]) {
        const Link &line = mLinks[link];
        around(squareOf(line.from == room ? line.to : line.from), 1);
    }
    Square best = start;
    qint64 bestBadness = badnessOf(room);
    // Trying a square moves only the room: its own lines need not be filed under the squares
    // they pass, for none of them can cross another or run over the room.
    for (const Square &candidate : std::as_const(candidates)) {
        standAt(room, candidate);
        const qint64 badness = badnessOf(room, bestBadness);
        if (badness < bestBadness) {
            best = candidate;
            bestBadness = badness;
        }
    }
    standAt(room, start);
    if (best == start)
        return trySwaps(room);
    moveTo(room, best);
    return true;
}

void PlanLayout::swapRooms(int first, int second)
{
    QVector<int> links(mLinksOf[first - 1].cbegin(), mLinksOf[first - 1].cend());
    links.append(QVector<int>(mLinksOf[second - 1].cbegin(), mLinksOf[second - 1].cend()));
    sortUnique(links);
    for (const int link : std::as_const(links))
        registerLink(link, false);
    std::swap(mSquares[first - 1], mSquares[second - 1]);
    mOwners[squareOf(first)] = first;
    mOwners[squareOf(second)] = second;
    for (const int link : std::as_const(links))
        registerLink(link, true);
}

bool PlanLayout::trySwaps(int room)
{
    // Two rooms side by side whose lines cross each other's path often read right exchanged,
    // where neither could move alone.
    const Square start = squareOf(room);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const int other = mOwners.value({start.level, start.x + dx, start.y + dy});
            if (other == 0 || other == room)
                continue;
            const qint64 before = badnessOf(room) + badnessOf(other);
            swapRooms(room, other);
            const qint64 moved = badnessOf(room, before);
            if (moved < before && moved + badnessOf(other, before - moved) < before)
                return true;
            swapRooms(room, other);
        }
    }
    return false;
}

QVector<int> PlanLayout::roomsToImprove() const
{
    QVector<int> rooms;
    for (int link = 0; link < mLinks.size(); ++link) {
        const Link &line = mLinks[link];
        const QPoint delta = mSquares[line.to - 1] - mSquares[line.from - 1];
        // Most lines join rooms side by side: such a line runs over no room, and only a slanting
        // line can cross it, whose rooms near it, named below, take in an end of this one.
        if (std::abs(delta.x()) + std::abs(delta.y()) == 1)
            continue;
        if (onCompassAngle(delta) && roomsUnder(link) == 0 && crossingsOf(link) == 0)
            continue;
        rooms << line.from << line.to;
        const int level = mLevels[line.from - 1];
        visitSquaresNear(mSquares[line.from - 1], mSquares[line.to - 1], [&](QPoint square) {
            if (const int under = mOwners.value({level, square.x(), square.y()}))
                rooms << under;
        });
    }
    sortUnique(rooms);
    return rooms;
}

void PlanLayout::untangle(const MapStore &store)
{
    collectLinks(store);
    for (int round = 0; round < rounds; ++round) {
        bool moved = false;
        for (const int room : roomsToImprove())
            moved = improve(room) || moved;
        if (!moved)
            break;
    }
    // The squares lines pass over were marked where the rooms first stood, and only under the
    // lines on compass angles: rooms added from now on keep clear of every line where it runs.
    mOnLines.clear();
    for (const Link &line : std::as_const(mLinks))
        markLine(squareOf(line.from), squareOf(line.to));
    mLinks.clear();
    mSeenOnVisit.clear();
    mLinksOf.clear();
    mLinkSquares.clear();
}

} // namespace rumbario
