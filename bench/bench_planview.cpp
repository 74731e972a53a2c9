// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the largest map, on the offscreen platform: one repaint of the plan (budget
// 2 ms), one key event with the repaint that follows it (budget 5 ms, the map's review open
// beside the plan included), opening the largest plan file from the accepted file dialog to the
// success message and the first painted plan (budget 30 ms), and placing the labels of a large
// level's stubs (budget 50 ms).
#include "core/planfile.h"
#include "widgets/mainwindow.h"
#include "widgets/plandrawing.h"
#include "widgets/planview.h"
#include "window/keyhandler.h"
#include "window/mapreview.h"
#include "window/openandsave.h"
#include "window/roomview.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace rumbario;

namespace {

constexpr int gridSide = 182;

/** 32767 rooms on a grid of one level, each linked east and north where there is a room. */
MapTables largestMap()
{
    MapTables tables;
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
        room.description.setText(
            QStringLiteral("Sala %1 del laberinto, húmeda y oscura, ").arg(number) +
            QString(100, u'ñ'));
        tables.rooms.append(room);
        tables.coordinates.append({qint16(x), qint16(y), 0});
    }
    return tables;
}

/** The real window, but with the file dialog accepting a given file and messages answered. */
class AnsweredWindow : public MainWindow
{
public:
    QString chosenFile;
    QString lastMessage;

    bool runFileDialog(FileDialogMode, FileDialogSettings &settings) override
    {
        settings.fileName = chosenFile;
        return true;
    }
    Answer messageBox(const QString &prompt, Buttons, const QString &) override
    {
        lastMessage = prompt;
        return Answer::Ok;
    }
};

struct LargestWindow
{
    LargestWindow()
    {
        window.resize(1024, 768);
        window.show();
        MapStore &store = window.editor().store;
        store.replaceTables(largestMap());
        store.setRoomCount(maxRoomCount);
        store.selectRoom(qint16(gridSide * 90 + 91));
        store.endAction();
        showRoom(window.editor());
        window.mapChanged();
        QApplication::processEvents();
        window.chosenFile = folder.filePath(QStringLiteral("grande.pln"));
        writePlanFile(store, window.chosenFile);
    }
    QTemporaryDir folder;
    AnsweredWindow window;
    QImage image{1024, 768, QImage::Format_ARGB32_Premultiplied};
};

/** The window, closed before the application ends, as widgets must be. */
std::unique_ptr<LargestWindow> &largestWindowHolder()
{
    static std::unique_ptr<LargestWindow> window;
    return window;
}

LargestWindow &largestWindow()
{
    std::unique_ptr<LargestWindow> &window = largestWindowHolder();
    if (!window)
        window = std::make_unique<LargestWindow>();
    return *window;
}

/**
 * The argument is the zoom, in pixels a room: the first zoom (130), at which a key must take
 * under 1 ms with its repaint, and the least a map too large to fit is opened at (30).
 */
void BM_PlanRepaint(benchmark::State &state)
{
    LargestWindow &large = largestWindow();
    PlanView *plan = large.window.planView();
    plan->setScale(double(state.range(0)));
    for (auto _ : state)
        plan->render(&large.image);
}

void BM_KeyEventWithRepaint(benchmark::State &state)
{
    LargestWindow &large = largestWindow();
    PlanView *plan = large.window.planView();
    plan->setScale(double(state.range(0)));
    bool east = true;
    for (auto _ : state) {
        handleMapKey(large.window.editor(), east ? Qt::Key_Right : Qt::Key_Left, 0);
        plan->render(&large.image);
        east = !east;
    }
}

void BM_KeyEventWithReviewOpen(benchmark::State &state)
{
    LargestWindow &large = largestWindow();
    PlanView *plan = large.window.planView();
    plan->setScale(130);
    showMapReview(large.window.editor());
    bool east = true;
    for (auto _ : state) {
        handleMapKey(large.window.editor(), east ? Qt::Key_Right : Qt::Key_Left, 0);
        plan->render(&large.image);
        east = !east;
    }
    large.window.findChild<QWidget *>(QStringLiteral("ReportWindow"))->close();
}

/**
 * Placing the labels of stubs to another level on a level of 3600 rooms, each with two stubs
 * whose labels cannot stay where they begin: a picture of a whole large level draws them all
 * (budget 50 ms).
 */
void BM_PlaceStubLabels(benchmark::State &state)
{
    QVector<QRectF> boxes;
    QVector<PlanDrawing::StubLabel> labels;
    for (int x = 0; x < 60; ++x) {
        for (int y = 0; y < 60; ++y) {
            boxes.append(QRectF(100 * x, 100 * y, 60, 60));
            labels.append({QPointF(100 * x + 30, 100 * y - 30), QPointF(0, -1), QSizeF(50, 17)});
            labels.append({QPointF(100 * x + 90, 100 * y + 30), QPointF(1, 0), QSizeF(50, 17)});
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanDrawing::placeStubLabels(labels, boxes));
}

void BM_OpenLargestMap(benchmark::State &state)
{
    LargestWindow &large = largestWindow();
    PlanView *plan = large.window.planView();
    for (auto _ : state) {
        openPlan(large.window.editor());
        plan->render(&large.image);
        state.PauseTiming();
        // Each open keeps the map it replaced for undoing; the benchmark measures opens alone.
        large.window.editor().store.clearHistory();
        state.ResumeTiming();
    }
    if (!large.window.lastMessage.contains(QStringLiteral("cargado correctamente.32767 salas.")))
        state.SkipWithError("the map did not open");
}

} // namespace

BENCHMARK(BM_OpenLargestMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanRepaint)->Arg(130)->Arg(30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyEventWithRepaint)->Arg(130)->Arg(30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyEventWithReviewOpen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlaceStubLabels)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window's settings and recovery copies go to a folder of the run's own: a run never
    // reads the copies of the runs before it, nor leaves its own in the user's folders.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (largestWindowHolder())
        largestWindowHolder()->window.editor().store.setModified(false);
    largestWindowHolder().reset();
    return 0;
}
