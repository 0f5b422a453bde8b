#pragma once
// Runs a program as a whole process and measures it, for the benchmarks that
// time what a user starts: the renderer, the program's first window.

#include <benchmark/benchmark.h>

#include <filesystem>
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

// The wall and CPU times of a row's runs.
struct RunSeries {
    std::vector<double> wall, cpu;
    void Add(const RunTime &run) {
        wall.push_back(run.wallMs);
        cpu.push_back(run.cpuMs);
    }
};

// Sets the row's counters median_ms, floor_ms and ratio (median / floor),
// in wall time and again in CPU time (cpu_ prefix).
void Report(benchmark::State &state, const RunSeries &measured,
            const RunSeries &floor);

} // namespace tavik::bench
