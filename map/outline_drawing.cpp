#include "map/outline_drawing.h"

#include <cmath>

namespace tavik {

namespace {

// A vertex further than this from the previous one in x or in y (map
// units) starts a new polyline: far points pile up on the clamp square, and
// a marker line reads as (0, 0), thousands of km away.
constexpr float kJumpLimit = 2000.0f;

constexpr float kHomeMarkRadius = 50.0f;
constexpr float kHomeMarkArm = 50.0f;

} // namespace

namespace {

// One vertex or pen-up event at its unclamped position `p`; false when the
// position is not a number.
bool DrawEvent(DrawingSurface &surface, const OutlineEvent &e, MapPoint p,
               const Placement &placement, OutlinePen &pen,
               const OutlineStyle &style) {
    if (e.penUp) {
        pen.penUp = 1;
        if (style.statesRules) {
            pen.prevX = 0;
            pen.prevY = 0;
        }
        return true;
    }
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
        return false;
    if (std::fabs(pen.prevX - p.x) > kJumpLimit ||
        std::fabs(pen.prevY - p.y) > kJumpLimit) {
        pen.penUp = 1;
    }
    if (!InWindow(placement, p)) {
        pen.penUp = 1;
        if (style.statesRules) {
            pen.prevX = 0;
            pen.prevY = 0;
        }
        return true;
    }
    const MapPoint q = Limit(placement, p);

    if (pen.penUp == 1) {
        surface.Line(q.x, q.y, q.x, q.y, style.moveColour);
        pen.penUp = 0;
    } else if (!style.statesRules || (pen.prevX != 0 && pen.prevY != 0)) {
        surface.Line(pen.prevX, pen.prevY, q.x, q.y, style.colour);
    }
    pen.prevX = q.x;
    pen.prevY = q.y;
    return true;
}

} // namespace

bool DrawOutlineFile(DrawingSurface &surface, TextFileReader &file,
                     const Placement &placement, const MapView &view,
                     OutlinePen &pen, const OutlineStyle &style,
                     OutlineCache *cache) {
    if (cache) {
        CachedOutline &outline = cache->Read(file);
        OutlineCache::Project(outline, view, placement.kmPerDegree);
        for (std::size_t i = 0; i < outline.events.size(); ++i) {
            const MapPoint p =
                PlaceOnMap(outline.polar[i], view.scaleFactor,
                           placement.centreX, placement.centreY);
            if (!DrawEvent(surface, outline.events[i], p, placement, pen,
                           style))
                return false;
        }
        return !outline.failed;
    }
    OutlineReader reader(file, kMapOutlineRules);
    OutlineEvent e;
    while (reader.Next(e)) {
        const MapPoint p =
            e.penUp ? MapPoint{}
                    : PlaceUnlimited(placement, view, e.lat, -e.lonEast);
        if (!DrawEvent(surface, e, p, placement, pen, style))
            return false;
    }
    return !reader.Failed();
}

void DrawHomeMark(DrawingSurface &surface, float x, float y) {
    surface.Circle(x, y, kHomeMarkRadius, kRed);
    surface.Line(x - kHomeMarkArm, y, x + kHomeMarkArm, y, kRed);
    surface.Line(x, y - kHomeMarkArm, x, y + kHomeMarkArm, kRed);
}

} // namespace tavik
