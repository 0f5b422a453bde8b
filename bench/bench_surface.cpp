// 10,000 LineTo on the Qt surface into a 1200 x 900 image, as the renderer
// draws: in one colour, so that they batch into polylines, and in alternating
// colours, which cannot batch, for comparison. Two shapes: a wandering line
// like a coast (little overlap) and a spiral that crosses itself often.

#include "map/qt/qt_surface.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cmath>

namespace tavik {
namespace {

constexpr int kSegments = 10000;

void DrawCoast(QtSurface &s, Color a, Color b) {
    float x = 1000, y = 1000;
    s.Line(x, y, x, y, a);
    unsigned seed = 1;
    for (int i = 1; i <= kSegments; ++i) {
        seed = seed * 1103515245u + 12345u; // fixed pseudo-random steps
        const float angle = static_cast<float>((seed >> 16) % 360) * 0.01745f;
        x += 30 + 20 * std::cos(angle);
        y += 35 * std::sin(angle);
        if (x > 11000) {
            x = 1000;
            y += 800;
        }
        s.LineTo(x, y, (i & 1) ? b : a);
    }
    s.Flush();
}

void DrawSpiral(QtSurface &s, Color a, Color b) {
    s.Line(6000, 4500, 6000, 4500, a);
    for (int i = 1; i <= kSegments; ++i) {
        const float angle = i * 0.05f;
        const float r = i * 0.6f;
        s.LineTo(6000 + r * std::sin(angle), 4500 - r * std::cos(angle),
                 (i & 1) ? b : a);
    }
    s.Flush();
}

template <void (*Draw)(QtSurface &, Color, Color), Color Second>
void BM_LineTo(benchmark::State &state) {
    QImage image(1200, 900, QImage::Format_ARGB32_Premultiplied);
    QtSurface s(image);
    for (auto _ : state) {
        s.Cls();
        Draw(s, kRed, Second);
    }
    state.SetItemsProcessed(state.iterations() * kSegments);
}
BENCHMARK(BM_LineTo<DrawCoast, kRed>)
    ->Name("CoastOneColour")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineTo<DrawCoast, kBlack>)
    ->Name("CoastAlternatingColours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineTo<DrawSpiral, kRed>)
    ->Name("SpiralOneColour")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineTo<DrawSpiral, kBlack>)
    ->Name("SpiralAlternatingColours")
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavik

int main(int argc, char **argv) {
    // Fonts and images need a GUI application, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
