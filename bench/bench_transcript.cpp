// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a game's transcript of 10 000 turns into a map: splitting it into turns, telling the
// moves and the rooms, and drawing them. Budget: under 100 ms.
#include "core/mapstore.h"
#include "core/transcript.h"
#include "window/transcriptmapping.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

using namespace rumbario;

namespace {

constexpr int side = 40;

/**
 * A walk over a square of rooms with headings, a move a turn, some into the walls at the edges,
 * a look or another command now and then.
 */
QString longTranscript(int turns)
{
    QRandomGenerator random(11);
    const auto room = [](int x, int y) {
        return QStringLiteral("Sala %1-%2\nUna sala de la cuadrícula, húmeda y fría.\n\n")
            .arg(x)
            .arg(y);
    };
    static const char *const words[] = {"norte", "s", "ir al este", "oeste"};
    static const int dx[] = {0, 0, 1, -1};
    static const int dy[] = {1, -1, 0, 0};
    int x = 0, y = 0;
    QString text = QStringLiteral("Una cuadrícula\nUn juego largo.\n\n") + room(x, y);
    for (int turn = 0; turn < turns; ++turn) {
        if (turn % 10 == 9) {
            text += QStringLiteral(">coger piedra\nNo hay ninguna piedra aquí.\n\n");
            continue;
        }
        const int way = random.bounded(4);
        text += QStringLiteral(">") + QLatin1String(words[way]) + u'\n';
        const int nx = x + dx[way];
        const int ny = y + dy[way];
        if (nx < 0 || ny < 0 || nx >= side || ny >= side) {
            text += QStringLiteral("No puedes ir por ahí.\n\n");
            continue;
        }
        x = nx;
        y = ny;
        text += room(x, y);
    }
    return text;
}

MapStore freshMap()
{
    MapStore store;
    store.replaceTables({{Room::zeroed()}, {Coordinates{}}});
    store.setBlankRoom(Room::blank());
    store.setRoomCount(1);
    store.selectRoom(1);
    store.clearHistory();
    return store;
}

void BM_MapTranscript(benchmark::State &state)
{
    const QString transcript = longTranscript(int(state.range(0)));
    state.counters["MB"] = double(transcript.toUtf8().size()) / (1024 * 1024);
    qint16 rooms = 0;
    for (auto _ : state) {
        MapStore store = freshMap();
        TranscriptMapping mapping;
        drawTranscriptTurns(store, mapping, transcriptTurns(transcript));
        rooms = store.roomCount();
    }
    state.counters["rooms"] = rooms;
}

} // namespace

BENCHMARK(BM_MapTranscript)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
