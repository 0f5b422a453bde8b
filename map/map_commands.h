#pragma once
// What the map window's menu commands do to the settings and the drawing,
// free of any window: the window calls these and sets its menu items from
// the returned state.

#include "map/map_layers.h"

namespace tavik {

// Enabled state of the four view items; all enabled when the window opens.
struct ViewMenuState {
    bool zoomIn = true;
    bool zoomOut = true;
    bool larger = true;
    bool smaller = true;
};

// Scale times/divided by sqrt(2) within 100..10000, pattern size within
// 0.02..2.0; the item that hits its limit is disabled, the opposite one
// enabled; then RedrawMap.
void ZoomIn(MapContext &map, ViewMenuState &menu);
void ZoomOut(MapContext &map, ViewMenuState &menu);
void Larger(MapContext &map, ViewMenuState &menu);
void Smaller(MapContext &map, ViewMenuState &menu);

void ToggleRings(MapContext &map);     // "Rings"
void CycleDayNight(MapContext &map);   // "DayNight"
void ToggleLicensed(MapContext &map);  // "Licensed"
void ToggleGrid(MapContext &map);      // "Grid" (hidden on the bar)

} // namespace tavik
