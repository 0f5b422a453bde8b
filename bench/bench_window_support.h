#pragma once
// Helpers of bench_window: the Kansas City session, sizing the window's
// canvas, per-iteration samples and the floors each figure is set beside.

#include "map/qt/map_window.h"
#include "session/reference_lists.h"
#include "session/session_settings.h"

#include <QDir>
#include <QPointF>
#include <QSize>
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#ifndef TAVIK_DATA_DIR
#define TAVIK_DATA_DIR "data"
#endif

namespace tavik {

using Clock = std::chrono::steady_clock;

// 1490 kHz around Kansas City with rings and compass at `scale`.
SessionSettings KansasCitySettings(float scale);

// Resizes the window so that its map canvas is `size` and paints it.
void ResizeCanvas(QWidget &window, QWidget &canvas, QSize size);

// The process's CPU time so far, in ms. On a machine others share, the
// wall time of a single-threaded task waits on theirs; its CPU time does not.
double CpuMs();

// Wall and CPU clocks read together.
struct Stopwatch {
    Clock::time_point wall = Clock::now();
    double cpuMs = CpuMs();
    void Restart() { *this = Stopwatch(); }
    double WallMs() const;
    double ElapsedCpuMs() const { return CpuMs() - cpuMs; }
};

// Wall and CPU times of the iterations, in ms.
struct Samples {
    // Ends the iteration started at `start`.
    void Add(benchmark::State &state, const Stopwatch &start);
    std::vector<double> wallMs, cpuMs;
};

// A floor's median wall and CPU time.
struct FloorTime {
    double wallMs = 0;
    double cpuMs = 0;
    FloorTime operator+(const FloorTime &o) const {
        return {wallMs + o.wallMs, cpuMs + o.cpuMs};
    }
};

// What the floors of one picture are measured on: the files it reads and
// its visible vertices in map units, taken from the same drawing on a
// recording surface.
struct FloorInputs {
    std::vector<std::string> files;
    struct Vertex {
        QPointF at;
        bool starts; // a new chain begins here
    };
    std::vector<Vertex> vertices;

    FloorTime MedianRead() const; // reading every file's bytes
    // ms for Qt to draw the vertices as one cosmetic antialiased path.
    FloorTime MedianDraw(QSize size) const;
};

// The picture the window shows after ZoomIn from settings' scale, or after
// the all-stations overview.
FloorInputs MeasureFloors(const SessionSettings &settings, bool allStations);

// Sets the row's counters: median_ms, floor_ms and ratio in wall time, the
// same three in CPU time (cpu_ms, cpu_floor_ms, cpu_ratio), the vertices
// drawn by the floor and the process's resident memory.
void Report(benchmark::State &state, const Samples &samples, FloorTime floor,
            const FloorInputs &floors);

} // namespace tavik
