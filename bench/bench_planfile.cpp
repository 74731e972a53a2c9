// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the largest map the editor holds: 32767 rooms with 100-character
// descriptions and most exits used. Budgets: reading under 10 ms, writing under 50 ms, and the
// worst-shaped file of as many records (line ends a lone CR, a blank before every line, quoted
// descriptions longer than a room keeps) under 20 ms. A recovery copy costs a write and a few
// lines beside it. Writing a game of each format stays under 100 ms.
#include "core/exportmap.h"
#include "core/gameexport.h"
#include "core/mapstore.h"
#include "core/planfile.h"
#include "core/recoverycopy.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rumbario;

namespace {

MapStore largestMap()
{
    MapTables tables;
    tables.rooms.reserve(maxRoomCount);
    for (int number = 1; number <= maxRoomCount; ++number) {
        Room room;
        for (int slot = 0; slot < exitCount - 2; ++slot)
            room.exits[slot] = static_cast<qint16>((number * 7 + slot * 131) % maxRoomCount + 1);
        room.description.setText(
            QStringLiteral("Sala %1: un pasillo húmedo con ecos lejanos, ").arg(number) +
            QString(100, u'ñ'));
        tables.rooms.append(room);
    }
    tables.coordinates.resize(maxRoomCount);
    MapStore store;
    store.replaceTables(std::move(tables));
    store.setRoomCount(maxRoomCount);
    return store;
}

struct LargestFile
{
    LargestFile()
    {
        path = folder.filePath(QStringLiteral("grande.pln"));
        writePlanFile(largestMap(), path);
    }
    QTemporaryDir folder;
    QString path;
};

const LargestFile &largestFile()
{
    static const LargestFile file;
    return file;
}

void BM_WritePlanFile(benchmark::State &state)
{
    const MapStore store = largestMap();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("grande.pln"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writePlanFile(store, path));
}

/** The copy kept of a map with unsaved changes: it runs from a timer, never inside a key. */
void BM_WriteRecoveryCopy(benchmark::State &state)
{
    const MapStore store = largestMap();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("recuperacion/copia.pln"));
    const QDateTime now = QDateTime::currentDateTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeRecoveryCopy(path, store, now));
}

/** Each game format of the largest map: linear in rooms and exits, each under 100 ms. */
void BM_ExportGame(benchmark::State &state)
{
    static const MapStore store = largestMap();
    const GameFormatInfo &format = gameFormats().at(size_t(state.range(0)));
    state.SetLabel(format.extension.toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(exportGameSource(store, format.format, QStringLiteral("mapa")));
}

// The part the four formats share: names, identifiers and exits worked out for every room.
void BM_ExportMap(benchmark::State &state)
{
    static const MapStore store = largestMap();
    for (auto _ : state)
        benchmark::DoNotOptimize(exportMap(store, {}, {}));
}

void BM_ReadFileBytes(benchmark::State &state)
{
    const QString &path = largestFile().path;
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

void BM_ReadPlanFile(benchmark::State &state)
{
    const QString &path = largestFile().path;
    MapStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlanFile(store, path));
    state.counters["rooms"] = double(store.rooms().size());
}

// The same read from bytes already in memory: how much of a read is parsing and building the
// table, and how much is the file.
void BM_ParsePlanBytes(benchmark::State &state)
{
    QFile file(largestFile().path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    MapStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlanBytes(store, bytes));
}

/** Every record off the form the editor writes, and no line feed anywhere in the file. */
QByteArray worstShapedFile()
{
    QByteArray bytes;
    const QByteArray description =
        "\"" + QByteArray(150, 'a') + " \"dicho\" " + QByteArray(40, 'b') + "\"";
    for (int number = 1; number <= maxRoomCount; ++number) {
        bytes += ' ';
        for (int slot = 0; slot < exitCount; ++slot)
            bytes += QByteArray::number((number * 7 + slot * 131) % maxRoomCount + 1) + ", ";
        bytes += description + '\r';
    }
    return bytes;
}

void BM_ReadWorstShapedFile(benchmark::State &state)
{
    const QByteArray bytes = worstShapedFile();
    MapStore store;
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlanBytes(store, bytes));
    state.counters["rooms"] = double(store.rooms().size());
}

} // namespace

BENCHMARK(BM_ReadWorstShapedFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePlanFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRecoveryCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportGame)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPlanFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParsePlanBytes)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
