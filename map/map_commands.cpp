// The map window's view and display commands: each changes one setting and
// draws what that change needs.

#include "map/map_commands.h"

namespace tavik {

namespace {

constexpr double kRoot2 =
    1.41421356237309505; // sqrt(2): two presses double the scale

// A switch goes up by one and wraps to 0 past its top value.
int16_t NextSwitch(int16_t value, int top) {
    const int next = value + 1;
    return static_cast<int16_t>(next > top ? 0 : next);
}

// Multiplies a view setting by sqrt(2), stored in single precision; at the
// limit the setting is held there and the command's own item is disabled.
void StepUp(float &value, float limit, bool &ownItem, bool &oppositeItem) {
    value = static_cast<float>(value * kRoot2);
    if (value > limit) {
        value = limit;
        ownItem = false;
    }
    oppositeItem = true;
}

void StepDown(float &value, float limit, bool &ownItem, bool &oppositeItem) {
    value = static_cast<float>(value / kRoot2);
    if (value < limit) {
        value = limit;
        ownItem = false;
    }
    oppositeItem = true;
}

} // namespace

void ZoomIn(MapContext &map, ViewMenuState &menu) {
    StepUp(map.settings.scaleFactor, kMaxScale, menu.zoomIn, menu.zoomOut);
    RedrawMap(map);
}

void ZoomOut(MapContext &map, ViewMenuState &menu) {
    StepDown(map.settings.scaleFactor, kMinScale, menu.zoomOut, menu.zoomIn);
    RedrawMap(map);
}

void Larger(MapContext &map, ViewMenuState &menu) {
    StepUp(map.settings.patternSize, kMaxPatternSize, menu.larger,
           menu.smaller);
    RedrawMap(map);
}

void Smaller(MapContext &map, ViewMenuState &menu) {
    StepDown(map.settings.patternSize, kMinPatternSize, menu.smaller,
             menu.larger);
    RedrawMap(map);
}

void ToggleRings(MapContext &map) {
    SessionSettings &s = map.settings;
    s.ringsOn = NextSwitch(s.ringsOn, 1);
    if (s.ringsOn == 0) {
        map.surface.Cls();
        DrawGrid(map);
        DrawStateOutline(map);
        DrawRegionOutline(map);
    } else {
        // Rings go over the present picture; the plot and compass then go
        // back on top of them.
        DrawRings(map);
    }
    PlotChannel(map);
    DrawCompass(map);
}

void CycleDayNight(MapContext &map) {
    SessionSettings &s = map.settings;
    s.dayNightMode = NextSwitch(s.dayNightMode, 2);
    RedrawMap(map);
    // The banner again, so that the compass does not hide it.
    if (s.dayNightMode == 1 || s.dayNightMode == 2) {
        DrawDayNightBanner(map);
    }
}

void ToggleLicensed(MapContext &map) {
    SessionSettings &s = map.settings;
    s.licensedOnly = NextSwitch(s.licensedOnly, 1);
    RedrawMap(map);
}

void ToggleGrid(MapContext &map) {
    SessionSettings &s = map.settings;
    s.gridOn = NextSwitch(s.gridOn, 1);
    // Everything but the compass, which returns with the next command that
    // draws it.
    map.surface.Cls();
    DrawGrid(map);
    DrawStateOutline(map);
    DrawRegionOutline(map);
    DrawRings(map);
    PlotChannel(map);
}

} // namespace tavik
