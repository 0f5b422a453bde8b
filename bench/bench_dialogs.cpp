// Opening the home and distance dialogs on the bundled reference lists
// (861 cities, some 1800 "K" and 2600 "W" lines): building the dialog, its
// three lists and boxes, and showing it until its first paint.

#include "dialogs/get_distance_dialog.h"
#include "dialogs/get_home_dialog.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

#ifndef TAVIK_DATA_DIR
#define TAVIK_DATA_DIR "data"
#endif

namespace tavik {
namespace {

const ReferenceLists &BundledLists() {
    static const ReferenceLists lists = [] {
        ReferenceLists l;
        LoadReferenceLists(TAVIK_DATA_DIR, l);
        return l;
    }();
    return lists;
}

template <typename Open> void OpenAndShow(benchmark::State &state, Open open) {
    const ReferenceLists &lists = BundledLists();
    SessionSettings settings;
    settings.homeCity = "Dallas TX";
    settings.homeLatitude = 32.78f;
    settings.homeLongitude = 96.82f;
    HomeCandidate candidate;
    for (auto _ : state) {
        auto dialog = open(settings, lists, candidate);
        dialog->show();
        dialog->grab(); // lays out and paints once
        benchmark::DoNotOptimize(dialog.get());
    }
    state.counters["lines"] =
        static_cast<double>(lists.cities.size() + lists.callsK.size() +
                            lists.callsW.size());
}

void BM_OpenGetHome(benchmark::State &state) {
    OpenAndShow(state, [](SessionSettings &s, const ReferenceLists &l,
                          HomeCandidate &c) {
        return std::make_unique<GetHomeDialog>(s, l, c, nullptr);
    });
}
BENCHMARK(BM_OpenGetHome)->Unit(benchmark::kMillisecond);

void BM_OpenGetDistance(benchmark::State &state) {
    OpenAndShow(state, [](SessionSettings &s, const ReferenceLists &l,
                          HomeCandidate &) {
        return std::make_unique<GetDistanceDialog>(s, l, nullptr);
    });
}
BENCHMARK(BM_OpenGetDistance)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavik

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
