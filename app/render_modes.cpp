// The renderer's modes: one row each, naming the Qt-free draw function its
// window uses too. See render_options.h for how to add one.

#include "app/render_options.h"

#include "map/map_layers.h"
#include "map/station_pattern.h"
#include "print/page.h"
#include "map/startup_plot.h"
#include "session/startup.h"
#include "viewer/outline_view.h"

namespace tavik {

namespace {

MapContext MapOf(const RenderJob &job) {
    return MapContext{job.settings, job.surface, job.messages, job.pen,
                      job.dataDir};
}

void DrawMap(const RenderJob &job) {
    MapContext map = MapOf(job);
    RedrawMap(map);
}

void DrawAllStations(const RenderJob &job) {
    MapContext map = MapOf(job);
    DrawAllStationsMap(map);
}

void DrawPage(const RenderJob &job) {
    MapContext page = MapOf(job);
    DrawPrintedPage(page);
}

// The start-up window's picture on the screen it is laid out for; its labels
// and logo are painted over it by the renderer (not traced).
void DrawStartup(const RenderJob &job) {
    DrawStartupGradient(job.surface, StartupScreen{});
    InitGlobals(job.settings);
    DrawStartupPlot(job.surface, job.settings, job.dataDir);
}

// The outline viewer's picture as its window draws it on opening, on a
// fresh surface (no Cls).
void DrawViewer(const RenderJob &job) {
    DrawOutlineView(job.surface, job.dataDir);
}

// The station data window after a click on the first row, of an empty
// search of the channel, whose call sign is the mode's value.
void DrawStationPattern(const RenderJob &job) {
    ShowStationPatternOf(job.surface, job.messages, job.dataDir,
                         job.settings.channelKHz, job.settings.show,
                         job.options.modeValue);
}

} // namespace

const std::vector<RenderMode> &RenderModes() {
    static const std::vector<RenderMode> modes = {
        {"", "",
         "the map: grid, states, Region 2, rings, channel plot, compass",
         12000, 9000,
         {"--channel", "--home", "--city", "--scale", "--pattern-size",
          "--rings", "--compass", "--grid", "--miles", "--day-night",
          "--licensed-only", "--show"},
         DrawMap},
        {"--all-stations", "",
         "every station of every channel over the outlines", 12000, 9000,
         {"--home", "--scale", "--show"}, DrawAllStations},
        {"--startup", "",
         "the start-up window: gradient, labels, logo and the session "
         "channel's patterns", 12000, 9000,
         {"--channel", "--home", "--scale", "--pattern-size", "--show"},
         DrawStartup},
        {"--page", "",
         "the printed map: one landscape page in twips, 10.5 x 8 inches",
         kPageAreaWidth, kPageAreaHeight,
         {"--channel", "--home", "--city", "--scale", "--pattern-size",
          "--day-night", "--licensed-only", "--show"},
         DrawPage, kTwipsPerPrinterDot},
        {"--viewer", "",
         "the outline viewer: its latitude/longitude grid and both outline "
         "files",
         12000, 9000, {}, DrawViewer},
        {"--station-pattern", "CALL",
         "the station data window's pattern display for the first station "
         "listed with that call sign (any letter case)",
         kStationDataWidth, kStationDataHeight, {"--channel", "--show"},
         DrawStationPattern},
    };
    return modes;
}

} // namespace tavik
