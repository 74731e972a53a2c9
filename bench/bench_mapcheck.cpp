// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the largest map: the review of its problems (budget 50 ms), the shortest way between
// its farthest rooms (5 ms), a walk through every exit (1 s), and its comparison with another
// version of it (200 ms).
#include "core/mapcheck.h"
#include "core/mapcompare.h"
#include "core/mapstore.h"

#include <benchmark/benchmark.h>

using namespace rumbario;

namespace {

constexpr int side = 181;

/**
 * 32767 rooms on a square of corridors, each room leading east and north with a way back, some
 * one way, some rooms named alike: every check has work to do. Shifted, the same map with a room
 * put first and the last one left out, so that every number and exit differs.
 */
MapStore largestMap(bool shifted = false)
{
    MapTables tables;
    const int first = shifted ? 2 : 1;
    const auto numberAt = [first](int x, int y) {
        return y * side + x + first;
    };
    if (shifted) {
        tables.rooms.append(Room::blank());
        tables.coordinates.append({0, 0, 0});
    }
    for (int number = 1; number <= maxRoomCount - first + 1; ++number) {
        const int x = (number - 1) % side;
        const int y = (number - 1) / side;
        Room room = Room::blank();
        room.description.setText(QStringLiteral("Sala %1. Un pasillo.").arg(number % 5000));
        const auto link = [&](int slot, int tx, int ty) {
            if (tx >= 0 && ty >= 0 && tx < side && numberAt(tx, ty) <= maxRoomCount)
                room.exits[slot] = qint16(numberAt(tx, ty));
        };
        link(East, x + 1, y);
        link(North, x, y + 1);
        if (number % 7 != 0) {
            link(West, x - 1, y);
            link(South, x, y - 1);
        }
        tables.rooms.append(room);
        tables.coordinates.append({qint16(x), qint16(y), 0});
    }
    MapStore store;
    store.replaceTables(std::move(tables));
    store.setRoomCount(maxRoomCount);
    store.selectRoom(1);
    return store;
}

const MapStore &largest()
{
    static const MapStore store = largestMap();
    return store;
}

void BM_ReviewLargestMap(benchmark::State &state)
{
    const MapStore &map = largest();
    int problems = 0;
    for (auto _ : state) {
        problems = 0;
        for (const ProblemGroup &group : reviewMap(map))
            problems += int(group.problems.size());
    }
    state.counters["problems"] = problems;
}
BENCHMARK(BM_ReviewLargestMap)->Unit(benchmark::kMillisecond);

void BM_CompareLargestMaps(benchmark::State &state)
{
    const MapStore &map = largest();
    static const MapStore shifted = largestMap(true);
    const MapStore &other = state.range(0) != 0 ? shifted : map;
    int differences = 0;
    for (auto _ : state) {
        differences = 0;
        for (const ProblemGroup &group : compareMaps(map, other).groups)
            differences += int(group.problems.size());
    }
    state.counters["differences"] = differences;
}
// 0: one map against itself; 1: against the shifted one.
BENCHMARK(BM_CompareLargestMaps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WayAcrossLargestMap(benchmark::State &state)
{
    qsizetype moves = 0;
    for (auto _ : state)
        moves = shortestWay(largest(), 1, maxRoomCount).value_or(QVector<int>()).size();
    state.counters["moves"] = double(moves);
}
BENCHMARK(BM_WayAcrossLargestMap)->Unit(benchmark::kMillisecond);

void BM_WalkLargestMap(benchmark::State &state)
{
    TestWalk walk;
    for (auto _ : state)
        walk = testWalk(largest());
    state.counters["moves"] = double(walk.steps.size());
    state.counters["exits"] = walk.exitsToWalk;
}
BENCHMARK(BM_WalkLargestMap)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
