// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcompare.h"

#include "directions.h"
#include "mapstore.h"

#include <QHash>

#include <algorithm>
#include <map>

namespace rumbario {

namespace {

/** Each room's name, lower case, indexed by number: names are compared many times. */
QVector<QString> namesOf(const MapStore &store)
{
    QVector<QString> names(store.roomCount() + 1);
    for (int room = 1; room <= store.roomCount(); ++room)
        names[room] = roomName(store, qint16(room)).toLower();
    return names;
}

/** The matching under way, both ways: mine[a] is the other's room for a, theirs[b] is mine. */
struct Matching
{
    QVector<qint16> mine;
    QVector<qint16> theirs;

    Matching(int myRooms, int theirRooms)
        : mine(myRooms + 1, 0)
        , theirs(theirRooms + 1, 0)
    {}

    bool free(qint16 a, qint16 b) const { return mine[a] == 0 && theirs[b] == 0; }
    void pair(qint16 a, qint16 b)
    {
        mine[a] = b;
        theirs[b] = a;
    }
};

void matchUniqueNames(Matching &matching, const QVector<QString> &myNames,
                      const QVector<QString> &theirNames)
{
    QHash<QString, int> myCount, theirCount;
    QHash<QString, qint16> theirRoom;
    for (int room = 1; room < myNames.size(); ++room)
        ++myCount[myNames[room]];
    for (int room = 1; room < theirNames.size(); ++room) {
        ++theirCount[theirNames[room]];
        theirRoom.insert(theirNames[room], qint16(room));
    }
    for (int room = 1; room < myNames.size(); ++room) {
        const QString &name = myNames[room];
        if (!name.isEmpty() && myCount.value(name) == 1 && theirCount.value(name) == 1)
            matching.pair(qint16(room), theirRoom.value(name));
    }
}

void matchSameNumberAndName(Matching &matching, const QVector<QString> &myNames,
                            const QVector<QString> &theirNames)
{
    const int common = int(std::min(myNames.size(), theirNames.size()));
    for (int room = 1; room < common; ++room) {
        if (matching.free(qint16(room), qint16(room)) && myNames[room] == theirNames[room])
            matching.pair(qint16(room), qint16(room));
    }
}

/**
 * Pairs rooms not matched yet whose matched neighbours lead into both through the same
 * directions, the pairs with most such exits first; again while it finds any, as each pair
 * found gives its own neighbours a matched neighbour.
 */
void matchByNeighbourhood(Matching &matching, const MapStore &mine, const MapStore &other,
                          const QVector<QString> &myNames, const QVector<QString> &theirNames)
{
    for (bool found = true; found;) {
        found = false;
        // For each pair, how many matched rooms lead into both through one direction.
        std::map<QPair<qint16, qint16>, int> votes;
        for (int from = 1; from <= mine.roomCount(); ++from) {
            const qint16 theirFrom = matching.mine[from];
            if (theirFrom == 0)
                continue;
            for (int slot = 0; slot < exitCount; ++slot) {
                const qint16 a = exitTarget(mine, qint16(from), slot);
                const qint16 b = exitTarget(other, theirFrom, slot);
                if (a != 0 && b != 0 && matching.free(a, b))
                    ++votes[{a, b}];
            }
        }
        QVector<std::tuple<int, bool, bool, QPair<qint16, qint16>>> ranked;
        for (const auto &[pair, count] : votes)
            ranked.append({count, myNames[pair.first] == theirNames[pair.second],
                           pair.first == pair.second, pair});
        // Most votes first, then rooms named alike, then the same number, then by number.
        std::stable_sort(ranked.begin(), ranked.end(), [](const auto &x, const auto &y) {
            return std::make_tuple(std::get<0>(x), std::get<1>(x), std::get<2>(x)) >
                   std::make_tuple(std::get<0>(y), std::get<1>(y), std::get<2>(y));
        });
        for (const auto &candidate : ranked) {
            const auto [a, b] = std::get<3>(candidate);
            if (matching.free(a, b)) {
                matching.pair(a, b);
                found = true;
            }
        }
    }
}

void matchRemainingByOrder(Matching &matching, const QVector<QString> &myNames,
                           const QVector<QString> &theirNames)
{
    QHash<QString, QVector<qint16>> waiting;
    for (int room = theirNames.size() - 1; room >= 1; --room) {
        if (matching.theirs[room] == 0)
            waiting[theirNames[room]].append(qint16(room));
    }
    for (int room = 1; room < myNames.size(); ++room) {
        auto rooms = waiting.find(myNames[room]);
        if (matching.mine[room] == 0 && rooms != waiting.end() && !rooms->isEmpty())
            matching.pair(qint16(room), rooms->takeLast());
    }
}

/** Writes the lines of a comparison: this map's rooms by their label, the other's by theirs. */
struct Differences
{
    const MapStore &mine;
    const MapStore &other;
    const QVector<qint16> &match;
    MapComparison result;
    QVector<MapProblem> onlyMine, onlyTheirs, renumbered, redescribed, exitsMine, exitsTheirs,
        elsewhere;

