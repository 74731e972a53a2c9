// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history on the largest map: what 10 000 actions of each kind leave in it, counted as
// the history counts itself for its 64 MB budget, and the time one action takes with its step.
#include "commands/describeroom.h"
#include "commands/linkrooms.h"
#include "commands/roomcreation.h"
#include "core/mapstore.h"
#include "core/planfile.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

using namespace rumbario;

namespace {

constexpr int actions = 10000;

/** 32767 - actions rooms, so that creating a room per action stays within the table. */
MapStore largeMap(int rooms)
{
    MapTables tables;
    for (int number = 1; number <= rooms; ++number) {
        Room room = Room::blank();
        room.description.setText(QStringLiteral("Sala %1: un pasillo húmedo con ecos lejanos, "
                                                "goteras y un olor a tierra mojada que no se va")
                                     .arg(number));
        tables.rooms.append(room);
        tables.coordinates.append(Coordinates{qint16(number % 100), qint16(number / 100), 0});
    }
    MapStore store;
    store.replaceTables(std::move(tables));
    store.setRoomCount(qint16(rooms));
    store.selectRoom(1);
    store.clearHistory();
    return store;
}

void reportHistory(benchmark::State &state, const MapStore &store)
{
    state.counters["steps"] = double(store.journal().done());
    state.counters["history_MB"] = double(store.journal().memoryUse()) / (1024.0 * 1024.0);
    state.counters["bytes_per_step"] =
        double(store.journal().memoryUse()) / double(std::max<size_t>(1, store.journal().done()));
}

template<typename Action>
void runActions(benchmark::State &state, int rooms, const Action &action)
{
    for (auto _ : state) {
        state.PauseTiming();
        MapStore store = largeMap(rooms);
        state.ResumeTiming();
        for (int i = 0; i < actions; ++i) {
            action(store, i);
            store.endAction();
        }
        state.PauseTiming();
        reportHistory(state, store);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * actions);
}

void BM_HistoryOfCreations(benchmark::State &state)
{
    runActions(state, maxRoomCount - actions, [](MapStore &store, int) {
        store.selectRoom(createRoom(store, store.currentRoom(), 3));
    });
}
BENCHMARK(BM_HistoryOfCreations)->Unit(benchmark::kMillisecond);

void BM_HistoryOfDescriptions(benchmark::State &state)
{
    runActions(state, maxRoomCount, [](MapStore &store, int i) {
        store.selectRoom(qint16(i % maxRoomCount + 1));
        describeRoom(store, QStringLiteral("Descripción nueva número %1").arg(i));
    });
}
BENCHMARK(BM_HistoryOfDescriptions)->Unit(benchmark::kMillisecond);

void BM_HistoryOfLinks(benchmark::State &state)
{
    runActions(state, maxRoomCount, [](MapStore &store, int i) {
        store.selectRoom(qint16(i % maxRoomCount + 1));
        linkRooms(store, qint16(i % 12 + 1), qint16((i * 7) % maxRoomCount + 1));
    });
}
BENCHMARK(BM_HistoryOfLinks)->Unit(benchmark::kMillisecond);

/** Opens keep both tables: the budget bounds them, forgetting the oldest. */
void BM_HistoryOfOpens(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        MapStore store = largeMap(maxRoomCount);
        const MapTables tables{store.rooms(), store.coordinates()};
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) {
            MapTables copy = tables;
            copy.rooms.detach();
            store.replaceTables(std::move(copy));
            store.endAction();
        }
        state.PauseTiming();
        reportHistory(state, store);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HistoryOfOpens)->Unit(benchmark::kMillisecond);

/**
 * 100 000 actions on a history that forgets its oldest step at each one: the time an action
 * takes at the start and at the end, which must be the same.
 */
void BM_ActionsBeyondTheBudget(benchmark::State &state)
{
    constexpr int many = 100000;
    constexpr int tenth = many / 10;
    for (auto _ : state) {
        state.PauseTiming();
        MapStore store = largeMap(maxRoomCount);
        store.setHistoryBudget(1 << 20);
        state.ResumeTiming();
        QElapsedTimer clock;
        double firstTenth = 0;
        clock.start();
        for (int i = 0; i < many; ++i) {
            store.selectRoom(qint16(i % maxRoomCount + 1));
            describeRoom(store, QStringLiteral("Descripción nueva número %1").arg(i));
            store.endAction();
            if (i == tenth - 1)
                firstTenth = double(clock.nsecsElapsed());
            if (i == many - tenth)
                clock.restart();
        }
        state.counters["ns_per_action_first"] = firstTenth / tenth;
        state.counters["ns_per_action_last"] = double(clock.nsecsElapsed()) / tenth;
    }
}
BENCHMARK(BM_ActionsBeyondTheBudget)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
