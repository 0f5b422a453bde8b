#include "map/drawing_surface.h"

#include "core/number_text.h"

namespace tavik {

void DrawingSurface::PrintNumber(float value) {
    PrintText(SignedNumberText(value));
}

} // namespace tavik