    QString theirLabel(qint16 room) const
    {
        return roomLabel(other, room) + QStringLiteral(" del otro mapa");
    }
    /** A room of the other map, named as this map names it when it has it. */
    QString labelOfTheirs(qint16 room, const QVector<qint16> &theirs) const
    {
        return theirs[room] != 0 ? roomLabel(mine, theirs[room]) : theirLabel(room);
    }
    void markRoom(qint16 room) { result.rooms.insert(room); }

    void compareExits(qint16 a, qint16 b, const QVector<qint16> &theirs)
    {
        for (int slot = 0; slot < exitCount; ++slot) {
            const qint16 mineTo = exitTarget(mine, a, slot);
            const qint16 theirsTo = exitTarget(other, b, slot);
            if (mineTo == 0 && theirsTo == 0)
                continue;
            if (mineTo != 0 && theirsTo != 0 && match[mineTo] == theirsTo)
                continue;
            const QString exit = roomLabel(mine, a) + u' ' + exitName(slot) + QStringLiteral(" → ");
            markRoom(a);
            if (mineTo != 0)
                result.exits.insert({a, slot});
            if (theirsTo == 0)
                exitsMine.append({a, exit + roomLabel(mine, mineTo)});
            else if (mineTo == 0)
                exitsTheirs.append({a, exit + labelOfTheirs(theirsTo, theirs)});
            else
                elsewhere.append({a, exit + roomLabel(mine, mineTo) + QStringLiteral(" aquí, ") +
                                         labelOfTheirs(theirsTo, theirs) +
                                         QStringLiteral(" en el otro")});
        }
    }
};

} // namespace

QVector<qint16> matchRooms(const MapStore &mine, const MapStore &other)
{
    const QVector<QString> myNames = namesOf(mine);
    const QVector<QString> theirNames = namesOf(other);
    Matching matching(mine.roomCount(), other.roomCount());
    if (myNames == theirNames) {
        for (int room = 1; room <= mine.roomCount(); ++room)
            matching.pair(qint16(room), qint16(room));
        return matching.mine;
    }
    matchUniqueNames(matching, myNames, theirNames);
    matchSameNumberAndName(matching, myNames, theirNames);
    matchByNeighbourhood(matching, mine, other, myNames, theirNames);
    matchRemainingByOrder(matching, myNames, theirNames);
    return matching.mine;
}

MapComparison compareMaps(const MapStore &mine, const MapStore &other)
{
    const QVector<qint16> match = matchRooms(mine, other);
    QVector<qint16> theirs(other.roomCount() + 1, 0);
    for (int room = 1; room <= mine.roomCount(); ++room) {
        if (match[room] != 0)
            theirs[match[room]] = qint16(room);
    }
    Differences found{mine, other, match, {}, {}, {}, {}, {}, {}, {}, {}};
    for (int number = 1; number <= mine.roomCount(); ++number) {
        const qint16 a = qint16(number);
        const qint16 b = match[a];
        if (b == 0) {
            found.onlyMine.append({a, roomLabel(mine, a)});
            found.markRoom(a);
            continue;
        }
        if (a != b)
            found.renumbered.append(
                {a, roomLabel(mine, a) + QStringLiteral(" es la %1 en el otro").arg(b)});
        if (roomText(mine, a) != roomText(other, b)) {
            found.redescribed.append(
                {a, roomLabel(mine, a) + QStringLiteral(": «%1» aquí, «%2» en el otro")
                                             .arg(roomText(mine, a), roomText(other, b))});
            found.markRoom(a);
        }
        found.compareExits(a, b, theirs);
    }
    for (int room = 1; room <= other.roomCount(); ++room) {
        if (theirs[room] == 0)
            found.onlyTheirs.append({0, roomLabel(other, qint16(room))});
    }
    QVector<ProblemGroup> &groups = found.result.groups;
    addGroup(groups, QStringLiteral("Salas que solo tiene este mapa"), found.onlyMine);
    addGroup(groups, QStringLiteral("Salas que solo tiene el otro mapa"), found.onlyTheirs);
    addGroup(groups, QStringLiteral("Salas con otro número en el otro mapa"), found.renumbered);
    addGroup(groups, QStringLiteral("Salas descritas de otro modo"), found.redescribed);
    addGroup(groups, QStringLiteral("Salidas que solo tiene este mapa"), found.exitsMine);
    addGroup(groups, QStringLiteral("Salidas que solo tiene el otro mapa"), found.exitsTheirs);
    addGroup(groups, QStringLiteral("Salidas que llevan a otra sala"), found.elsewhere);
    return std::move(found.result);
}

} // namespace rumbario
