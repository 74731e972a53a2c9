// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcheck.h"

#include "mapstore.h"

#include <QHash>
#include <QQueue>

#include <algorithm>

namespace rumbario {

namespace {

/** The room numbers from first to last, counted without a 16-bit counter that would wrap. */
QVector<qint16> roomNumbers(int first, int last)
{
    QVector<qint16> numbers;
    numbers.reserve(std::max(0, last - first + 1));
    for (int number = first; number <= last; ++number)
        numbers.append(qint16(number));
    return numbers;
}

QString labelOf(qint16 room, const QString &name)
{
    return QStringLiteral("%1 (%2)").arg(room).arg(
        name.isEmpty() ? QStringLiteral("sin descripción") : name);
}

/** Each room's name and label, worked out once: a review names rooms many times. */
struct RoomNames
{
    QVector<QString> names;
    QVector<QString> labels;

    explicit RoomNames(const MapStore &store)
        : names(store.roomCount() + 1)
        , labels(store.roomCount() + 1)
    {
        for (const qint16 room : roomNumbers(1, store.roomCount())) {
            names[room] = roomName(store, room);
            labels[room] = labelOf(room, names[room]);
        }
    }
};

/** The rooms a search reaches from a room, forwards through the exits or backwards. */
QVector<bool> reached(const MapStore &store, qint16 from, bool backwards)
{
    const int rooms = store.roomCount();
    // Backwards, the exits into each room, all in one table: first[room] is where its start.
    QVector<int> first;
    QVector<qint16> sources;
    if (backwards) {
        first.fill(0, rooms + 2);
        for (const qint16 room : roomNumbers(1, rooms)) {
            for (int slot = 0; slot < exitCount; ++slot)
                ++first[exitTarget(store, room, slot) + 1];
        }
        for (int room = 1; room <= rooms + 1; ++room)
            first[room] += first[room - 1];
        sources.resize(first[rooms + 1]);
        QVector<int> filled = first;
        for (const qint16 room : roomNumbers(1, rooms)) {
            for (int slot = 0; slot < exitCount; ++slot)
                sources[filled[exitTarget(store, room, slot)]++] = room;
        }
    }
    QVector<bool> seen(rooms + 1, false);
    QVector<qint16> waiting{from};
    seen[from] = true;
    for (qsizetype next = 0; next < waiting.size(); ++next) {
        const qint16 room = waiting[next];
        const auto visit = [&](qint16 other) {
            if (other != 0 && !seen[other]) {
                seen[other] = true;
                waiting.append(other);
            }
        };
        if (backwards) {
            for (int i = first[room]; i < first[room + 1]; ++i)
                visit(sources[i]);
        } else {
            for (int slot = 0; slot < exitCount; ++slot)
                visit(exitTarget(store, room, slot));
        }
    }
    return seen;
}

/** Rooms that share a key with another, each listed with the others it shares it with. */
template<typename Key>
QVector<MapProblem> sharing(const RoomNames &named, const QHash<Key, QVector<qint16>> &byKey)
{
    // In order of the first room of each set, whatever order the table keeps them in.
    QVector<MapProblem> problems;
    for (const QVector<qint16> &rooms : byKey) {
        if (rooms.size() < 2)
            continue;
        QStringList labels;
        for (const qint16 room : rooms)
            labels << named.labels[room];
        problems.append({rooms.first(), labels.join(QStringLiteral(", "))});
    }
    std::sort(problems.begin(), problems.end(),
              [](const MapProblem &a, const MapProblem &b) { return a.room < b.room; });
    return problems;
}

void reviewReach(const MapStore &store, const RoomNames &named, QVector<ProblemGroup> &groups)
{
    const QVector<bool> fromFirst = reached(store, 1, false);
    const QVector<bool> toFirst = reached(store, 1, true);
    QVector<MapProblem> unreachable;
    QVector<MapProblem> traps;
    for (const qint16 room : roomNumbers(2, store.roomCount())) {
        if (!fromFirst[room])
            unreachable.append({room, named.labels[room]});
        if (!toFirst[room])
            traps.append({room, named.labels[room]});
    }
    addGroup(groups, QStringLiteral("Salas a las que no se llega desde la sala 1"), unreachable);
    addGroup(groups, QStringLiteral("Salas desde las que no se vuelve a la sala 1"), traps);
}

void reviewExits(const MapStore &store, const RoomNames &named, QVector<ProblemGroup> &groups)
{
    QVector<MapProblem> oneWay, crooked, doubled, broken, closed;
    for (const qint16 room : roomNumbers(1, store.roomCount())) {
        const Room &record = store.room(room);
        bool anyExit = false;
        for (int slot = 0; slot < exitCount; ++slot) {
            const qint16 raw = record.exits[slot];
            if (raw == 0)
                continue;
            anyExit = true;
            const qint16 target = exitTarget(store, room, slot);
            const auto exit = [&] {
                return named.labels[room] + u' ' + exitName(slot) + QStringLiteral(" → ");
            };
            if (target == 0) {
                broken.append({room, exit() + QStringLiteral("sala %1, que no existe").arg(raw)});
                continue;
            }
            // The first exit into the same room, if an earlier slot has one.
            const auto earlier =
                std::find(record.exits.begin(), record.exits.begin() + slot, target);
            if (earlier != record.exits.begin() + slot)
                doubled.append({room, named.labels[room] + u' ' +
                                          exitName(int(earlier - record.exits.begin())) +
                                          QStringLiteral(" y ") + exitName(slot) +
                                          QStringLiteral(" → ") + named.labels[target]});
            if (target == room)
                continue;
            const Room &other = store.room(target);
            if (other.exits[directions[slot].opposite] == room)
                continue;
            const auto back = std::find(other.exits.begin(), other.exits.end(), room);
            if (back == other.exits.end())
                oneWay.append({room, exit() + named.labels[target]});
            else if (room < target) // A crooked pair is told once, from its first room.
                crooked.append({room, exit() + named.labels[target] +
                                          QStringLiteral(", que vuelve por ") +
                                          exitName(int(back - other.exits.begin()))});
        }
        if (!anyExit)
            closed.append({room, named.labels[room]});
    }
    addGroup(groups, QStringLiteral("Salidas de un solo sentido"), oneWay);
    addGroup(groups, QStringLiteral("Salidas cuya vuelta va por otra dirección"), crooked);
    addGroup(groups, QStringLiteral("Dos salidas de una sala a la misma sala"), doubled);
    addGroup(groups, QStringLiteral("Salidas a salas que no existen"), broken);
    addGroup(groups, QStringLiteral("Salas sin salidas"), closed);
}

void reviewRooms(const MapStore &store, const RoomNames &named, QVector<ProblemGroup> &groups)
{
    QVector<MapProblem> undescribed;
    QHash<QString, QVector<qint16>> byName;
    QHash<quint64, QVector<qint16>> bySquare;
    for (const qint16 room : roomNumbers(1, store.roomCount())) {
        const QString name = named.names[room].toLower();
        if (name.isEmpty())
            undescribed.append({room, named.labels[room]});
        else
            byName[name].append(room);
        const Coordinates &at = store.coordinatesOf(room);
        bySquare[quint64(quint16(at[0])) << 32 | quint64(quint16(at[1])) << 16 | quint16(at[2])]
            .append(room);
    }
    addGroup(groups, QStringLiteral("Salas sin descripción"), undescribed);
    addGroup(groups, QStringLiteral("Salas con el mismo nombre"), sharing(named, byName));
    addGroup(groups, QStringLiteral("Salas en la misma casilla de las coordenadas"),
             sharing(named, bySquare));
}

} // namespace

qint16 exitTarget(const MapStore &store, qint16 room, int slot)
{
    const qint16 target = store.room(room).exits[slot];
    return target >= 1 && target <= store.roomCount() ? target : 0;
}

QString roomText(const MapStore &store, qint16 room)
{
    QString text = store.room(room).description.text();
    text.remove(QChar(0));
    return text.simplified();
}

QString roomName(const MapStore &store, qint16 room)
{
    return roomText(store, room).section(u'.', 0, 0).trimmed();
}

QString roomLabel(const MapStore &store, qint16 room)
{
    const QString name = roomName(store, room);
    return QStringLiteral("%1 (%2)").arg(room).arg(
        name.isEmpty() ? QStringLiteral("sin descripción") : name);
}

QVector<ProblemGroup> reviewMap(const MapStore &store)
{
    QVector<ProblemGroup> groups;
    const RoomNames named(store);
    reviewReach(store, named, groups);
    reviewExits(store, named, groups);
    reviewRooms(store, named, groups);
    return groups;
}

void addGroup(QVector<ProblemGroup> &groups, const QString &title, QVector<MapProblem> problems)
{
    if (!problems.isEmpty())
        groups.append({title, std::move(problems)});
}

QString groupsText(const QVector<ProblemGroup> &groups, const QString &whenNone)
{
    if (groups.isEmpty())
        return whenNone + u'\n';
    QString text;
    for (const ProblemGroup &group : groups) {
        text += QStringLiteral("%1 (%2):\n").arg(group.title).arg(group.problems.size());
        for (const MapProblem &problem : group.problems)
            text += QStringLiteral("  ") + problem.line + u'\n';
    }
    return text;
}

QString commandWord(int slot, CommandWords words)
{
    static const char *const spanish[exitCount] = {"n", "ne", "e",      "se",    "s",      "so",
                                                   "o", "no", "arriba", "abajo", "entrar", "salir"};
    static const char *const english[exitCount] = {"n", "ne", "e", "se", "s",  "sw",
                                                   "w", "nw", "u", "d",  "in", "out"};
    return QString::fromLatin1((words == CommandWords::Spanish ? spanish : english)[slot]);
}

std::optional<QVector<int>> shortestWay(const MapStore &store, qint16 from, qint16 to)
{
    // For each room reached: the room it was reached from and through which exit.
    QVector<QPair<qint16, int>> cameBy(store.roomCount() + 1, {0, -1});
    QQueue<qint16> waiting;
    cameBy[from] = {from, exitCount};
    waiting.enqueue(from);
    while (!waiting.isEmpty() && cameBy[to].second < 0) {
        const qint16 room = waiting.dequeue();
        for (int slot = 0; slot < exitCount; ++slot) {
            const qint16 next = exitTarget(store, room, slot);
            if (next != 0 && cameBy[next].second < 0) {
                cameBy[next] = {room, slot};
                waiting.enqueue(next);
            }
        }
    }
    if (cameBy[to].second < 0)
        return std::nullopt;
    QVector<int> way;
    for (qint16 room = to; room != from; room = cameBy[room].first)
        way.prepend(cameBy[room].second);
    return way;
}

namespace {

/** The walk under way: which exits of which rooms are still to be taken. */
struct WalkState
{
    QVector<QVector<int>> toTake;
    QVector<bool> safe;
    int left = 0;
};

bool isWalkable(const MapStore &store, const WalkState &state, qint16 room, int slot)
{
    const qint16 target = exitTarget(store, room, slot);
    return target != 0 && state.safe[room] && state.safe[target];
}

void take(const MapStore &store, WalkState &state, TestWalk &walk, qint16 room, int slot)
{
    const qint16 target = exitTarget(store, room, slot);
    walk.steps.append({room, slot});
    walk.arrivals.append(target);
    QVector<int> &exits = state.toTake[room];
    if (exits.removeOne(slot))
        --state.left;
}

/** The exits of a shortest way from a room to the nearest one with exits still to take. */
QVector<int> wayToNearestUntaken(const MapStore &store, const WalkState &state, qint16 from)
{
    QHash<qint16, QPair<qint16, int>> cameBy;
    QQueue<qint16> waiting;
    cameBy.insert(from, {from, exitCount});
    waiting.enqueue(from);
    while (!waiting.isEmpty()) {
        const qint16 room = waiting.dequeue();
        if (!state.toTake[room].isEmpty()) {
            QVector<int> way;
            for (qint16 at = room; at != from; at = cameBy.value(at).first)
                way.prepend(cameBy.value(at).second);
            return way;
        }
        for (int slot = 0; slot < exitCount; ++slot) {
            const qint16 next = exitTarget(store, room, slot);
            if (isWalkable(store, state, room, slot) && !cameBy.contains(next)) {
                cameBy.insert(next, {room, slot});
                waiting.enqueue(next);
            }
        }
    }
    return {};
}

/** The exit to take next from a room: one whose room has exits left to take, if any. */
int nextExit(const MapStore &store, const WalkState &state, qint16 room)
{
    const QVector<int> &exits = state.toTake[room];
    for (const int slot : exits) {
        const qint16 target = exitTarget(store, room, slot);
        if (target != room && !state.toTake[target].isEmpty())
            return slot;
    }
    return exits.first();
}

void noteLeftOut(const MapStore &store, const QVector<bool> &fromFirst, const WalkState &state,
                 TestWalk &walk)
{
    for (const qint16 room : roomNumbers(1, store.roomCount())) {
        for (int slot = 0; slot < exitCount; ++slot) {
            const qint16 target = exitTarget(store, room, slot);
            if (target == 0 || isWalkable(store, state, room, slot))
                continue;
            // Said of the room it is true of: the one the exit leads to, or the one it leaves.
            const QString exit = fromFirst[room]
                                     ? QStringLiteral("sala %1: %2 → %3, de la que no se vuelve "
                                                      "a la sala 1")
                                     : QStringLiteral("sala %1, que no se alcanza desde la sala "
                                                      "1: %2 → %3");
            walk.leftOut << exit.arg(roomLabel(store, room), exitName(slot),
                                     roomLabel(store, target));
        }
    }
}

} // namespace

TestWalk testWalk(const MapStore &store)
{
    TestWalk walk;
    const QVector<bool> fromFirst = reached(store, 1, false);
    const QVector<bool> toFirst = reached(store, 1, true);
    WalkState state;
    state.safe.resize(store.roomCount() + 1);
    state.toTake.resize(store.roomCount() + 1);
    for (const qint16 room : roomNumbers(1, store.roomCount()))
        state.safe[room] = fromFirst[room] && toFirst[room];
    for (const qint16 room : roomNumbers(1, store.roomCount())) {
        for (int slot = 0; slot < exitCount; ++slot) {
            if (isWalkable(store, state, room, slot))
                state.toTake[room].append(slot);
        }
        state.left += int(state.toTake[room].size());
    }
    walk.exitsToWalk = state.left;
    qint16 here = 1;
    while (state.left > 0) {
        if (state.toTake[here].isEmpty()) {
            for (const int slot : wayToNearestUntaken(store, state, here)) {
                take(store, state, walk, here, slot);
                here = walk.arrivals.last();
            }
        }
        const int slot = nextExit(store, state, here);
        take(store, state, walk, here, slot);
        here = walk.arrivals.last();
    }
    noteLeftOut(store, fromFirst, state, walk);
    return walk;
}

QString walkCommands(const TestWalk &walk, CommandWords words)
{
    QString text;
    for (const auto &[room, slot] : walk.steps)
        text += commandWord(slot, words) + u'\n';
    // A command that starts with "*" is a comment to Inform's parser and most others.
    for (const QString &exit : walk.leftOut)
        text += QStringLiteral("* sin recorrer: ") + exit + u'\n';
    return text;
}

QString walkArrivals(const MapStore &store, const TestWalk &walk)
{
    QString text;
    for (const qint16 room : walk.arrivals) {
        const QString name = roomName(store, room);
        text += QString::number(room) + (name.isEmpty() ? QString() : u' ' + name) + u'\n';
    }
    return text;
}

} // namespace rumbario
