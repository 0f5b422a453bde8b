#pragma once
// The printed map: one landscape page in twips (1440 to the inch) with the
// Region 2 and state outlines, the stations of the current channel with their
// patterns, call signs and crosses, a legend and a footer. Home lies at the
// page point (7000, 5500); what falls outside the page window 0..15000 x
// 0..11000 is left out instead of being clamped. Drawn on any DrawingSurface:
// the printer's page, the renderer's image, a recording in the tests.

#include "map/drawing_surface.h"
#include "map/map_layers.h"

#include <cstdint>
#include <string_view>

namespace tavik {

// The page window, twips from the top left of the printable area.
constexpr float kPageWidth = 15000;
constexpr float kPageHeight = 11000;
// Home on the page.
constexpr float kPageCentreX = 7000;
constexpr float kPageCentreY = 5500;
// The area a printer must hold: the page window and the footer line, which
// is printed at y = 11100 below it (8-point text, LineHeight(8) high).
constexpr float kPrintedWidth = kPageWidth;
constexpr float kPrintedHeight = 11100 + 8 * kUnitsPerPoint * kLineSpacing;
// Text size of the whole page, points.
constexpr float kPageFontSize = 8;

// Pen widths on paper are printer dots, each 1/600 inch.
constexpr double kTwipsPerPrinterDot = 1440.0 / 600;
constexpr int kRegionPenWidth = 8;
constexpr int kStatesPenWidth = 1;
constexpr int kStationPenWidth = 5;

// Whether a station's call sign and cross are printed: not for "N" stations
// in dayNightMode 1 nor for "D" stations in mode 2.
bool PageMarksAllowed(int16_t dayNightMode, std::string_view hours);

// The page's pattern and legend colour for these hours: "N" black, "C"
// 0xCCCC11, "D" 0x119911, any other 0x000099.
Color PageHoursColour(std::string_view hours);

// The legend at the lower left of the page and the footer under it: hours,
// channel, day/night mode, licensed mode, home, "Tavik - " and the maker's
// web address. Font size as the page left it (8).
void PrintLegend(MapContext &page);

// A station's call sign on a white box and its red cross, 32 twips wide,
// at its page position.
void PrintStationMarks(DrawingSurface &surface, float x, float y,
                       std::string_view call);

// The whole page as the printer gets it: font size 8, then the layers.
void DrawPrintedPage(MapContext &page);

} // namespace tavik
