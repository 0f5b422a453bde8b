#pragma once
// The start-up window's picture: the blue gradient over the whole screen and
// the start-up plot of the session channel's patterns around home. Drawn on
// any DrawingSurface in the window's 12000 x 9000 units (see
// session/startup.h for the window around it).

#include "core/geodesy.h"
#include "map/drawing_surface.h"
#include "map/pattern_outline.h"
#include "session/session_settings.h"

#include <string>

namespace tavik {

// The screen the start-up window is laid out for, in twips.
struct StartupScreen {
    int widthTwips = 12000;
    int heightTwips = 9000;
};

// Colour of gradient line i (1..heightTwips): red 1, green 1 and blue
// i / H * 300 - 30, rounded half to even and held to 1..255.
Color GradientColour(int i, int heightTwips);
// One line per twip of height, (0, i) to (widthTwips, i), for i = 1..H.
// Heights above 32767 are not drawn: the line counter is 16-bit.
void DrawStartupGradient(DrawingSurface &surface, const StartupScreen &screen);

// StartupGreatCircle is the map's GreatCircle at 111.1234 km per degree of
// arc (kStartupKmPerDegree): the measure kStartupPlacement places the
// start-up plot's stations with.

// DrawStartupPattern is DrawPattern in this style: one station's pattern on
// the start-up window, 360 points one a degree, radius scaleFactor *
// patternSize * E[a] (no size factor for the hours), in 0x666611 whatever
// the hours, each coordinate held to +-30000, in the surface's pen width.
constexpr Color kStartupPatternColour = 0x666611;
constexpr PatternStyle kStartupPattern{
    360,   // points
    1,     // degrees from one point to the next
    false, // no size factor by hours
    {kStartupPatternColour, kStartupPatternColour, kStartupPatternColour,
     kStartupPatternColour},
    true, // clamped to +-30000
    0};   // the surface's pen width

// The start-up plot: nothing for channel 1610 or outside 530..1700;
// otherwise dayNightMode becomes 0 and every station of "<channel>.dat" in
// `dataDir` that passes the NEW, short, XENVA2 and long filters (not the
// deleted, hours or status ones) is drawn as its pattern outline around its
// place (kStartupPlacement) in kStartupPattern. A missing file, a bad record or
// a pattern that cannot be formed ends the plot silently; what was drawn stays.
void DrawStartupPlot(DrawingSurface &surface, SessionSettings &settings,
                     const std::string &dataDir);

} // namespace tavik
