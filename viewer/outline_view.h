#pragma once
// frmPlotStates' picture, free of Qt: the outline files on a plain
// latitude/longitude grid (PlateCarree: 160 units a degree of longitude,
// 200 a degree of latitude, 12000 x 9000 units from about 133 W 57.5 N to
// 58 W 12.5 N), the readout strip under the mouse, and the click that makes
// the point under the mouse home.

#include "map/drawing_surface.h"
#include "session/session_settings.h"

#include <string>

namespace tavik {

// Colours, 0xBBGGRR.
constexpr Color kViewerFineGrid = 0xDDDDDD;   // every degree
constexpr Color kViewerCoarseGrid = 0x888888; // every ten degrees
constexpr Color kViewerOutline = 0xFF0000;    // blue
constexpr Color kViewerStrip = 0xEFEFEF;      // readout strip

// The files the viewer opens (names matched without regard to case).
constexpr const char *kViewerRegionFile = "Region2.dat";
constexpr const char *kViewerStatesFile = "States.dat";

// The grid, then "Region2.dat" 2 pixels wide and "States.dat" 1 wide in
// blue, read from `dataDir` (the working directory when empty). Text and
// marker lines and a vertex at latitude 0 are skipped, longitudes are used
// as written; the pen starts down and stays as it is from one file to the
// next. A file that is missing or cannot be read is drawn as far as it was
// read, silently: the viewer shows no messages.
void DrawOutlineView(DrawingSurface &surface, const std::string &dataDir);

// What the strip read out under the mouse: degrees north, degrees west.
struct ViewerReadout {
    float latitude = 0;
    float longitudeWest = 0;
};

// Clears the strip (1, 7600)-(12000, 7999) and writes the latitude and west
// longitude under (x, y), cut to two decimals, and the current home, cut to
// three. The mouse values are held to 10..70 N and 30..170 W.
ViewerReadout ShowMousePosition(DrawingSurface &surface, float x, float y,
                                const SessionSettings &settings);

// Mouse buttons as the viewer numbers them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// A left or right click at (x, y) makes that point home (held to 10..70 N
// and 30..170 W, cut to three decimals; the home name stays) and returns
// true; another button changes nothing.
bool TakeHomeFromMap(float x, float y, int button, SessionSettings &settings);

} // namespace tavik
