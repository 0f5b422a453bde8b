#include "map/station_mark.h"

namespace tavik {

void DrawStationMark(DrawingSurface &surface, MapPoint p, float channelKHz,
                     std::string_view call, const StationMarkStyle &style) {
    if (style.labelFontSize > 0)
        surface.SetFontSize(style.labelFontSize);
    if (style.number) {
        surface.PSet(p.x + style.numberDx, p.y + style.numberDy, kWhite);
        surface.PrintNumber(channelKHz);
    }
    if (style.call) {
        if (style.callBoxHalfWidth > 0 || style.callBoxHalfHeight > 0) {
            surface.FilledBox(p.x - style.callBoxHalfWidth,
                              p.y - style.callBoxHalfHeight,
                              p.x + style.callBoxHalfWidth,
                              p.y + style.callBoxHalfHeight, kWhite);
        }
        surface.PSet(p.x + style.callDx, p.y + style.callDy, kWhite);
        surface.PrintText(call);
    }
    if (style.crossFontSize > 0)
        surface.SetFontSize(style.crossFontSize);
    if (style.crossWidth > 0)
        surface.SetDrawWidth(style.crossWidth);
    const float arm = style.crossArm;
    surface.Line(p.x - arm, p.y, p.x + arm, p.y, style.cross);
    surface.Line(p.x, p.y - arm, p.x, p.y + arm, style.cross);
    if (style.crossWidth > 0)
        surface.SetDrawWidth(1);
}

} // namespace tavik
