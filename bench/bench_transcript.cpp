// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a game's transcript into a map, from its file as the window reads it: splitting it
// into turns, telling the moves and the rooms, and drawing them. Budgets: 10 000 turns under
// 100 ms; a million turns (58 MB) under 2 s and 300 MB.
#include "core/mapstore.h"
#include "core/transcript.h"
#include "window/transcriptmapping.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

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

/**
 * Draws a transcript file as the window reads one: a megabyte at a time, each turn drawn once
 * the next prompt shows it whole, so that memory holds the map and not the transcript.
 */
qint16 drawFile(const QString &path)
{
    MapStore store = freshMap();
    TranscriptMapping mapping;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    QString waiting;
    for (QByteArray bytes = file.read(1 << 20); !bytes.isEmpty(); bytes = file.read(1 << 20)) {
        waiting += QString::fromUtf8(bytes);
        const qsizetype whole = waiting.lastIndexOf(QStringLiteral("\n>")) + 1;
        drawTranscriptTurns(store, mapping, transcriptTurns(QStringView(waiting).left(whole)));
        waiting.remove(0, whole);
    }
    drawTranscriptTurns(store, mapping, transcriptTurns(waiting));
    return store.roomCount();
}

void BM_MapTranscript(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("partida.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(longTranscript(int(state.range(0))).toUtf8());
        state.counters["MB"] = double(file.size()) / (1024 * 1024);
    }
    qint16 rooms = 0;
    for (auto _ : state)
        rooms = drawFile(path);
    state.counters["rooms"] = rooms;
}

} // namespace

BENCHMARK(BM_MapTranscript)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
