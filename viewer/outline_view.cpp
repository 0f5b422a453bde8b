#include "viewer/outline_view.h"

#include "core/placement.h"
#include "core/text_file.h"
#include "map/outline_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tavik {

namespace {

// The grid's extent: longitudes east of Greenwich, latitudes north.
constexpr int kFirstLonEast = 220, kLastLonEast = 310;
constexpr int kFirstCoarseLonEast = 230, kLastCoarseLonEast = 300;
constexpr int kFirstLat = 10, kLastLat = 60;
constexpr int kFirstCoarseLat = 20, kLastCoarseLat = 50;
constexpr float kWidth = 12000, kHeight = 9000;

// Limits of the readout and of the click, degrees.
constexpr float kMinLat = 10, kMaxLat = 70;
constexpr float kMinLonWest = 30, kMaxLonWest = 170;

// The click's small offsets in drawing units.
constexpr double kClickOffsetX = 0.6, kClickOffsetY = 0.238;

void DrawMeridian(DrawingSurface &surface, int lonEast, Color c) {
    const float x = PlateCarree::ToPoint(0, static_cast<float>(lonEast)).x;
    surface.Line(x, 0, x, kHeight, c);
}

void DrawParallel(DrawingSurface &surface, int lat, Color c) {
    const float y = PlateCarree::ToPoint(static_cast<float>(lat), 0).y;
    surface.Line(0, y, kWidth, y, c);
}

void DrawFile(DrawingSurface &surface, const std::string &dataDir,
              const char *name, int16_t &penUp) {
    TextFileReader file;
    if (!file.OpenNoCase(dataDir, name))
        return;
    OutlineReader reader(file, kViewerOutlineRules);
    OutlineEvent e;
    while (reader.Next(e)) {
        if (e.penUp) {
            penUp = 1;
            continue;
        }
        // No jump test and no clamping: a longitude written west-negative
        // lands far off the grid and is joined all the same.
        const MapPoint p = PlateCarree::ToPoint(e.lat, e.lonEast);
        if (penUp == 1) {
            surface.Line(p.x, p.y, p.x, p.y, kViewerOutline);
            penUp = 0;
        } else {
            surface.LineTo(p.x, p.y, kViewerOutline);
        }
    }
    file.Close();
}

// Int(v * scale) / scale as the readout writes it: the single-precision
// product cut down to a whole number, then scaled back in double precision,
// shown with at most 15 significant digits and no sign position.
std::string CutText(float v, float scale, double unit) {
    const double cut = std::floor(v * scale) * unit;
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", cut);
    return text;
}

void PrintAt(DrawingSurface &surface, float x, Color dot,
             const std::string &text) {
    surface.PSet(x, 7700, dot);
    surface.PrintText(text);
}

} // namespace

void DrawOutlineView(DrawingSurface &surface, const std::string &dataDir) {
    surface.SetDrawWidth(1);
    for (int lon = kFirstLonEast; lon <= kLastLonEast; ++lon)
        DrawMeridian(surface, lon, kViewerFineGrid);
    for (int lon = kFirstCoarseLonEast; lon <= kLastCoarseLonEast; lon += 10)
        DrawMeridian(surface, lon, kViewerCoarseGrid);
    for (int lat = kFirstLat; lat <= kLastLat; ++lat)
        DrawParallel(surface, lat, kViewerFineGrid);
    for (int lat = kFirstCoarseLat; lat <= kLastCoarseLat; lat += 10)
        DrawParallel(surface, lat, kViewerCoarseGrid);

    int16_t penUp = 0; // down when the window opens
    surface.SetDrawWidth(2);
    DrawFile(surface, dataDir, kViewerRegionFile, penUp);
    surface.SetDrawWidth(1);
    DrawFile(surface, dataDir, kViewerStatesFile, penUp);
}

ViewerReadout ShowMousePosition(DrawingSurface &surface, float x, float y,
                                const SessionSettings &settings) {
    surface.FilledBox(1, 7600, 12000, 7999, kViewerStrip);
    ViewerReadout r;
    r.longitudeWest = std::clamp(static_cast<float>(PlateCarree::LonWestAt(x)),
                                 kMinLonWest, kMaxLonWest);
    r.latitude =
        std::clamp(static_cast<float>(PlateCarree::LatAt(y)), kMinLat, kMaxLat);
    PrintAt(surface, 300, kViewerStrip,
            "Mouse latitude: " + CutText(r.latitude, 100, 0.01));
    PrintAt(surface, 2310, kViewerStrip,
            "Longitude: " + CutText(r.longitudeWest, 100, 0.01));
    PrintAt(surface, 4700, kViewerStrip,
            "Current home latitude: " +
                CutText(settings.homeLatitude, 1000, 0.001));
    PrintAt(surface, 7400, kWhite,
            "Longitude: " + CutText(settings.homeLongitude, 1000, 0.001));
    return r;
}

bool TakeHomeFromMap(float x, float y, int button, SessionSettings &settings) {
    if (button != kLeftButton && button != kRightButton)
        return false;
    const float lonWest = std::clamp(
        static_cast<float>(PlateCarree::LonWestAt(x - kClickOffsetX)),
        kMinLonWest, kMaxLonWest);
    const float lat =
        std::clamp(static_cast<float>(PlateCarree::LatAt(y - kClickOffsetY)),
                   kMinLat, kMaxLat);
    settings.homeLatitude =
        static_cast<float>(std::floor(lat * 1000.0f) * 0.001);
    settings.homeLongitude =
        static_cast<float>(std::floor(lonWest * 1000.0f) * 0.001);
    return true;
}

} // namespace tavik
