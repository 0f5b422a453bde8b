// What a user of the map window waits for, on the bundled data around Kansas
// City (39.1 N, 94.6 W, 1490 kHz, rings and compass): a view command from
// the menu item to the window's image updated at 1600 x 1200 pixels, the
// all-stations overview from the dialog's answer to the image, and a resize
// of the picture to 1920 x 1440 after each. Every figure stands beside its
// floor, measured in the same run:
//   read   reading the bytes of the files that picture draws from;
//   draw   Qt drawing the picture's visible segments as one cosmetic
//          antialiased path (a polyline that lifts the pen between chains)
//          into an image of the same size.
// Each row prints median_ms, floor_ms (read + draw; draw alone for a resize)
// and ratio = median / floor.

#include "bench/bench_window_support.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tavik {
namespace {

constexpr QSize kViewSize(1600, 1200);
constexpr QSize kResizedSize(1920, 1440);

// The window's drawing and the floors' inputs for one view.
struct Fixture {
    Fixture(float scale, bool allStations) {
        settings = KansasCitySettings(scale);
        window = std::make_unique<MapWindow>(settings, lists);
        window->show();
        canvas = window->findChild<QWidget *>(QStringLiteral("mapCanvas"));
        ResizeCanvas(*window, *canvas, kViewSize);
        floors = MeasureFloors(settings, allStations);
    }
    QAction *Item(const char *name) {
        return window->findChild<QAction *>(QString::fromLatin1(name));
    }

    SessionSettings settings;
    ReferenceLists lists;
    std::unique_ptr<MapWindow> window;
    QWidget *canvas = nullptr;
    FloorInputs floors;
};

// ZoomIn from `scale` (the result lands one step closer, 10000 at most).
void BM_ViewCommand(benchmark::State &state) {
    const float scale = static_cast<float>(state.range(0));
    Fixture f(scale, false);
    QAction *zoomIn = f.Item("mnuZoomIn");
    Samples samples;
    for (auto _ : state) {
        f.settings.scaleFactor = scale;
        zoomIn->setEnabled(true); // 10000 disables it
        const Stopwatch start;
        zoomIn->trigger();
        f.canvas->repaint();
        samples.Add(state, start);
    }
    const FloorTime floor =
        f.floors.MedianRead() + f.floors.MedianDraw(kViewSize);
    Report(state, samples, floor, f.floors);
}

// Answers the all-stations dialog with "Leave mapsize intact" as soon as it
// shows; `start` is restarted at the click.
void AnswerOverview(Stopwatch &start) {
    QTimer::singleShot(0, [&start] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog) {
            AnswerOverview(start);
            return;
        }
        start.Restart();
        dialog->findChild<QPushButton *>(QStringLiteral("cmdAlterNo"))
            ->click();
    });
}

void BM_AllStations(benchmark::State &state) {
    Fixture f(static_cast<float>(state.range(0)), true);
    QAction *all = f.Item("mnuShowStations");
    Samples samples;
    for (auto _ : state) {
        Stopwatch start;
        AnswerOverview(start);
        all->trigger();
        f.canvas->repaint();
        samples.Add(state, start);
    }
    const FloorTime floor =
        f.floors.MedianRead() + f.floors.MedianDraw(kViewSize);
    Report(state, samples, floor, f.floors);
}

// The picture after a view command (range 1 = 0) or the overview (1), made
// 1920 x 1440 from 1600 x 1200.
void BM_Resize(benchmark::State &state) {
    const bool allStations = state.range(1) != 0;
    Fixture f(static_cast<float>(state.range(0)), allStations);
    if (allStations) {
        Stopwatch start;
        AnswerOverview(start);
        f.Item("mnuShowStations")->trigger();
    } else {
        f.Item("mnuZoomIn")->trigger();
    }
    Samples samples;
    for (auto _ : state) {
        state.PauseTiming();
        ResizeCanvas(*f.window, *f.canvas, kViewSize);
        state.ResumeTiming();
        const Stopwatch start;
        ResizeCanvas(*f.window, *f.canvas, kResizedSize);
        samples.Add(state, start);
    }
    if (f.canvas->size() != kResizedSize)
        state.SkipWithError("the canvas did not take the size asked for");
    Report(state, samples, f.floors.MedianDraw(kResizedSize), f.floors);
}

BENCHMARK(BM_ViewCommand)
    ->ArgName("scale")
    ->Arg(1000)
    ->Arg(100)
    ->Arg(7072) // one ZoomIn reaches 10000
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllStations)
    ->ArgName("scale")
    ->Arg(283)
    ->Arg(10000)
    ->Iterations(9)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resize)
    ->ArgNames({"scale", "all"})
    ->Args({1000, 0})
    ->Args({100, 0})
    ->Args({7072, 0})
    ->Args({283, 1})
    ->Args({10000, 1})
    ->Iterations(9)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavik

// The offscreen platform warns at every window resize; nothing to see.
void QuietResizeWarnings(QtMsgType type, const QMessageLogContext &,
                         const QString &text) {
    if (!text.contains(QStringLiteral("propagateSizeHints")))
        std::fprintf(stderr, "%d: %s\n", static_cast<int>(type),
                     qPrintable(text));
}

int main(int argc, char **argv) {
    qInstallMessageHandler(QuietResizeWarnings);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window reads its data files from the working directory.
    if (!QDir::setCurrent(QStringLiteral(TAVIK_DATA_DIR)))
        return EXIT_FAILURE;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
