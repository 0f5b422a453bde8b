#pragma once
// The printed map: one landscape page in twips (1440 to the inch) with the
// Region 2 and state outlines, the stations of the current channel with their
// patterns, call signs and crosses, a legend and a footer. Home lies at the
// page point (7000, 5500); what falls outside the page window 0..15000 x
// 0..11000 is left out instead of being clamped. Drawn on any DrawingSurface:
// the printer's page, the renderer's image, a recording in the tests.

#include "core/placement.h"
#include "map/drawing_surface.h"
#include "map/map_layers.h"
#include "map/palette.h"
#include "map/pattern_outline.h"
#include "map/station_mark.h"

#include <cstdint>
#include <string_view>

namespace tavik {

// The page window, twips from the top left of the printable area.
constexpr float kPageWidth = 15000;
constexpr float kPageHeight = 11000;
// Home on the page.
constexpr float kPageCentreX = 7000;
constexpr float kPageCentreY = 5500;

// The map's placement around the page's home; points off the page window
// are left out, not clamped.
constexpr Placement kPagePlacement{kPageCentreX, kPageCentreY,
                                   kKmPerDegree, FarPoints::PageWindow,
                                   kPageWidth,   kPageHeight};
// Patterns: 360 points every degree, no size factor, in the legend's
// colours, not clamped, in the pen width the plot set.
constexpr PatternStyle kPagePattern{360, 1, false, kLegendColours, false, 0};
// Marks: the call sign on a white box 30 x 8 twips and a red cross 32 twips
// wide, in the font size and pen width the page has.
constexpr StationMarkStyle kPageMark{false, 0, 0, true, -8, -3,  15,
                                     4,     0, 0, 16,   0,  kRed};
// The area a printer must hold: the page window and the footer line, which
// is printed at y = 11100 below it (8-point text, LineHeight(8) high).
constexpr float kPrintedWidth = kPageWidth;
constexpr float kPrintedHeight = 11100 + 8 * kUnitsPerPoint * kLineSpacing;
// The page as the renderer draws it: the printable area of a Letter sheet
// in landscape with quarter-inch margins, 10.5 x 8 inches.
constexpr float kPageAreaWidth = 15120;
constexpr float kPageAreaHeight = 11520;
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

// The legend at the lower left of the page and the footer under it: hours,
// channel, day/night mode, licensed mode, home, "Tavik - " and the maker's
// web address. Font size as the page left it (8).
void PrintLegend(MapContext &page);

// REGION2.dat in black, 8 dots wide; "We had a problem sending REGION2.dat
// to the printer" when it cannot be read.
void PrintRegionOutline(MapContext &page);
// STATES.dat in black, 1 dot wide, and the home mark; "We had a problem
// sending STATES.dat to the printer" and no home mark when it cannot be read.
void PrintStateOutline(MapContext &page);

// The channel's stations that lie on the page, with their patterns, call
// signs and crosses, then the legend; nothing for a channel outside
// 530..1700. A missing or bad channel file ends it with "We had a problem
// sending 1340.dat to the printer." and no legend.
void PrintChannelPlot(MapContext &page);

// The whole page as the printer gets it: font size 8, then the Region 2
// outlines, the state outlines and the channel plot. The outline layers use
// `page.pen`, the map window's, so a polyline may continue from the screen.
void DrawPrintedPage(MapContext &page);

} // namespace tavik
