// Costs that every redraw pays: reading a whole channel file and sweeping the
// pattern of each drawn station.

#include "stations/channel_file.h"
#include "stations/pattern.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace tavik {
namespace {

namespace fs = std::filesystem;

// A channel file far larger than any real one: `stations` records of 1 to 6
// towers, CR LF line ends.
fs::path WriteChannelFile(int stations) {
    const fs::path dir = fs::temp_directory_path() / "tavik-bench-stations";
    fs::create_directories(dir);
    std::ofstream out(dir / "1340.DAT", std::ios::binary);
    const char *countries[] = {"USA", "Canada", "Mexico", "Cuba"};
    const char *hours[] = {"U", "D", "N", "C"};
    char line[160];
    for (int s = 0; s < stations; ++s) {
        const int towers = 1 + s % 6;
        std::snprintf(line, sizeof line,
                      "K%04d,%s,TX,SOME CITY,%s,%s,%.4f,%.4f,%d,0,%d\r\n", s,
                      countries[s % 4], s % 7 ? "L" : "CP", hours[s % 4],
                      20.0 + (s % 300) * 0.1, 60.0 + (s % 700) * 0.1,
                      1 + s % 50, towers);
        out << line;
        for (int t = 1; t <= towers; ++t) {
            std::snprintf(line, sizeof line, "%d,%.3f,%d,%.1f,%.1f,%.1f\r\n",
                          t == 1 ? 0 : 1, 1.0 - t * 0.05, 180 + t, t * 37.5,
                          t == 1 ? 0.0 : 90.0, t * 12.5);
            out << line;
        }
    }
    return dir;
}

void BM_ReadChannelFile(benchmark::State &state) {
    const int stations = static_cast<int>(state.range(0));
    const fs::path dir = WriteChannelFile(stations);
    const auto bytes = fs::file_size(dir / "1340.DAT");
    const ShowFlags flags{1, 1, 1, 1, 0};
    StationRecord record;
    for (auto _ : state) {
        ChannelFile file;
        if (!file.Open(dir.string(), "1340.dat")) {
            state.SkipWithError("channel file missing");
            break;
        }
        int passed = 0;
        while (file.ReadStation(record) == ReadResult::Record)
            passed += PassesHoursFilter(record, 0) &&
                      PassesStatusFilter(record, 0) &&
                      PassesClassFilters(record.Call, flags);
        file.Close();
        benchmark::DoNotOptimize(passed);
    }
    state.SetItemsProcessed(state.iterations() * stations);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
    fs::remove_all(dir);
}
BENCHMARK(BM_ReadChannelFile)
    ->Arg(500)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

void BM_ComputePattern(benchmark::State &state) {
    StationRecord record;
    record.Hours = "U";
    record.Power = 50;
    record.Towers = static_cast<int16_t>(state.range(0));
    for (int i = 1; i <= record.Towers; ++i)
        record.Tower[i] = {
            i == 1 ? "0" : "1", 1.0f - i * 0.05f,      180,
            i * 37.5f,          i == 1 ? 0.0f : 90.0f, i * 12.5f};
    PatternTable table;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputePattern(record, table));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputePattern)->Arg(1)->Arg(4)->Arg(12);

} // namespace
} // namespace tavik

BENCHMARK_MAIN();
