#pragma once
// The four hours lines every legend begins with.
//
// How a new picture uses it: DrawHoursLegend(surface, x, firstY, lineStep,
// colours) with its own anchor, spacing and HoursColours; the lines after
// the four stay in black, the last foreground colour set.

#include "map/drawing_surface.h"
#include "map/palette.h"

namespace tavik {

// "Unlimited", "Daytime", "Critical", "Nighttime", one under the other from
// (x, firstY), lineStep apart, each placed by a white PSet and printed in
// its hours' colour.
void DrawHoursLegend(DrawingSurface &surface, float x, float firstY,
                     float lineStep, const HoursColours &colours);

} // namespace tavik
