#pragma once
// The start-up window's Qt-free side: the program-wide start (InitGlobals),
// the layout of its labels and buttons and the sliding logo. Its picture,
// the gradient and the start-up plot, is drawn by map/startup_plot.h.
//
// The window lays out a space of 12000 x 9000 units, made for a screen of
// 12000 x 9000 twips (800 x 600 pixels at 15 twips a pixel). The gradient and
// the font sizes are worked out from the screen's size in twips; the program
// and the renderer both use that screen and scale the whole space to the
// window or image, so that the picture keeps its proportions at any size.

#include "session/session_settings.h"
#include "session/version_info.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavik {

// Sets what every run starts with: the all-hours mode, and the version texts
// it returns.
VersionInfo InitGlobals(SessionSettings &settings);

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
constexpr std::uint32_t kStartupTextColour = 0xFFFF80; // 0xBBGGRR

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

} // namespace tavik
