// The all-stations overview: a small red cross and the channel number for
// every station of every channel, over the two outline layers.

#include "map/map_layers.h"
#include "stations/channel_file.h"

#include <cmath>
#include <string>

namespace tavik {

namespace {

constexpr int kFirstChannel = 530;
constexpr int kLastChannel = 1700;
constexpr int kChannelStep = 10;
// 1610 kHz has no channel file of its own in the overview.
constexpr int kSkippedChannel = 1610;

constexpr float kCrossArm = 16.0f; // map units
constexpr int kCrossWidth = 3;     // pixels

// Draws every station of one channel that passes the class filters; false
// on a missing file or a bad record.
bool PlotOneChannel(MapContext &map, ChannelFile &file, int channel,
                    const std::string &name, StationRecord &record) {
    if (!file.Open(map.dataDir, name)) {
        return false;
    }
    const MapView view = map.View();
    const ShowFlags flags = map.settings.Flags();
    DrawingSurface &surface = map.surface;
    return ForEachStation(file, record, [&](const StationRecord &station) {
        if (!PassesClassFilters(station.Call, flags)) {
            return true;
        }
        const MapPoint p =
            MapPosition(view, station.Latitude, station.Longitude);
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return false;
        }
        surface.SetFontSize(8);
        surface.PSet(p.x - 60, p.y - 210, kWhite);
        surface.PrintNumber(static_cast<float>(channel));

        surface.SetFontSize(10);
        surface.SetDrawWidth(kCrossWidth);
        surface.Line(p.x - kCrossArm, p.y, p.x + kCrossArm, p.y, kRed);
        surface.Line(p.x, p.y - kCrossArm, p.x, p.y + kCrossArm, kRed);
        surface.SetDrawWidth(1);
        return true;
    });
}

} // namespace

void PlotAllStations(MapContext &map) {
    map.surface.SetFontSize(8);
    ChannelFile file;
    StationRecord record;
    for (int c = kFirstChannel; c <= kLastChannel; c += kChannelStep) {
        if (c == kSkippedChannel) {
            continue;
        }
        const std::string name = ChannelFileName(static_cast<float>(c));
        const bool ok = PlotOneChannel(map, file, c, name, record);
        file.Close();
        if (!ok) {
            map.surface.SetFontSize(10);
            map.messages.ShowMessage("We had a problem plotting " + name);
            return;
        }
    }
    map.surface.SetFontSize(10);
}

void DrawAllStationsMap(MapContext &map) {
    map.surface.Cls();
    DrawStateOutline(map);
    DrawRegionOutline(map);
    PlotAllStations(map);
}

} // namespace tavik
