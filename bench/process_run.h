#pragma once
// Runs a program as a whole process and measures it, for the benchmarks that
// time what a user starts: the renderer, the program's first window.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tavik::bench {

struct RunTime {
    double wallMs = -1; // negative when the process did not exit with 0
    double cpuMs = 0;   // user and system time of the process
};

// Runs args[0] with `args` in `dir`, its standard error discarded, and waits
// for it.
RunTime RunProcess(const std::vector<std::string> &args,
                   const std::filesystem::path &dir);

// Runs `measured` and then `floor` once an iteration, the iteration's time
// being the measured run's wall time, and sets the row's counters
// median_ms, floor_ms and ratio (median / floor), in wall time and again in
// CPU time (cpu_ prefix). A failed run ends the row with `failure`.
void MeasureBesideFloor(benchmark::State &state,
                        const std::function<RunTime()> &measured,
                        const std::function<RunTime()> &floor,
                        const char *failure);

} // namespace tavik::bench
