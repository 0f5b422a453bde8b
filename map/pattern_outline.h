#pragma once
// A station's pattern drawn as a closed outline around its map position, in
// the colour and size of its hours.

#include "map/drawing_surface.h"
#include "stations/pattern.h"

#include <cstdint>
#include <string_view>

namespace tavik {

// Whether dayNightMode lets a pattern of these hours be drawn
// (1: "C", "D", "U"; 2: "N", "C", "U"; 0: all).
bool PatternModeAllows(int16_t dayNightMode, std::string_view hours);

struct PatternStyle {
    Color colour;
    float sizeFactor;
};
// Colour and size factor of the channel plot's outline for these hours.
PatternStyle ChannelPlotPatternStyle(std::string_view hours);

// The channel plot's outline around (x0, y0) in map units: 180 points every
// 2 degrees, radius patternSize * k * scaleFactor * E[a], each coordinate
// clamped to +-30000; the first point is a Line to itself, the rest LineTo,
// closed by a LineTo the first point. Nothing is drawn when the mode hides
// these hours, or when a point is not a number.
void DrawPattern(DrawingSurface &surface, const PatternTable &table, float x0,
                 float y0, std::string_view hours, int16_t dayNightMode,
                 float patternSize, float scaleFactor);

} // namespace tavik
