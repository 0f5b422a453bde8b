#include "map/drawing_surface.h"

#include "core/number_text.h"

#include <string>

namespace tavik {

void DrawingSurface::PrintNumber(float value) {
    // The blank stands where a minus sign would be; -0 prints as " 0".
    if (value == 0)
        value = 0;
    std::string text;
    if (!(value < 0))
        text = " ";
    text += ShortestText(value);
    PrintText(text);
}

} // namespace tavik
