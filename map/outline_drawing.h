#pragma once
// Drawing the events of an outline file around home: placement, the jump
// test, far points and the pen state shared by the outline layers.
//
// How a new picture uses it: keep one OutlinePen for the picture's outline
// layers, state an OutlineStyle per file and call DrawOutlineFile with the
// picture's Placement (the map clamps far points, the page leaves points off
// its window out). The outline viewer, which draws on a plain latitude /
// longitude grid, reads the file with OutlineReader itself.

#include "core/placement.h"
#include "core/text_file.h"
#include "map/drawing_surface.h"
#include "map/outline_cache.h"
#include "map/outline_reader.h"

#include <cstdint>

namespace tavik {

// Pen state shared by the outline drawers and kept from one drawing to the
// next: a polyline may continue across files and redraws.
struct OutlinePen {
    int16_t penUp = 0; // 1 = up
    float prevX = 0, prevY = 0;
};

struct OutlineStyle {
    Color colour;             // segments drawn with the pen down
    Color moveColour = kWhite; // the dot that only moves the current point
    // The state outlines' rules: a pen-up line (and on the page a point off
    // the window) also sets the previous point to (0, 0), and no segment is
    // drawn from a previous point on the x = 0 or y = 0 line.
    bool statesRules = false;
};

// Draws every vertex of an open outline file (read with kMapOutlineRules)
// with the shared pen. A vertex more than 2000 units from the previous one
// in x or y starts a new polyline; the jump is measured before the far-point
// rule, from the previous point as drawn. False on a number that overflows,
// a point that is not a number, or a read error. With a cache the file's
// events and their positions around home are taken from it while the file
// and home stay (map/outline_cache.h).
bool DrawOutlineFile(DrawingSurface &surface, TextFileReader &file,
                     const Placement &placement, const MapView &view,
                     OutlinePen &pen, const OutlineStyle &style,
                     OutlineCache *cache = nullptr);

// The home mark: a circle of radius 50 and a cross 100 units wide, red.
void DrawHomeMark(DrawingSurface &surface, float x, float y);

} // namespace tavik
