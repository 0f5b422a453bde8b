// The program from its start to its first window painted, as a whole
// process on the bundled data (the reference lists beside the program, the
// session of the working directory), beside its floor: a bare Qt application
// started and one empty window painted.

#include "bench/process_run.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_StartToFirstPaint(benchmark::State &state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    tavik::bench::MeasureBesideFloor(
        state,
        [] { return tavik::bench::RunProcess({TAVIK_PROBE}, TAVIK_DATA_DIR); },
        [] {
            return tavik::bench::RunProcess({TAVIK_PROBE, "--bare"},
                                            TAVIK_DATA_DIR);
        },
        "the program did not start and end");
}
BENCHMARK(BM_StartToFirstPaint)
    ->Iterations(11)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
