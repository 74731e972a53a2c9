// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the transcript reader and its drawing: any bytes, read as a game's transcript
// and drawn into a fresh map, must leave a consistent map within 32767 rooms whose exits all lead
// to rooms of the map, the game check of the same turns against that map must name only its
// rooms, and undo must take every drawn turn back.
#include "commands/transcriptturns.h"
#include "core/gamecheck.h"
#include "core/mapstore.h"
#include "require.h"

#include <cstdint>

using namespace rumbario;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MapStore store;
    store.replaceTables(resetTables());
    store.setBlankRoom(Room::blank());
    store.selectRoom(1);
    store.clearHistory();
    TranscriptMapping mapping;
    const QByteArrayView bytes(data, qsizetype(size));
    const QVector<TranscriptTurn> turns = transcriptTurns(transcriptText(bytes));
    drawTranscriptTurns(store, mapping, turns);
    const qint16 rooms = store.roomCount();
    for (const ProblemGroup &group : checkGame(store, turns, {})) {
        for (const MapProblem &problem : group.problems)
            require(problem.room >= 0 && problem.room <= rooms);
    }
    require(rooms >= 1 && store.rooms().size() == rooms);
    require(store.coordinates().size() == rooms);
    for (const Room &room : store.rooms()) {
        for (const qint16 exit : room.exits)
            require(exit >= 0 && exit <= rooms);
    }
    while (store.undo()) {
    }
    require(store.roomCount() == 1);
    return 0;
}
