// The all-stations overview: a small red cross and the channel number for
// every station of every channel, over the two outline layers.

#include "map/map_layers.h"
#include "map/station_mark.h"
#include "stations/channel_file.h"

#include <cmath>
#include <string>

namespace tavik {

namespace {

// 1610 kHz has no channel file of its own in the overview.
constexpr int kSkippedChannel = 1610;

// Draws every station of one channel that passes the class filters; false
// on a missing file or a bad record.
bool PlotOneChannel(MapContext &map, ChannelFile &file, int channel,
                    const std::string &name, StationRecord &record) {
    if (!file.Open(map.dataDir, name)) {
        return false;
    }
    const ShowFlags flags = map.settings.show;
    DrawingSurface &surface = map.surface;
    return ForEachStation(file, record, [&](const StationRecord &station) {
        if (!PassesClassFilters(station.Call, flags)) {
            return true;
        }
        const MapPoint p =
            map.PlaceStation(station.Latitude, station.Longitude);
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return false;
        }
        DrawStationMark(surface, p, static_cast<float>(channel), station.Call,
                        kAllStationsMark);
        return true;
    });
}

} // namespace

void PlotAllStations(MapContext &map) {
    map.surface.SetFontSize(8);
    ChannelFile file;
    StationRecord record;
    for (int c = kBandLowKHz; c <= kBandHighKHz; c += kChannelSpacingKHz) {
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
