#pragma once
// Horizontal radiation pattern of a station's tower array, and its drawing
// as a closed outline around the station's map position.

#include "map/drawing_surface.h"
#include "stations/channel_file.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tavik {

// Field toward each whole degree of azimuth 0..360, clockwise from north.
using PatternTable = std::array<float, 361>;

// Fills `table` from the record's towers, power and hours. The record's field
// ratios and tower positions are overwritten while resolving. Returns false
// when the pattern cannot be formed: towers present but no field ratio above
// 0, a negative power, or a result that is not a finite number.
bool ComputePattern(StationRecord &record, PatternTable &table);

// The station data window's variant: no hours factor, Power^0.25 * 0.9, and
// only TowerRef "1" measures from the previous tower.
bool CSweepHorizontal(StationRecord &record, PatternTable &table);

// Whether dayNightMode lets a pattern of these hours be drawn
// (1: "C", "D", "U"; 2: "N", "C", "U"; 0: all).
bool PatternModeAllows(int16_t dayNightMode, std::string_view hours);

struct PatternStyle {
    Color colour;
    float sizeFactor;
};
// Colour and size factor of the channel plot's outline for these hours.
PatternStyle ChannelPlotPatternStyle(std::string_view hours);

// The channel plot's outline: 180 points every 2 degrees, radius
// patternSize * k * scaleFactor * E[a], clamped to +-30000, closed.
void DrawPattern(DrawingSurface &surface, const PatternTable &table, float x0,
                 float y0, std::string_view hours, int16_t dayNightMode,
                 float patternSize, float scaleFactor);

} // namespace tavik
