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

/** Draws a transcript file as the window reads one: a megabyte at a time. */
qint16 drawFile(const QString &path)
{
    MapStore store = freshMap();
    TranscriptReading reading;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (;;) {
        const QByteArray bytes = file.read(1 << 20);
        const bool atEnd = bytes.size() < (1 << 20);
        feedTranscript(store, reading, bytes, atEnd);
        if (atEnd)
            return store.roomCount();
    }
}

/** The bytes of a transcript of a kind: real turns, prompts alone, or no line end at all. */
QByteArray transcriptBytes(int kind, int turns)
{
    constexpr qsizetype size = 60 * 1024 * 1024;
    switch (kind) {
    case 0:
        return longTranscript(turns).toUtf8();
    case 1:
        return QByteArray(size / 2, '>').replace(">", ">\n");
    default:
        return QByteArray(size, 'x');
    }
}

/** Arguments: the kind of transcript (see transcriptBytes) and its turns when they are real. */
void BM_MapTranscript(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("partida.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(transcriptBytes(int(state.range(0)), int(state.range(1))));
        state.counters["MB"] = double(file.size()) / (1024 * 1024);
    }
    qint16 rooms = 0;
    for (auto _ : state)
        rooms = drawFile(path);
    state.counters["rooms"] = rooms;
}

} // namespace

BENCHMARK(BM_MapTranscript)
    ->Args({0, 10000})
    ->Args({0, 1000000})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
