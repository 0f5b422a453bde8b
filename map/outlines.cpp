// The two outline layers of the map: the state outlines of "STATES.dat" with
// the home mark, and the coasts and borders of "REGION2.dat".

#include "core/text_file.h"
#include "map/map_layers.h"
#include "map/outline_drawing.h"

namespace tavik {

namespace {

constexpr const char *kRegionFile = "REGION2.dat";
constexpr const char *kStatesFile = "STATES.dat";

} // namespace

void DrawStateOutline(MapContext &map) {
    DrawingSurface &surface = map.surface;
    surface.SetDrawWidth(1);

    TextFileReader file;
    bool ok = file.OpenNoCase(map.dataDir, kStatesFile);
    if (ok) {
        OutlineStyle style{map.palette.states};
        style.statesRules = true;
        ok = DrawOutlineFile(surface, file, map.placement, map.View(), map.pen,
                             style, map.outlines);
    }
    file.Close();
    if (!ok) {
        map.messages.ShowMessage(
            "We had a problem plotting the USA data from STATES.dat");
        return;
    }
    DrawHomeMark(surface, map.placement.centreX, map.placement.centreY);
}

void DrawRegionOutline(MapContext &map) {
    DrawingSurface &surface = map.surface;

    TextFileReader file;
    bool ok = file.OpenNoCase(map.dataDir, kRegionFile);
    if (ok) {
        surface.SetDrawWidth(2);
        ok = DrawOutlineFile(surface, file, map.placement, map.View(), map.pen,
                             OutlineStyle{map.palette.region}, map.outlines);
    }
    file.Close();
    surface.SetDrawWidth(1);
    if (!ok) {
        // The message says printing, though the window is drawing.
        map.messages.ShowMessage("We had a problem printing REGION2.dat");
    }
}

} // namespace tavik
