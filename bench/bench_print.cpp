// Printing the busiest channel beside a map redraw, on the bundled data
// around Kansas City (39.1 N, 94.6 W, 1490 kHz): the printout after its
// dialog (the page drawn from the files and sent to Qt's PDF output at
// 1200 dpi) and the map window's redraw (the six layers drawn from the files
// and painted into a 1600 x 1200 image, as the window keeps its picture).

#include "bench/bench_window_support.h"
#include "map/kept_picture.h"
#include "map/qt/qt_surface.h"
#include "print/qt/print_driver.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace tavik {
namespace {

void BM_PrintPage(benchmark::State &state) {
    SessionSettings settings = KansasCitySettings(1000);
    OutlinePen pen;
    RecordedMessages layers, errors;
    const PrintJob job{settings, pen, layers, errors, TAVIK_DATA_DIR};
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    QString error;
    for (auto _ : state) {
        if (!SendPage(printer, RecordPage(job), 1, error))
            state.SkipWithError(error.toStdString().c_str());
    }
    state.counters["messages"] =
        static_cast<double>(layers.shown.size() + errors.shown.size());
}
BENCHMARK(BM_PrintPage)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_MapRedraw(benchmark::State &state) {
    SessionSettings settings = KansasCitySettings(1000);
    OutlinePen pen;
    RecordedMessages messages;
    RecordingSurface drawing;
    MapContext map{settings, drawing, messages, pen, TAVIK_DATA_DIR};
    QImage image(1600, 1200, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        drawing.ops.clear();
        RedrawMap(map);
        QtSurface surface(image);
        for (const DrawOp &op : drawing.ops)
            Replay(op, surface);
        surface.End();
    }
    state.counters["messages"] = static_cast<double>(messages.shown.size());
}
BENCHMARK(BM_MapRedraw)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
} // namespace tavik

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
