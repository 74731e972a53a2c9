// SPDX-License-Identifier: GPL-3.0-or-later
// The plan view on the largest map: one repaint (budget 2 ms) and one key event with the
// repaint that follows it (budget 5 ms), on the offscreen platform.
#include "widgets/form1.h"
#include "widgets/planview.h"
#include "window/keycodes.h"
#include "window/keyhandler.h"
#include "window/roomview.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace rumbario;

namespace {

constexpr int gridSide = 182;

/** 32767 rooms on a grid of one level, each linked east and north where there is a room. */
void fillLargestMap(Editor &editor)
{
    MapStore &store = editor.store;
    store.Lista.clear();
    store.coordinates.clear();
    for (int number = 1; number <= maxRoomCount; ++number) {
        const int x = (number - 1) % gridSide;
        const int y = (number - 1) / gridSide;
        Room room = Room::blank();
        if (x + 1 < gridSide && number < maxRoomCount)
            room.exits[East] = qint16(number + 1);
        if (x > 0)
            room.exits[West] = qint16(number - 1);
        if (number + gridSide <= maxRoomCount)
            room.exits[North] = qint16(number + gridSide);
        if (number > gridSide)
            room.exits[South] = qint16(number - gridSide);
        room.description.setText(QStringLiteral("Sala %1 del laberinto").arg(number));
        store.Lista.append(room);
        store.coordinates.append({qint16(x), qint16(y), 0});
    }
    store.roomCount = maxRoomCount;
    store.selectRoom(qint16(gridSide * 90 + 91));
    showRoom(editor);
}

struct LargestWindow
{
    LargestWindow()
    {
        window.resize(1024, 768);
        window.show();
        fillLargestMap(window.editor());
        QApplication::processEvents();
    }
    Form1 window;
    QImage image{1024, 768, QImage::Format_ARGB32_Premultiplied};
};

LargestWindow &largestWindow()
{
    static LargestWindow window;
    return window;
}

void BM_PlanRepaint(benchmark::State &state)
{
    LargestWindow &large = largestWindow();
    PlanView *plan = large.window.planView();
    for (auto _ : state)
        plan->render(&large.image);
}

void BM_KeyEventWithRepaint(benchmark::State &state)
{
    LargestWindow &large = largestWindow();
    PlanView *plan = large.window.planView();
    bool east = true;
    for (auto _ : state) {
        Picture1_KeyDown(large.window.editor(), east ? Key::Right : Key::Left, 0);
        plan->render(&large.image);
        east = !east;
    }
}

} // namespace

BENCHMARK(BM_PlanRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyEventWithRepaint)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    largestWindow().window.editor().store.modified = false;
    return 0;
}
