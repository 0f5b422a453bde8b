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
    tavik::bench::RunSeries measured, floor;
    for (auto _ : state) {
        const tavik::bench::RunTime full =
            tavik::bench::RunProcess({TAVIK_PROBE}, TAVIK_DATA_DIR);
        const tavik::bench::RunTime bare =
            tavik::bench::RunProcess({TAVIK_PROBE, "--bare"}, TAVIK_DATA_DIR);
        if (full.wallMs < 0 || bare.wallMs < 0) {
            state.SkipWithError("the program did not start and end");
            break;
        }
        state.SetIterationTime(full.wallMs / 1000);
        measured.Add(full);
        floor.Add(bare);
    }
    tavik::bench::Report(state, measured, floor);
}
BENCHMARK(BM_StartToFirstPaint)
    ->Iterations(11)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
