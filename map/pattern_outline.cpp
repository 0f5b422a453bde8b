#include "map/pattern_outline.h"

#include "core/geodesy.h"

#include <cmath>

namespace tavik {

bool PatternModeAllows(int16_t dayNightMode, std::string_view hours) {
    if (dayNightMode == 1)
        return hours == "C" || hours == "D" || hours == "U";
    if (dayNightMode == 2)
        return hours == "N" || hours == "C" || hours == "U";
    return true;
}

PatternStyle ChannelPlotPatternStyle(std::string_view hours) {
    if (hours == "N")
        return {0x000000, 1.0f};
    if (hours == "C")
        return {0xDDDD11, 0.94f};
    if (hours == "D")
        return {0x119911, 0.97f};
    return {0x0000AA, 1.03f};
}

void DrawPattern(DrawingSurface &surface, const PatternTable &table, float x0,
                 float y0, std::string_view hours, int16_t dayNightMode,
                 float patternSize, float scaleFactor) {
    if (!PatternModeAllows(dayNightMode, hours))
        return;
    const PatternStyle style = ChannelPlotPatternStyle(hours);
    const double degPerRad = DegPerRad();

    constexpr int kPoints = 180; // every second degree
    MapPoint points[kPoints];
    for (int k = 0; k < kPoints; ++k) {
        const int a = 2 * k;
        const float rho =
            patternSize * style.sizeFactor * scaleFactor * table[a];
        const float x = static_cast<float>(x0 + rho * std::sin(a / degPerRad));
        const float y = static_cast<float>(y0 - rho * std::cos(a / degPerRad));
        if (std::isnan(x) || std::isnan(y))
            return;
        points[k] = {ClampToMap(x), ClampToMap(y)};
    }

    surface.Line(points[0].x, points[0].y, points[0].x, points[0].y,
                 style.colour);
    for (int k = 1; k < kPoints; ++k)
        surface.LineTo(points[k].x, points[k].y, style.colour);
    surface.LineTo(points[0].x, points[0].y, style.colour);
}

} // namespace tavik
