#include "map/pattern_outline.h"

#include "core/geodesy.h"
#include "map/polyline.h"

#include <cmath>

namespace tavik {

bool PatternModeAllows(int16_t dayNightMode, std::string_view hours) {
    if (dayNightMode == 1)
        return hours == "C" || hours == "D" || hours == "U";
    if (dayNightMode == 2)
        return hours == "N" || hours == "C" || hours == "U";
    return true;
}

float PatternStyle::SizeFactor(std::string_view hours) const {
    if (!sizeByHours || hours == "N")
        return 1.0f;
    if (hours == "C")
        return 0.94f;
    if (hours == "D")
        return 0.97f;
    return 1.03f;
}

namespace {

// Sine and cosine of each whole degree, worked out once: every station of
// every redraw needs the same ones.
struct DegreeTrig {
    double sin[361];
    double cos[361];
};

const DegreeTrig &WholeDegrees() {
    static const DegreeTrig trig = [] {
        DegreeTrig t{};
        const double degPerRad = DegPerRad();
        for (int a = 0; a <= 360; ++a) {
            t.sin[a] = std::sin(a / degPerRad);
            t.cos[a] = std::cos(a / degPerRad);
        }
        return t;
    }();
    return trig;
}

} // namespace

int PatternOutlinePoints(const PatternTable &table, float x0, float y0,
                         std::string_view hours, float patternSize,
                         float scaleFactor, const PatternStyle &style,
                         MapPoint *points) {
    if (style.points <= 0 || style.points > kMostPatternPoints ||
        style.stepDeg < 0 || (style.points - 1) * style.stepDeg > 360)
        return 0;
    const float k = style.SizeFactor(hours);
    const DegreeTrig &trig = WholeDegrees();
    for (int i = 0; i < style.points; ++i) {
        const int a = i * style.stepDeg;
        const float rho = patternSize * k * scaleFactor *
                          table[static_cast<std::size_t>(a)];
        const float x = static_cast<float>(x0 + rho * trig.sin[a]);
        const float y = static_cast<float>(y0 - rho * trig.cos[a]);
        if (std::isnan(x) || std::isnan(y))
            return 0;
        points[i] = style.clamp ? MapPoint{ClampToMap(x), ClampToMap(y)}
                                : MapPoint{x, y};
    }
    return style.points;
}

void DrawPattern(DrawingSurface &surface, const PatternTable &table, float x0,
                 float y0, std::string_view hours, int16_t dayNightMode,
                 float patternSize, float scaleFactor,
                 const PatternStyle &style) {
    if (!PatternModeAllows(dayNightMode, hours))
        return;
    MapPoint points[kMostPatternPoints];
    const int count = PatternOutlinePoints(table, x0, y0, hours, patternSize,
                                           scaleFactor, style, points);
    if (count == 0)
        return;
    if (style.penWidth > 0)
        surface.SetDrawWidth(style.penWidth);
    DrawPolyline(surface, points, static_cast<std::size_t>(count),
                 style.colours.For(hours), true);
}

} // namespace tavik
