// The three aid layers of the map (grid, distance rings, compass) and the
// full redraw that stacks all six layers.

#include "map/map_layers.h"

#include "map/polyline.h"

#include <array>
#include <cmath>
#include <string>

namespace tavik {

namespace {

// Drawn radius per ring unit and per unit of scaleFactor: miles and km.
constexpr double kUnitsPerMile = 0.021485;
constexpr double kUnitsPerKm = 0.01335;

// Rings are polygons of 181 points, every 2 degrees, closing at 360.
constexpr int kRingPoints = 181;
constexpr int kRingStepDeg = 2;

// Compass spokes run from 800 units (or from home at the four quarters)
// out to 4000 units, one every 10 degrees.
constexpr float kSpokeInner = 800.0f;
constexpr float kSpokeOuter = 4000.0f;

struct SinCos {
    float s = 0;
    float c = 0;
};

SinCos SinCosDeg(float degrees) {
    const float rad = degrees / DegPerRad();
    return {std::sin(rad), std::cos(rad)};
}

void DrawRing(DrawingSurface &surface, MapPoint centre,
              const std::array<SinCos, kRingPoints> &angles, float radius,
              Color colour) {
    std::array<MapPoint, kRingPoints> points;
    for (int i = 0; i < kRingPoints; ++i) {
        points[i] = {centre.x + radius * angles[i].s,
                     centre.y - radius * angles[i].c};
    }
    DrawPolyline(surface, points.data(), points.size(), colour, false);
}

MapPoint Centre(const MapContext &map) {
    return {map.placement.centreX, map.placement.centreY};
}

} // namespace

void DrawGrid(MapContext &map) {
    if (map.settings.gridOn == 0) {
        return;
    }
    const MapView view = map.View();
    const Color colour = map.palette.grid;
    // Parallels 15..55 N across 60..125 W, then meridians 60..125 W from
    // 15 N up to 55 N, every 5 degrees; grid points go to the surface
    // unclamped.
    std::array<MapPoint, 14> parallel;
    for (int lat = 15; lat <= 55; lat += 5) {
        for (int i = 0; i < 14; ++i) {
            parallel[i] = PlaceUnlimited(map.placement, view,
                                         static_cast<float>(lat),
                                         static_cast<float>(60 + 5 * i));
        }
        DrawPolyline(map.surface, parallel.data(), parallel.size(), colour,
                     false);
    }
    std::array<MapPoint, 9> meridian;
    for (int lon = 60; lon <= 125; lon += 5) {
        for (int i = 0; i < 9; ++i) {
            meridian[i] = PlaceUnlimited(map.placement, view,
                                         static_cast<float>(15 + 5 * i),
                                         static_cast<float>(lon));
        }
        DrawPolyline(map.surface, meridian.data(), meridian.size(), colour,
                     false);
    }
}

void DrawRings(MapContext &map) {
    const SessionSettings &s = map.settings;
    if (s.ringsOn != 1) {
        return;
    }
    const bool miles = s.distanceUnit == 1;
    const double perUnit = (miles ? kUnitsPerMile : kUnitsPerKm) *
                           static_cast<double>(s.scaleFactor);

    // The same 181 directions serve all 60 rings.
    std::array<SinCos, kRingPoints> angles;
    for (int i = 0; i < kRingPoints; ++i) {
        angles[i] = SinCosDeg(static_cast<float>(i * kRingStepDeg));
    }

    DrawingSurface &surface = map.surface;
    surface.SetDrawWidth(1);
    for (int r = 10; r <= 100; r += 10) {
        DrawRing(surface, Centre(map), angles,
                 static_cast<float>(r * perUnit), map.palette.fineRing);
    }
    // The 100 ring is drawn again here, coarse over fine.
    for (int r = 100; r <= 5000; r += 100) {
        surface.SetDrawWidth(r % 1000 == 0 ? 2 : 1);
        DrawRing(surface, Centre(map), angles,
                 static_cast<float>(r * perUnit), map.palette.coarseRing);
    }

    surface.SetDrawWidth(1);
    surface.FilledBox(150, 590, 3900, 890, map.palette.ringLegendBox);
    surface.PSet(200, 590, kWhite);
    surface.PrintText(miles ? "Rings are at 10 and 100 mile intervals"
                            : "Rings are at 10 and 100 km intervals");
}

void DrawCompass(MapContext &map) {
    if (map.settings.compassOn != 1) {
        return;
    }
    DrawingSurface &surface = map.surface;
    const MapPoint c = Centre(map);
    for (int a = 0; a < 360; a += 10) {
        const SinCos d = SinCosDeg(static_cast<float>(a));
        float xi = c.x;
        float yi = c.y;
        if (a % 90 != 0) {
            xi = c.x + kSpokeInner * d.s;
            yi = c.y - kSpokeInner * d.c;
        }
        const float xo = c.x + kSpokeOuter * d.s;
        const float yo = c.y - kSpokeOuter * d.c;

        // Blank the map under the label, then centre the label roughly on
        // the spoke's end: 45 units per character, the sign blank included.
        surface.FilledBox(xo - 165, yo - 120, xo + 210, yo + 165, kWhite);
        const int chars = a < 10 ? 2 : (a < 100 ? 3 : 4);
        surface.PSet(xo - 45.0f * static_cast<float>(chars), yo - 105, kWhite);
        surface.PrintNumber(static_cast<float>(a));
        surface.Line(xi, yi, xo, yo, map.palette.spoke);
    }
}

void DrawMapLayers(MapContext &map) {
    DrawGrid(map);
    DrawStateOutline(map);
    DrawRegionOutline(map);
    DrawRings(map);
    PlotChannel(map);
    DrawCompass(map);
}

void RedrawMap(MapContext &map) {
    map.surface.Cls();
    DrawMapLayers(map);
}

} // namespace tavik
