#include "bench/bench_window_support.h"

#include "map/map_commands.h"
#include "map/recording_surface.h"
#include "stations/channel_file.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <unistd.h>

namespace tavik {

namespace {

constexpr int kFloorRuns = 7;

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Work> FloorTime MedianTime(Work work) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < kFloorRuns; ++i) {
        const Stopwatch start;
        work();
        wall.push_back(start.WallMs());
        cpu.push_back(start.ElapsedCpuMs());
    }
    return {Median(wall), Median(cpu)};
}

bool Inside(float x, float y) {
    return x >= 0 && x <= 12000 && y >= 0 && y <= 9000;
}

double ResidentMb() {
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) *
           static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace

SessionSettings KansasCitySettings(float scale) {
    SessionSettings s;
    s.channelKHz = 1490;
    s.homeCity = "Kansas City MO";
    s.homeLatitude = 39.1f;
    s.homeLongitude = 94.6f;
    s.patternSize = 0.2f;
    s.scaleFactor = scale;
    s.ringsOn = 1;
    s.compassOn = 1;
    return s;
}

void ResizeCanvas(QWidget &window, QWidget &canvas, QSize size) {
    for (int attempt = 0; attempt < 3 && canvas.size() != size; ++attempt) {
        window.resize(window.size() + size - canvas.size());
        QCoreApplication::processEvents();
    }
    canvas.repaint();
}

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 +
           static_cast<double>(t.tv_nsec) / 1e6;
}

double Stopwatch::WallMs() const {
    return std::chrono::duration<double, std::milli>(Clock::now() - wall)
        .count();
}

void Samples::Add(benchmark::State &state, const Stopwatch &start) {
    const double cpu = start.ElapsedCpuMs();
    const double wall = start.WallMs();
    state.SetIterationTime(wall / 1000);
    wallMs.push_back(wall);
    cpuMs.push_back(cpu);
}

FloorTime FloorInputs::MedianRead() const {
    std::vector<char> buffer(1 << 20);
    return MedianTime([&] {
        long total = 0;
        for (const std::string &name : files) {
            std::ifstream in(name, std::ios::binary);
            while (in.read(buffer.data(),
                           static_cast<std::streamsize>(buffer.size())) ||
                   in.gcount() > 0)
                total += in.gcount();
        }
        benchmark::DoNotOptimize(total);
    });
}

FloorTime FloorInputs::MedianDraw(QSize size) const {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const qreal scale =
        std::min(size.width() / 12000.0, size.height() / 9000.0);
    return MedianTime([&] {
        image.fill(Qt::white);
        QPainterPath path;
        for (const Vertex &v : vertices) {
            if (v.starts)
                path.moveTo(v.at * scale);
            else
                path.lineTo(v.at * scale);
        }
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(Qt::blue, 1);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawPath(path);
    });
}

FloorInputs MeasureFloors(const SessionSettings &start, bool allStations) {
    SessionSettings settings = start;
    RecordingSurface surface;
    OutlinePen pen;
    MapContext map{settings, surface, surface, pen, ""};
    FloorInputs floors;
    floors.files = {"STATES.dat", "REGION2.dat"};
    if (allStations) {
        DrawAllStationsMap(map);
        for (int c = 530; c <= 1700; c += 10)
            if (c != 1610)
                floors.files.push_back(ChannelFileName(static_cast<float>(c)));
    } else {
        ViewMenuState menu;
        ZoomIn(map, menu);
        floors.files.push_back(ChannelFileName(settings.channelKHz));
    }
    // Segments with both ends inside the map; a segment that does not start
    // where the last one ended starts a new chain.
    float x = 0, y = 0;
    QPointF last(-1, -1);
    for (const DrawOp &op : surface.ops) {
        float x1 = x, y1 = y, x2 = x, y2 = y;
        if (op.kind == OpKind::Line) {
            x1 = op.a[0];
            y1 = op.a[1];
            x2 = op.a[2];
            y2 = op.a[3];
        } else if (op.kind == OpKind::LineTo) {
            x2 = op.a[0];
            y2 = op.a[1];
        } else if (op.kind == OpKind::Cls) {
            x2 = y2 = 0;
        } else if (op.kind == OpKind::PSet) {
            x2 = op.a[0];
            y2 = op.a[1];
        }
        const bool segment =
            op.kind == OpKind::Line || op.kind == OpKind::LineTo;
        if (segment && (x1 != x2 || y1 != y2) && Inside(x1, y1) &&
            Inside(x2, y2)) {
            if (QPointF(x1, y1) != last)
                floors.vertices.push_back({QPointF(x1, y1), true});
            floors.vertices.push_back({QPointF(x2, y2), false});
            last = QPointF(x2, y2);
        }
        x = x2;
        y = y2;
    }
    return floors;
}

void Report(benchmark::State &state, const Samples &samples, FloorTime floor,
            const FloorInputs &floors) {
    const double wall = Median(samples.wallMs), cpu = Median(samples.cpuMs);
    state.counters["median_ms"] = wall;
    state.counters["floor_ms"] = floor.wallMs;
    state.counters["ratio"] = floor.wallMs > 0 ? wall / floor.wallMs : 0;
    state.counters["cpu_ms"] = cpu;
    state.counters["cpu_floor_ms"] = floor.cpuMs;
    state.counters["cpu_ratio"] = floor.cpuMs > 0 ? cpu / floor.cpuMs : 0;
    state.counters["vertices"] = static_cast<double>(floors.vertices.size());
    state.counters["rss_MB"] = ResidentMb();
}

} // namespace tavik
