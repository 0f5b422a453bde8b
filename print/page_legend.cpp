// The printed page's legend and footer, a station's marks, and the rules by
// which a station's hours decide its colour and whether its marks are
// printed.

#include "core/number_text.h"
#include "print/page.h"
#include "session/version_info.h"

#include <string>

namespace tavik {

namespace {

constexpr Color kUnlimited = 0x000099; // (153, 0, 0) RGB
constexpr Color kDaytime = 0x119911;   // (17, 153, 17) RGB
constexpr Color kCritical = 0xCCCC11;  // (17, 204, 204) RGB

constexpr float kCrossArm = 16; // a cross 32 twips wide

// Legend lines are 300 twips apart from y = 8400; all start at x = 500.
constexpr float kLegendX = 500;

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

Color PageHoursColour(std::string_view hours) {
    if (hours == "N")
        return kBlack;
    if (hours == "C")
        return kCritical;
    if (hours == "D")
        return kDaytime;
    return kUnlimited;
}

void PrintStationMarks(DrawingSurface &surface, float x, float y,
                       std::string_view call) {
    surface.FilledBox(x - 15, y - 4, x + 15, y + 4, kWhite);
    surface.PSet(x - 8, y - 3, kWhite);
    surface.PrintText(call);
    surface.Line(x - kCrossArm, y, x + kCrossArm, y, kRed);
    surface.Line(x, y - kCrossArm, x, y + kCrossArm, kRed);
}

void PrintLegend(MapContext &page) {
    const SessionSettings &s = page.settings;
    DrawingSurface &surface = page.surface;
    surface.FilledBox(200, 8400, 2100, 10500, kWhite);
    surface.FilledBox(200, 10500, 4200, 11000, kWhite);

    const struct {
        float y;
        const char *hours;
        const char *text;
    } hours[] = {{8400, "U", "Unlimited"},
                 {8700, "D", "Daytime"},
                 {9000, "C", "Critical"},
                 {9300, "N", "Nighttime"}};
    for (const auto &h : hours) {
        surface.PSet(kLegendX, h.y, kWhite);
        surface.SetForeColor(PageHoursColour(h.hours));
        surface.PrintText(h.text);
    }

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
