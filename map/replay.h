#pragma once
// Playing recorded drawing operations back onto another surface, and keeping
// a recorded drawing short: the map window keeps its picture as the list of
// operations since the last Cls and paints it again at any size.

#include "map/drawing_surface.h"
#include "map/recording_surface.h"

#include <cstddef>
#include <vector>

namespace tavik {

// The surface state that outlives a Cls: text colour, font size in points and
// pen width in pixels. Cls only resets the current point.
struct SurfaceState {
    Color foreColor = kBlack;
    float fontSize = 10;
    int drawWidth = 1;
};

// Performs `op` on `surface`. Message operations draw nothing and are skipped.
void Replay(const DrawOp &op, DrawingSurface &surface);

// Sets the three lasting parts of `state` on `surface`.
void ApplyState(const SurfaceState &state, DrawingSurface &surface);

// `state` as changed by the SetForeColor, SetFontSize and SetDrawWidth
// operations of `ops[begin, end)`.
void AdvanceState(SurfaceState &state, const std::vector<DrawOp> &ops,
                  std::size_t begin, std::size_t end);

// Everything before the last Cls of `ops` is hidden by that Cls: removes it,
// folding its lasting state into `base`, so that ApplyState(base) followed by
// the remaining operations paints the same picture. Returns the number of
// operations removed (0 when there is no Cls after the first operation).
std::size_t DropBeforeLastCls(std::vector<DrawOp> &ops, SurfaceState &base);

} // namespace tavik
