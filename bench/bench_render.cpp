// tavik-render as a whole process: 1490 kHz around Kansas City at
// 1600 x 1200 on the bundled data, beside its floor, the same command in an
// empty folder (process start, Qt, font set-up and PNG writing, no data).
// Prints median_ms, floor_ms and ratio = median / floor, in wall time and
// in the process's CPU time (cpu_median_ms, cpu_floor_ms, cpu_ratio).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#ifndef TAVIK_DATA_DIR
#define TAVIK_DATA_DIR "data"
#endif
#ifndef TAVIK_RENDER
#define TAVIK_RENDER "tavik-render"
#endif

extern char **environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct RunTime {
    double wallMs = -1; // negative when the render did not exit with 0
    double cpuMs = 0;   // user and system time of the process
};

// Runs the render in `dir`.
RunTime Render(const fs::path &dir, const fs::path &output) {
    const std::string out = output.string();
    std::vector<std::string> args = {TAVIK_RENDER, "--channel", "1490",
                                     "--home",     "39.1,94.6", "--size",
                                     "1600x1200",  "-o",        out};
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    const Clock::time_point t0 = Clock::now();
    // The empty folder's missing files are reported on standard error.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 1;
    rusage usage{};
    if (posix_spawn(&pid, TAVIK_RENDER, &quiet, nullptr, argv.data(),
                    environ) == 0)
        wait4(pid, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&quiet);
    RunTime run;
    run.wallMs =
        std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    fs::current_path(previous);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        run.wallMs = -1;
    return run;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void BM_RenderProcess(benchmark::State &state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const fs::path empty = fs::temp_directory_path() / "tavik-bench-empty";
    fs::create_directories(empty);
    const fs::path output = fs::temp_directory_path() / "tavik-bench.png";
    std::vector<double> wall, floorWall, cpu, floorCpu;
    for (auto _ : state) {
        const RunTime full = Render(TAVIK_DATA_DIR, output);
        const RunTime bare = Render(empty, output);
        if (full.wallMs < 0 || bare.wallMs < 0) {
            state.SkipWithError("tavik-render failed");
            break;
        }
        state.SetIterationTime(full.wallMs / 1000);
        wall.push_back(full.wallMs);
        cpu.push_back(full.cpuMs);
        floorWall.push_back(bare.wallMs);
        floorCpu.push_back(bare.cpuMs);
    }
    fs::remove_all(empty);
    fs::remove(output);
    const auto report = [&](const char *prefix, double median, double floor) {
        const std::string p = prefix;
        state.counters[p + "median_ms"] = median;
        state.counters[p + "floor_ms"] = floor;
        state.counters[p + "ratio"] = floor > 0 ? median / floor : 0;
    };
    report("", Median(wall), Median(floorWall));
    report("cpu_", Median(cpu), Median(floorCpu));
}
BENCHMARK(BM_RenderProcess)
    ->Iterations(11)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
