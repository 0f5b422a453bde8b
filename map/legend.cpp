#include "map/legend.h"

namespace tavik {

void DrawHoursLegend(DrawingSurface &surface, float x, float firstY,
                     float lineStep, const HoursColours &colours) {
    const struct {
        Color colour;
        const char *text;
    } lines[] = {{colours.unlimited, "Unlimited"},
                 {colours.daytime, "Daytime"},
                 {colours.critical, "Critical"},
                 {colours.night, "Nighttime"}};
    float y = firstY;
    for (const auto &line : lines) {
        surface.PSet(x, y, kWhite);
        surface.SetForeColor(line.colour);
        surface.PrintText(line.text);
        y += lineStep;
    }
}

} // namespace tavik
