#include "print/page.h"

#include "stations/channel_file.h"

namespace tavik {

void DrawPrintedPage(MapContext &page) {
    page.surface.SetFontSize(kPageFontSize);
    const float channel = page.settings.channelKHz;
    // Also false for a channel that is not a number.
    if (channel >= kLowestChannel && channel <= kHighestChannel)
        PrintLegend(page);
}

} // namespace tavik
