// SPDX-License-Identifier: GPL-3.0-or-later
// The plan's layout: the real map, a generated map of 32767 rooms and 16383 pairs of rooms laid out
// from their exits (budget 300 ms for each of the two large ones), a tower of 32767 levels of one
// room each (budget 300 ms and 64 MB at the peak), and for each level how it reads:
// crossings, lines over a room they do not join, share of lines on a compass angle, mean length in
// rooms. Goals for the real map's first level: at most 250 crossings, 5 lines over rooms, 85 % on a
// compass angle, a mean length of 1.6 rooms.
#include "core/planfile.h"
#include "window/planmodel.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <set>

#include <sys/resource.h>

using namespace rumbario;

namespace {

constexpr int levels = 8;
constexpr int levelSide = 64;

/**
 * 32767 rooms on eight levels of 64 by 64: a maze of corridors east-west and north-south with
 * one diagonal in three rooms, stairs up and down, and some passages that come back another way.
 */
MapTables largestMap()
{
    MapTables tables;
    const auto numberAt = [](int x, int y, int z) {
        return z * levelSide * levelSide + y * levelSide + x + 1;
    };
    for (int number = 1; number <= maxRoomCount; ++number) {
        const int z = (number - 1) / (levelSide * levelSide);
        const int y = (number - 1) / levelSide % levelSide;
        const int x = (number - 1) % levelSide;
        Room room = Room::blank();
        const auto link = [&](int slot, int tx, int ty, int tz) {
            const int target = numberAt(tx, ty, tz);
            if (tx >= 0 && tx < levelSide && ty >= 0 && ty < levelSide && target <= maxRoomCount)
                room.exits[slot] = qint16(target);
        };
        if (y % 2 == 0 || x % 5 == 0) {
            link(East, x + 1, y, z);
            link(West, x - 1, y, z);
        }
        if (x % 3 == 0) {
            link(North, x, y + 1, z);
            link(South, x, y - 1, z);
        }
        if (number % 3 == 0) {
            link(NorthEast, x + 1, y + 1, z);
            link(SouthWest, x - 1, y - 1, z);
        }
        if (x == y) {
            link(Up, x, y, z + 1);
            link(Down, x, y, z - 1);
        }
        if (number % 17 == 0)
            link(In, x + 3, y + 2, z);
        tables.rooms.append(room);
        tables.coordinates.append({0, 0, qint16(z)});
    }
    return tables;
}

/** As many pairs of rooms as fit, each pair joined east-west and no pair to another. */
MapStore pairsMap()
{
    MapTables tables;
    for (int number = 1; number <= maxRoomCount; ++number) {
        Room room = Room::blank();
        const bool west = number % 2 == 1;
        if (number < maxRoomCount)
            room.exits[west ? East : West] = qint16(west ? number + 1 : number - 1);
        tables.rooms.append(room);
        tables.coordinates.append({0, 0, 0});
    }
    MapStore store;
    store.replaceTables(std::move(tables));
    store.setRoomCount(store.tableSize());
    store.selectRoom(1);
    return store;
}

/** A tower: each room alone on its level, one above the one before, joined up and down. */
MapStore towerMap()
{
    MapTables tables;
    for (int number = 1; number <= maxRoomCount; ++number) {
        Room room = Room::blank();
        if (number < maxRoomCount)
            room.exits[Up] = qint16(number + 1);
        if (number > 1)
            room.exits[Down] = qint16(number - 1);
        tables.rooms.append(room);
        tables.coordinates.append({0, 0, qint16(number - 1)});
    }
    MapStore store;
    store.replaceTables(std::move(tables));
    store.setRoomCount(store.tableSize());
    store.selectRoom(1);
    return store;
}

MapStore realMap()
{
    MapStore store;
    readPlanFile(store, QStringLiteral(RUMBARIO_REAL_MAP));
    store.setRoomCount(store.tableSize());
    store.selectRoom(1);
    return store;
}

MapStore generatedMap()
{
    MapStore store;
    store.replaceTables(largestMap());
    store.setRoomCount(store.tableSize());
    store.selectRoom(1);
    return store;
}

/** The figures of every level of a laid-out map, as counters of the benchmark. */
void reportLevels(benchmark::State &state, const MapStore &store, const PlanIndex &index)
{
    std::set<int> shown;
    // An int: a 16-bit counter would wrap before passing the largest room number.
    for (int room = 1; room <= index.roomCount(); ++room)
        shown.insert(index.shownPosition(qint16(room))[2]);
    for (int level : shown) {
        PlanViewport whole;
        whole.size = QSizeF(2560, 2560);
        whole.fit(levelArea(store, index, level));
        const PlanFigures figures = planFigures(buildLevelScene(store, index, whole, level, 0));
        const std::string name = "level" + std::to_string(level) + "_";
        state.counters[name + "rooms"] = figures.boxes;
        state.counters[name + "crossings"] = figures.crossings;
        state.counters[name + "overRooms"] = figures.throughRooms;
        state.counters[name + "compassPct"] =
            figures.lines ? 100.0 * figures.onCompass / figures.lines : 100.0;
        state.counters[name + "meanLength"] = figures.meanLength;
    }
}

void layOut(benchmark::State &state, const MapStore &store)
{
    PlanIndex index;
    for (auto _ : state) {
        PlanIndex fresh;
        fresh.update(store);
        benchmark::DoNotOptimize(fresh.roomCount());
    }
    index.update(store);
    reportLevels(state, store, index);
}

void BM_LayOutRealMap(benchmark::State &state)
{
    layOut(state, realMap());
}

void BM_LayOutLargestMap(benchmark::State &state)
{
    layOut(state, generatedMap());
}

/**
 * Memory, in the peak the process has reached: a layout keeps its squares in blocks per level,
 * and here each of the 32767 levels has a room. Run first, before the other maps' layouts.
 */
void BM_LayOutTower(benchmark::State &state)
{
    const MapStore store = towerMap();
    for (auto _ : state) {
        PlanIndex fresh;
        fresh.update(store);
        benchmark::DoNotOptimize(fresh.roomCount());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}

/** Groups placed apart from each other: 16383 of them, on one level. */
void BM_LayOutPairs(benchmark::State &state)
{
    layOut(state, pairsMap());
}

BENCHMARK(BM_LayOutTower)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOutRealMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOutPairs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOutLargestMap)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
