// The channel plot: every station of the current channel that passes the
// filters, with its pattern, channel number, call sign and a red cross, then
// the legend and the banners of the two display modes.

#include "core/number_text.h"
#include "map/legend.h"
#include "map/map_layers.h"
#include "map/pattern_outline.h"
#include "map/station_mark.h"
#include "stations/channel_file.h"
#include "stations/pattern.h"
#include "stations/pattern_cache.h"

#include <cmath>
#include <string>

namespace tavik {

namespace {

// Cities of three characters or fewer are placeholders, not shown.
constexpr std::size_t kShortestShownCity = 4;

void PrintAt(DrawingSurface &surface, float x, float y, std::string_view text) {
    surface.PSet(x, y, kWhite);
    surface.PrintText(text);
}

void DrawStation(MapContext &map, const StationRecord &record,
                 const PatternTable &table, MapPoint p) {
    const SessionSettings &s = map.settings;
    DrawingSurface &surface = map.surface;
    DrawPattern(surface, table, p.x, p.y, record.Hours, s.dayNightMode,
                s.patternSize, s.scaleFactor);
    DrawStationMark(surface, p, s.channelKHz, record.Call, kChannelPlotMark);
}

// Reads and draws every passing station; false on a missing file, a bad
// record or a pattern that cannot be formed.
bool PlotStations(MapContext &map, ChannelFile &file, const std::string &name) {
    if (!file.Open(map.dataDir, name)) {
        return false;
    }
    const SessionSettings &s = map.settings;
    const ShowFlags flags = s.show;
    StationRecord record;
    PatternTable table{};
    return ForEachStation(file, record, [&](const StationRecord &station) {
        if (!PassesPlotFilters(station, s.dayNightMode, s.licensedOnly,
                               flags)) {
            return true;
        }
        const MapPoint p =
            map.PlaceStation(station.Latitude, station.Longitude);
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return false;
        }
        const bool formed = map.patterns ? map.patterns->Compute(station, table)
                                         : ComputePattern(station, table);
        if (!formed) {
            return false;
        }
        DrawStation(map, station, table, p);
        return true;
    });
}

void DrawLegend(MapContext &map) {
    const SessionSettings &s = map.settings;
    DrawingSurface &surface = map.surface;
    surface.FilledBox(200, 6500, 2100, 7680, kWhite);
    surface.FilledBox(200, 7680, 4200, 8400, kWhite);

    DrawHoursLegend(surface, 500, 6700, 240, map.palette.legend);

    PrintAt(surface, 500, 7660,
            "Channel: " + ShortestText(s.channelKHz) + " kHz");
    PrintAt(surface, 500, 7900,
            "Home lat: " + ShortestText(s.homeLatitude) +
                "  Home lon: " + ShortestText(s.homeLongitude));
    if (s.homeCity.size() >= kShortestShownCity) {
        PrintAt(surface, 500, 8140, "Home:  " + s.homeCity);
    }
}

void DrawLicensedBanner(MapContext &map) {
    if (map.settings.licensedOnly != 1) {
        return;
    }
    map.surface.FilledBox(150, 290, 3900, 590, map.palette.licensedBanner);
    PrintAt(map.surface, 200, 290, "Licensed patterns only");
}

} // namespace

void DrawDayNightBanner(MapContext &map) {
    const int16_t mode = map.settings.dayNightMode;
    if (mode <= 0) {
        return;
    }
    map.surface.FilledBox(150, 10, 3900, 285, map.palette.dayNightBanner);
    map.surface.PSet(200, 10, kWhite);
    if (mode == 1) {
        map.surface.PrintText("Day & critical patterns only");
    } else if (mode == 2) {
        map.surface.PrintText("Night & critical patterns only");
    }
}

void PlotChannel(MapContext &map) {
    const float channel = map.settings.channelKHz;
    // Also false for a channel that is not a number.
    if (!(channel >= kLowestChannel && channel <= kHighestChannel)) {
        return;
    }
    const std::string name = ChannelFileName(channel);
    ChannelFile file;
    const bool ok = PlotStations(map, file, name);
    file.Close();
    if (!ok) {
        map.messages.ShowMessage("We had a problem plotting " + name);
        return;
    }
    DrawLegend(map);
    DrawDayNightBanner(map);
    DrawLicensedBanner(map);
}

} // namespace tavik
