#include "map/startup_plot.h"

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
    const ShowFlags flags = settings.show;
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
