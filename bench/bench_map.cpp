// A full redraw of the map from the bundled data files: grid, both outline
// files, rings, the channel plot and the compass, read again every time as
// the window does. The data folder is TAVIK_DATA_DIR, which the build points
// at the source tree's data/.

#include "map/map_layers.h"
#include "map/recording_surface.h"
#include "viewer/outline_view.h"

#include <benchmark/benchmark.h>

#include <string>

#ifndef TAVIK_DATA_DIR
#define TAVIK_DATA_DIR "data"
#endif

namespace tavik {
namespace {

// Draws nothing; counts the operations so that none is optimised away.
class NullSurface : public DrawingSurface {
  public:
    void Cls() override { ++ops; }
    void Line(float, float, float, float, Color) override { ++ops; }
    void LineTo(float, float, Color) override { ++ops; }
    void FilledBox(float, float, float, float, Color) override { ++ops; }
    void Circle(float, float, float, Color) override { ++ops; }
    void PSet(float, float, Color) override { ++ops; }
    void PrintText(std::string_view) override { ++ops; }
    void SetForeColor(Color) override { ++ops; }
    void SetFontSize(float) override { ++ops; }
    void SetDrawWidth(int) override { ++ops; }
    long ops = 0;
};

// The start-up defaults (Dallas, 1080 kHz) with every aid switched on.
SessionSettings BenchSettings(float scale) {
    SessionSettings s;
    s.channelKHz = 1080;
    s.homeCity = "Dallas TX";
    s.homeLatitude = 32.78f;
    s.homeLongitude = 96.8f;
    s.patternSize = 0.2f;
    s.scaleFactor = scale;
    s.ringsOn = 1;
    s.compassOn = 1;
    s.gridOn = 1;
    return s;
}

void BM_RedrawMapNullSurface(benchmark::State &state) {
    SessionSettings settings =
        BenchSettings(static_cast<float>(state.range(0)));
    NullSurface surface;
    RecordedMessages messages;
    OutlinePen pen;
    MapContext map{settings, surface, messages, pen, TAVIK_DATA_DIR};
    for (auto _ : state) {
        RedrawMap(map);
    }
    state.counters["ops/redraw"] =
        benchmark::Counter(static_cast<double>(surface.ops) /
                           static_cast<double>(state.iterations()));
    state.counters["messages"] = static_cast<double>(messages.shown.size());
}
BENCHMARK(BM_RedrawMapNullSurface)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

void BM_RedrawMapRecordingSurface(benchmark::State &state) {
    SessionSettings settings = BenchSettings(1000);
    RecordingSurface surface;
    OutlinePen pen;
    MapContext map{settings, surface, surface, pen, TAVIK_DATA_DIR};
    for (auto _ : state) {
        surface.ops.clear(); // keeps its capacity, as a trace writer would
        RedrawMap(map);
    }
    state.counters["ops/redraw"] = static_cast<double>(surface.ops.size());
}
BENCHMARK(BM_RedrawMapRecordingSurface)->Unit(benchmark::kMillisecond);

// The outline viewer's full draw of the same files, to set beside a map
// redraw: it must take no longer.
void BM_OutlineViewRecordingSurface(benchmark::State &state) {
    RecordingSurface surface;
    for (auto _ : state) {
        surface.ops.clear();
        DrawOutlineView(surface, TAVIK_DATA_DIR);
    }
    state.counters["ops/draw"] = static_cast<double>(surface.ops.size());
}
BENCHMARK(BM_OutlineViewRecordingSurface)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavik

BENCHMARK_MAIN();
