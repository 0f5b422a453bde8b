// The three aid layers of the map (grid, distance rings, compass) and the
// full redraw that stacks all six layers.

#include "map/map_layers.h"

#include <array>
#include <cmath>
#include <string>

namespace tavik {

namespace {

constexpr Color kGridColour = 0x8888FF;       // (255, 136, 136) RGB
constexpr Color kFineRingColour = 0xDDDDFF;   // (255, 221, 221) RGB
constexpr Color kCoarseRingColour = 0x9999FF; // (255, 153, 153) RGB
constexpr Color kRingLegendBox = 0xF0F0FF;    // (255, 240, 240) RGB
constexpr Color kSpokeColour = 0x99DD99;      // (153, 221, 153) RGB

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

// One grid line: the first point starts the polyline, the rest continue it.
// Grid points go to the surface unclamped.
void GridPoint(DrawingSurface &surface, const MapView &view, float lat,
               float lonWest, bool first) {
    const MapPoint p = MapPositionUnclamped(view, lat, lonWest);
    if (first) {
        surface.Line(p.x, p.y, p.x, p.y, kGridColour);
    } else {
        surface.LineTo(p.x, p.y, kGridColour);
    }
}

void DrawRing(DrawingSurface &surface,
              const std::array<SinCos, kRingPoints> &angles, float radius,
              Color colour) {
    for (int i = 0; i < kRingPoints; ++i) {
        const float x = kMapCentreX + radius * angles[i].s;
        const float y = kMapCentreY - radius * angles[i].c;
        if (i == 0) {
            surface.Line(x, y, x, y, colour);
        } else {
            surface.LineTo(x, y, colour);
        }
    }
}

} // namespace

void DrawGrid(MapContext &map) {
    if (map.settings.gridOn == 0) {
        return;
    }
    const MapView view = map.View();
    // Parallels 15..55 N across 60..125 W, then meridians 60..125 W from
    // 15 N up to 55 N, every 5 degrees.
    for (int lat = 15; lat <= 55; lat += 5) {
        for (int lon = 60; lon <= 125; lon += 5) {
            GridPoint(map.surface, view, static_cast<float>(lat),
                      static_cast<float>(lon), lon == 60);
        }
    }
    for (int lon = 60; lon <= 125; lon += 5) {
        for (int lat = 15; lat <= 55; lat += 5) {
            GridPoint(map.surface, view, static_cast<float>(lat),
                      static_cast<float>(lon), lat == 15);
        }
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
        DrawRing(surface, angles, static_cast<float>(r * perUnit),
                 kFineRingColour);
    }
    // The 100 ring is drawn again here, coarse over fine.
    for (int r = 100; r <= 5000; r += 100) {
        surface.SetDrawWidth(r % 1000 == 0 ? 2 : 1);
        DrawRing(surface, angles, static_cast<float>(r * perUnit),
                 kCoarseRingColour);
    }

    surface.SetDrawWidth(1);
    surface.FilledBox(150, 590, 3900, 890, kRingLegendBox);
    surface.PSet(200, 590, kWhite);
    surface.PrintText(miles ? "Rings are at 10 and 100 mile intervals"
                            : "Rings are at 10 and 100 km intervals");
}

void DrawCompass(MapContext &map) {
    if (map.settings.compassOn != 1) {
        return;
    }
    DrawingSurface &surface = map.surface;
    for (int a = 0; a < 360; a += 10) {
        const SinCos d = SinCosDeg(static_cast<float>(a));
        float xi = kMapCentreX;
        float yi = kMapCentreY;
        if (a % 90 != 0) {
            xi = kMapCentreX + kSpokeInner * d.s;
            yi = kMapCentreY - kSpokeInner * d.c;
        }
        const float xo = kMapCentreX + kSpokeOuter * d.s;
        const float yo = kMapCentreY - kSpokeOuter * d.c;

        // Blank the map under the label, then centre the label roughly on
        // the spoke's end: 45 units per character, the sign blank included.
        surface.FilledBox(xo - 165, yo - 120, xo + 210, yo + 165, kWhite);
        const int chars = a < 10 ? 2 : (a < 100 ? 3 : 4);
        surface.PSet(xo - 45.0f * static_cast<float>(chars), yo - 105, kWhite);
        surface.PrintNumber(static_cast<float>(a));
        surface.Line(xi, yi, xo, yo, kSpokeColour);
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
