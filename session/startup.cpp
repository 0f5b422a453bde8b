#include "session/startup.h"

#include "core/placement.h"
#include "stations/channel_file.h"

#include <cmath>
#include <limits>

namespace tavik {

namespace {

// The start-up plot leaves out this channel's file (it is not read anywhere
// but by the channel plot and the station data window).
constexpr float kSkippedChannel = 1610;

} // namespace

VersionInfo InitGlobals(SessionSettings &settings) {
    settings.dayNightMode = 0;
    return ProgramVersion();
}

Color GradientColour(int i, int heightTwips) {
    // In double, in the order written: i / H * 300 - 30, so that the halves
    // fall where that arithmetic puts them; nearbyint rounds half to even.
    const double value = static_cast<double>(i) / heightTwips * 300.0 - 30.0;
    double blue = std::nearbyint(value);
    if (blue < 1)
        blue = 1;
    if (blue > 255)
        blue = 255;
    return (static_cast<Color>(blue) << 16) | 0x000101;
}

void DrawStartupGradient(DrawingSurface &surface, const StartupScreen &screen) {
    const int height = screen.heightTwips;
    if (height > std::numeric_limits<int16_t>::max())
        return;
    const float width = static_cast<float>(screen.widthTwips);
    for (int i = 1; i <= height; ++i) {
        const float y = static_cast<float>(i);
        surface.Line(0, y, width, y, GradientColour(i, height));
    }
}

std::vector<StartupControl> StartupControls(const VersionInfo &version) {
    using K = StartupControlKind;
    return {
        {"lblNorthAmerica", K::Label, "For the northern part of Region 2", 2500,
         3500, 8000, 600, 0.0015f},
        {"lblVersion", K::Label, "Version " + version.VersionText, 2600, 5500,
         2000, 360, 0.0012f},
        {"lblCredit2", K::Label, version.CreditLine, 2600, 6000, 6000, 360,
         0.0012f},
        {"lblCopyright", K::Label, version.CopyrightLine, 2600, 6500, 5000, 360,
         0.0012f},
        {"lblVisit", K::Label,
         std::string("Visit Oskel Software at ") + kMakerWebAddress, 2600, 7000,
         7000, 360, 0.0012f},
        {"cmdEnter", K::Button, "Enter", 7500, 5700, 1500, 400, 0.001f},
        {"cmdExit", K::Button, "Exit", 7500, 6200, 1500, 400, 0.001f},
    };
}

float StartupFontPoints(const StartupControl &control, int widthTwips) {
    return control.fontPerTwip * static_cast<float>(widthTwips);
}

bool LogoSlide::Tick() {
    top = 1000;
    float step = 400;
    if (left > 2000) {
        running = false;
        step = 0;
    }
    left += step;
    return running;
}

LogoSlide LogoSlide::AtRest() {
    LogoSlide logo;
    while (logo.Tick()) {
    }
    return logo;
}

void DrawStartupPlot(DrawingSurface &surface, SessionSettings &settings,
                     const std::string &dataDir) {
    const float channel = settings.channelKHz;
    if (channel == kSkippedChannel ||
        !(channel >= kLowestChannel && channel <= kHighestChannel))
        return;
    settings.dayNightMode = 0;
    ChannelFile file;
    if (!file.Open(dataDir, ChannelFileName(channel, true)))
        return;
    const MapView view{settings.homeLatitude, settings.homeLongitude,
                       settings.scaleFactor};
    const ShowFlags flags = settings.Flags();
    StationRecord record;
    PatternTable table{};
    ForEachStation(file, record, [&](const StationRecord &station) {
        if (!PassesClassFilters(station.Call, flags, /*testDeleted=*/false))
            return true;
        const MapPoint p =
            Place(kStartupPlacement, view, station.Latitude, station.Longitude);
        if (!std::isfinite(p.x) || !std::isfinite(p.y) ||
            !ComputePattern(station, table))
            return false;
        DrawPattern(surface, table, p.x, p.y, station.Hours,
                    settings.dayNightMode, settings.patternSize,
                    settings.scaleFactor, kStartupPattern);
        return true;
    });
    file.Close();
}

} // namespace tavik
