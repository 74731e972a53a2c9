// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the map of a game's source: the largest map written as each game format and read back
// (budget 200 ms for Inform 6 and DAAD), and a hostile Inform 7 source of 10 MB on one line,
// every word quoted, which must be read in linear time.
#include "core/gameexport.h"
#include "core/gameimport.h"
#include "core/mapstore.h"

#include <benchmark/benchmark.h>

using namespace rumbario;

namespace {

/** 32767 described rooms in rows of 181, each leading east and north with a way back. */
MapStore largestMap()
{
    constexpr int side = 181;
    MapTables tables;
    for (int number = 1; number <= maxRoomCount; ++number) {
        Room room = Room::blank();
        room.description.setText(
            QStringLiteral("Sala %1. Un pasillo largo y oscuro, con ecos lejanos.").arg(number));
        const auto link = [&](int slot, int target) {
            if (target >= 1 && target <= maxRoomCount)
                room.exits[slot] = qint16(target);
        };
        if (number % side != 0)
            link(East, number + 1);
        if ((number - 1) % side != 0)
            link(West, number - 1);
        link(North, number + side);
        link(South, number - side);
        tables.rooms.append(room);
        tables.coordinates.append({0, 0, 0});
    }
    MapStore store;
    store.replaceTables(std::move(tables));
    store.setRoomCount(maxRoomCount);
    return store;
}

void BM_ImportLargestGame(benchmark::State &state)
{
    static const MapStore map = largestMap();
    const auto format = GameFormat(state.range(0));
    const QByteArray source = exportGameSource(map, format, QStringLiteral("grande"));
    const QString name =
        QStringLiteral("grande.") + gameFormats()[size_t(state.range(0))].extension;
    qsizetype rooms = 0;
    for (auto _ : state)
        rooms = importGame(source, name).rooms.size();
    state.counters["rooms"] = double(rooms);
    state.counters["MB"] = double(source.size()) / 1e6;
}
// In the order of GameFormat: Inform 7, Inform 6, DAAD, ngPAWS.
BENCHMARK(BM_ImportLargestGame)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_ImportHostileInform7(benchmark::State &state)
{
    QByteArray source;
    while (source.size() < 10 * 1000 * 1000)
        source += "\"a\" is north of \"b\" and ";
    for (auto _ : state)
        benchmark::DoNotOptimize(importGame(source, QStringLiteral("hostil.ni")).rooms.size());
}
BENCHMARK(BM_ImportHostileInform7)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
