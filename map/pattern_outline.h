#pragma once
// A station's pattern drawn as a closed outline around its position.
//
// How a new picture uses it: state its PatternStyle once (points and step,
// size factors by hours or none, colours by hours or one colour, clamp or
// none, pen width) and call DrawPattern with it; kChannelPlotPattern is the
// map window's.
//
//   constexpr PatternStyle kPage{360, 1, false, kLegendColours, false, 0};

#include "core/geodesy.h"
#include "map/drawing_surface.h"
#include "map/palette.h"
#include "stations/pattern.h"

#include <cstdint>
#include <string_view>

namespace tavik {

// Whether dayNightMode lets a pattern of these hours be drawn
// (1: "C", "D", "U"; 2: "N", "C", "U"; 0: all).
bool PatternModeAllows(int16_t dayNightMode, std::string_view hours);

struct PatternStyle {
    int points = 180; // points of the outline
    int stepDeg = 2;  // degrees from one point to the next
    // Size factor by hours: 1.0 for "N", 0.94 "C", 0.97 "D", 1.03 other;
    // false: 1 for all.
    bool sizeByHours = true;
    HoursColours colours = kPatternColours; // all four alike for one colour
    bool clamp = true; // each coordinate held to +-30000
    int penWidth = 0;  // set before drawing; 0 keeps the surface's

    // Size factor k for these hours.
    float SizeFactor(std::string_view hours) const;
};

// The channel plot's: 180 points every 2 degrees, sized and coloured by
// hours, clamped, in the surface's pen width.
constexpr PatternStyle kChannelPlotPattern{};

// Most points an outline has: the table holds 361 values.
constexpr int kMostPatternPoints = 361;

// The outline's points as DrawPattern places them, into `points` (room for
// kMostPatternPoints), without the mode gate. Returns how many: 0 when the
// style asks for more than the table holds or a point is not a number.
int PatternOutlinePoints(const PatternTable &table, float x0, float y0,
                         std::string_view hours, float patternSize,
                         float scaleFactor, const PatternStyle &style,
                         MapPoint *points);

// The outline around (x0, y0): for each point a = k * stepDeg, radius
// rho = patternSize * k(hours) * scaleFactor * E[a], at
// (x0 + rho sin a, y0 - rho cos a), drawn as a closed polyline. Nothing is
// drawn when the mode hides these hours, or when a point is not a number.
void DrawPattern(DrawingSurface &surface, const PatternTable &table, float x0,
                 float y0, std::string_view hours, int16_t dayNightMode,
                 float patternSize, float scaleFactor,
                 const PatternStyle &style = kChannelPlotPattern);

} // namespace tavik
