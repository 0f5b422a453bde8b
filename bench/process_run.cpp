#include "bench/process_run.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace tavik::bench {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

RunTime RunProcess(const std::vector<std::string> &args, const fs::path &dir) {
    std::vector<std::string> copies = args;
    std::vector<char *> argv;
    for (std::string &a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    const Clock::time_point t0 = Clock::now();
    // Missing files and platform notes are reported on standard error.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 1;
    rusage usage{};
    if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0)
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

namespace {

// The wall and CPU times of a row's runs.
struct RunSeries {
    std::vector<double> wall, cpu;
    void Add(const RunTime &run) {
        wall.push_back(run.wallMs);
        cpu.push_back(run.cpuMs);
    }
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void ReportOne(benchmark::State &state, const std::string &prefix,
               const std::vector<double> &measured,
               const std::vector<double> &floor) {
    const double median = Median(measured), bottom = Median(floor);
    state.counters[prefix + "median_ms"] = median;
    state.counters[prefix + "floor_ms"] = bottom;
    state.counters[prefix + "ratio"] = bottom > 0 ? median / bottom : 0;
}

} // namespace

void MeasureBesideFloor(benchmark::State &state,
                        const std::function<RunTime()> &measured,
                        const std::function<RunTime()> &floor,
                        const char *failure) {
    RunSeries runs, floors;
    for (auto _ : state) {
        const RunTime run = measured();
        const RunTime bottom = floor();
        if (run.wallMs < 0 || bottom.wallMs < 0) {
            state.SkipWithError(failure);
            return;
        }
        state.SetIterationTime(run.wallMs / 1000);
        runs.Add(run);
        floors.Add(bottom);
    }
    ReportOne(state, "", runs.wall, floors.wall);
    ReportOne(state, "cpu_", runs.cpu, floors.cpu);
}

} // namespace tavik::bench
