#pragma once
// The start-up window's Qt-free side: the program-wide start (InitGlobals),
// the blue gradient, the layout of its labels and buttons, the sliding logo
// and the start-up plot of the session channel's patterns.
//
// The window lays out a space of 12000 x 9000 units, made for a screen of
// 12000 x 9000 twips (800 x 600 pixels at 15 twips a pixel). The gradient and
// the font sizes are worked out from the screen's size in twips; the program
// and the renderer both use that screen and scale the whole space to the
// window or image, so that the picture keeps its proportions at any size.

#include "core/geodesy.h"
#include "map/drawing_surface.h"
#include "map/pattern_outline.h"
#include "session/session_settings.h"
#include "session/version_info.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavik {

// The screen the start-up window is laid out for, in twips.
struct StartupScreen {
    int widthTwips = 12000;
    int heightTwips = 9000;
};

// Sets what every run starts with: the all-hours mode, and the version texts
// it returns.
VersionInfo InitGlobals(SessionSettings &settings);

// Colour of gradient line i (1..heightTwips): red 1, green 1 and blue
// i / H * 300 - 30, rounded half to even and held to 1..255.
Color GradientColour(int i, int heightTwips);
// One line per twip of height, (0, i) to (widthTwips, i), for i = 1..H.
// Heights above 32767 are not drawn: the line counter is 16-bit.
void DrawStartupGradient(DrawingSurface &surface, const StartupScreen &screen);

enum class StartupControlKind { Label, Button };

struct StartupControl {
    std::string name; // lblVersion, cmdEnter, ...
    StartupControlKind kind;
    std::string caption;
    float left, top, width, height; // window units
    float fontPerTwip; // font size in points per twip of screen width
};

// The labels and buttons in the order they are laid out.
std::vector<StartupControl> StartupControls(const VersionInfo &version);
// Font size in points of a control on a screen `widthTwips` wide.
float StartupFontPoints(const StartupControl &control, int widthTwips);
// Text of the labels: bold, light cyan (red 128, green 255, blue 255) on the
// gradient.
constexpr Color kStartupTextColour = 0xFFFF80;

// The logo, 377 x 121 pixels (5655 x 1815 units at 15 to a pixel), slides
// in from the left on a timer and comes to rest at left 2200, top 1000.
struct LogoSlide {
    static constexpr float kWidth = 377 * 15.0f, kHeight = 121 * 15.0f;
    float left = -5000;
    float top = 1200;
    bool running = true;
    // One timer tick: to top 1000; 400 units right while left is at most
    // 2000, else the timer stops. False once it has stopped.
    bool Tick();
    // Where the logo comes to rest: left 2200, top 1000, stopped.
    static LogoSlide AtRest();
};

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
