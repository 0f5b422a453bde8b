#pragma once
// A station's mark: a red cross with its channel number and call sign.
//
// How a new picture uses it: state a StationMarkStyle (which labels, where
// they sit relative to the station, font sizes, cross size and pen width;
// 0 leaves a font size or pen width as the surface has it) and call
// DrawStationMark at the station's position.

#include "core/geodesy.h"
#include "map/drawing_surface.h"

#include <string_view>

namespace tavik {

struct StationMarkStyle {
    bool number = true;       // the channel number, as the platform prints one
    float numberDx = -60, numberDy = -210;
    bool call = true;         // the call sign
    float callDx = -15, callDy = -30;
    // A white box behind the call sign, this far either side of the station
    // (0: none).
    float callBoxHalfWidth = 0, callBoxHalfHeight = 0;
    float labelFontSize = 8;  // before the labels
    float crossFontSize = 10; // before the cross
    float crossArm = 30;      // half the cross's width
    int crossWidth = 0;       // pen width of the cross, back to 1 after it
    Color cross = kRed;
};

// The channel plot's: number and call sign at 8 points, a cross 60 units
// wide in the surface's pen width.
constexpr StationMarkStyle kChannelPlotMark{};
// The all-stations overview's: the channel number at 8 points and a cross
// 32 units wide, 3 pixels thick.
constexpr StationMarkStyle kAllStationsMark{
    true, -60, -210, false, -15, -30, 0, 0, 8, 10, 16, 3, kRed};

// In this order: font size, the number, the box and the call sign (each
// placed by a white PSet), font size, pen width, the cross's horizontal and
// vertical bars, pen width 1.
void DrawStationMark(DrawingSurface &surface, MapPoint p, float channelKHz,
                     std::string_view call, const StationMarkStyle &style);

} // namespace tavik
