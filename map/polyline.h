#pragma once
// A polyline the way every picture draws one: the first point as a Line to
// itself (it only sets the current point), each further point by LineTo,
// and for a closed outline a LineTo back to the first point.
//
// How a new picture uses it: collect the points in any contiguous container
// and call DrawPolyline(surface, points.data(), points.size(), colour,
// closed).

#include "core/geodesy.h"
#include "map/drawing_surface.h"

#include <cstddef>

namespace tavik {

inline void DrawPolyline(DrawingSurface &surface, const MapPoint *points,
                         std::size_t count, Color colour, bool closed) {
    if (count == 0)
        return;
    surface.Line(points[0].x, points[0].y, points[0].x, points[0].y, colour);
    for (std::size_t i = 1; i < count; ++i)
        surface.LineTo(points[i].x, points[i].y, colour);
    if (closed)
        surface.LineTo(points[0].x, points[0].y, colour);
}

// The same with each piece in its own colour: `colourOf(point)` for the
// piece that ends at that point (the first point's for the Line that starts
// the polyline and for the LineTo that closes it).
template <class ColourOf>
void DrawPolylineColouredByEnd(DrawingSurface &surface, const MapPoint *points,
                               std::size_t count, ColourOf colourOf,
                               bool closed) {
    if (count == 0)
        return;
    surface.Line(points[0].x, points[0].y, points[0].x, points[0].y,
                 colourOf(points[0]));
    for (std::size_t i = 1; i < count; ++i)
        surface.LineTo(points[i].x, points[i].y, colourOf(points[i]));
    if (closed)
        surface.LineTo(points[0].x, points[0].y, colourOf(points[0]));
}

} // namespace tavik
