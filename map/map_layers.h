#pragma once
// The layers of the map and the one entry point that draws them, in the
// order grid, state outlines, Region 2 outlines, rings, channel plot,
// compass. The window, the renderer and the tests all draw through these.

#include "core/geodesy.h"
#include "core/messages.h"
#include "core/placement.h"
#include "map/drawing_surface.h"
#include "map/outline_drawing.h"
#include "map/palette.h"
#include "map/station_places.h"
#include "session/session_settings.h"
#include "stations/pattern_cache.h"

#include <cstdint>
#include <string>

namespace tavik {

// Everything a layer draws from and onto. Files are read from `dataDir`
// (the working directory when empty), again at every redraw.
struct MapContext {
    SessionSettings &settings;
    DrawingSurface &surface;
    MessageSink &messages;
    OutlinePen &pen;
    std::string dataDir;
    // Where home sits and what happens to far points, and the layers'
    // colours: the map window's unless a picture states its own.
    Placement placement = kMapPlacement;
    MapPalette palette = kMapPalette;
    // Outline files read once per version of the file (none: read at every
    // drawing); the window keeps one for as long as it lives.
    OutlineCache *outlines = nullptr;
    // Station patterns already computed (none: every drawing sweeps them).
    PatternCache *patterns = nullptr;
    // Stations' places from home found so far (none: worked out each time).
    StationPlaces *places = nullptr;

    MapView View() const {
        return {settings.homeLatitude, settings.homeLongitude,
                settings.scaleFactor};
    }
    // Where a station lies on this picture.
    MapPoint PlaceStation(float lat, float lonWest) const {
        return places ? places->Place(placement, View(), lat, lonWest)
                      : Place(placement, View(), lat, lonWest);
    }
};

void DrawGrid(MapContext &map);
void DrawStateOutline(MapContext &map);  // STATES.dat and the home mark
void DrawRegionOutline(MapContext &map); // REGION2.dat
void DrawRings(MapContext &map);
void PlotChannel(MapContext &map); // stations, patterns, legend, banners
void DrawDayNightBanner(MapContext &map);
void DrawCompass(MapContext &map);

// The six layers over whatever the surface holds.
void DrawMapLayers(MapContext &map);
// Cls, then the six layers.
void RedrawMap(MapContext &map);

// Every station of every channel 530..1700 (never 1610) as a red cross with
// its channel number.
void PlotAllStations(MapContext &map);
// Cls, state and Region 2 outlines, then PlotAllStations.
void DrawAllStationsMap(MapContext &map);

} // namespace tavik
