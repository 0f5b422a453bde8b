// tavik-render as a whole process: 1490 kHz around Kansas City at
// 1600 x 1200 on the bundled data, beside its floor, the same command in an
// empty folder (process start, Qt, font set-up and PNG writing, no data).
// Prints median_ms, floor_ms and ratio = median / floor, in wall time and
// in the process's CPU time (cpu_median_ms, cpu_floor_ms, cpu_ratio).

#include "bench/process_run.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifndef TAVIK_DATA_DIR
#define TAVIK_DATA_DIR "data"
#endif
#ifndef TAVIK_RENDER
#define TAVIK_RENDER "tavik-render"
#endif

namespace {

namespace fs = std::filesystem;
using tavik::bench::RunTime;

// Runs the render in `dir`.
RunTime Render(const fs::path &dir, const fs::path &output) {
    return tavik::bench::RunProcess({TAVIK_RENDER, "--channel", "1490",
                                     "--home", "39.1,94.6", "--size",
                                     "1600x1200", "-o", output.string()},
                                    dir);
}

void BM_RenderProcess(benchmark::State &state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const fs::path empty = fs::temp_directory_path() / "tavik-bench-empty";
    fs::create_directories(empty);
    const fs::path output = fs::temp_directory_path() / "tavik-bench.png";
    tavik::bench::MeasureBesideFloor(
        state, [&] { return Render(TAVIK_DATA_DIR, output); },
        [&] { return Render(empty, output); }, "tavik-render failed");
    fs::remove_all(empty);
    fs::remove(output);
}
BENCHMARK(BM_RenderProcess)
    ->Iterations(11)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
