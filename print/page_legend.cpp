// The printed page's legend and footer, and the rule by which a station's
// hours decide whether its marks are printed.

#include "core/number_text.h"
#include "map/legend.h"
#include "print/page.h"
#include "session/version_info.h"

#include <string>

namespace tavik {

namespace {

// Legend lines are 300 twips apart from y = 8400; all start at x = 500.
constexpr float kLegendX = 500;
constexpr float kLegendTop = 8400;
constexpr float kLegendStep = 300;

// Cities of three characters or fewer are placeholders, not shown.
constexpr std::size_t kShortestShownCity = 4;

void PrintAt(DrawingSurface &surface, float y, std::string_view text) {
    surface.PSet(kLegendX, y, kWhite);
    surface.PrintText(text);
}

} // namespace

bool PageMarksAllowed(int16_t dayNightMode, std::string_view hours) {
    return !(dayNightMode == 1 && hours == "N") &&
           !(dayNightMode == 2 && hours == "D");
}

void PrintLegend(MapContext &page) {
    const SessionSettings &s = page.settings;
    DrawingSurface &surface = page.surface;
    surface.FilledBox(200, 8400, 2100, 10500, kWhite);
    surface.FilledBox(200, 10500, 4200, 11000, kWhite);
    DrawHoursLegend(surface, kLegendX, kLegendTop, kLegendStep, kLegendColours);

    // The lines below stay in the Nighttime line's black.
    PrintAt(surface, 9600, "Channel: " + ShortestText(s.channelKHz) + " kHz");
    if (s.dayNightMode == 1)
        PrintAt(surface, 9900, "Day & critical only");
    else if (s.dayNightMode == 2)
        PrintAt(surface, 9900, "Night & critical only");
    PrintAt(surface, 10200,
            s.licensedOnly == 1 ? "Licensed only" : "Licensed & CPs");
    PrintAt(surface, 10500,
            "Home lat: " + ShortestText(s.homeLatitude) +
                "  Home lon: " + ShortestText(s.homeLongitude));
    if (s.homeCity.size() >= kShortestShownCity)
        PrintAt(surface, 10800, "Home city: " + s.homeCity);
    PrintAt(surface, 11100, std::string("Tavik - ") + kMakerWebAddress);
}

} // namespace tavik
