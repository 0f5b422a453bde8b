#include "map/station_pattern.h"

#include "core/geodesy.h"
#include "core/number_text.h"
#include "map/legend.h"
#include "map/palette.h"
#include "map/pattern_outline.h"
#include "map/polyline.h"
#include "stations/station_search.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tavik {

namespace {

constexpr float kCentreX = 6000;
constexpr float kCentreY = 6500;

// The square the enlargement may show in, and the margins blanked around it.
constexpr float kSquareLeft = 4000, kSquareTop = 4500;
constexpr float kSquareRight = 8000, kSquareBottom = 8500;

constexpr float kPatternExtent = 1985; // largest extent along either axis
// The enlargement: radius 10000 / m * P(a), about five times the pattern.
constexpr float kEnlargedScale = 10000;

constexpr float kGridInner = 300, kGridOuter = 2180;
constexpr float kLabelRadius = 2400;
constexpr float kMarkerRadius = 50;
constexpr float kMarkerY = 6495;

constexpr Color kGridColour = 0xDDDDDD;     // (221, 221, 221) RGB
constexpr Color kEnlargedColour = 0xFF4444; // (68, 68, 255) RGB
constexpr Color kLabelColour = 0x888888;    // (136, 136, 136) RGB

struct SinCos {
    float s = 0;
    float c = 0;
};

SinCos SinCosDeg(int degrees) {
    const float rad = static_cast<float>(degrees) / DegPerRad();
    return {std::sin(rad), std::cos(rad)};
}

MapPoint AtBearing(const SinCos &d, float radius) {
    return {kCentreX + radius * d.s, kCentreY - radius * d.c};
}

// The pattern's colours; the legend shows the map legend's shades.
constexpr HoursColours kStationDataColours{kBlack, 0xCCCC11, 0x119911,
                                           0x0000AA};
// The pattern: 180 points every second degree; its enlargement: one a
// degree. Neither is sized by hours nor clamped: the window's scale decides.
constexpr PatternStyle kStationDataPattern{180, 2, false, kStationDataColours,
                                           false, 0};
constexpr PatternStyle kStationDataEnlarged{360, 1, false,
                                            kStationDataColours, false, 0};

bool InsideSquare(MapPoint p) {
    return p.x >= kSquareLeft && p.x <= kSquareRight && p.y >= kSquareTop &&
           p.y <= kSquareBottom;
}

// The largest magnitude among the smallest and largest east and north
// components of the points every second degree; 0 or not a number when the
// pattern has no extent.
float PatternExtent(const PatternTable &table) {
    float minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int a = 0; a < 360; a += 2) {
        const SinCos d = SinCosDeg(a);
        const float x = table[a] * d.s;
        const float y = table[a] * d.c;
        if (a == 0) {
            minX = maxX = x;
            minY = maxY = y;
        }
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    return std::max(std::max(std::fabs(minX), std::fabs(maxX)),
                    std::max(std::fabs(minY), std::fabs(maxY)));
}

void PrintAt(DrawingSurface &surface, float x, float y, std::string_view text) {
    surface.PSet(x, y, kWhite);
    surface.PrintText(text);
}

// Below the legend, where nothing else is drawn.
void PrintNotice(DrawingSurface &surface, const Notice &notice) {
    surface.SetForeColor(kBlack);
    PrintAt(surface, 300, 8150, notice.first);
    PrintAt(surface, 300, 8390, notice.second);
}

void DrawBearingLabels(DrawingSurface &surface) {
    surface.SetForeColor(kLabelColour);
    for (int a = 0; a < 360; a += 30) {
        const MapPoint p = AtBearing(SinCosDeg(a), kLabelRadius);
        surface.FilledBox(p.x - 165, p.y - 120, p.x + 210, p.y + 165, kWhite);
        // A number prints with its sign blank before it and one blank after;
        // the text is moved left 45 units a character, sign blank included.
        const std::string number = SignedNumberText(static_cast<float>(a));
        const float length = static_cast<float>(number.size());
        PrintAt(surface, p.x - 45 * length, p.y - 105, number + " ");
    }
}

} // namespace

bool DrawStationPatternDisplay(DrawingSurface &surface,
                               const PatternTable *table,
                               std::string_view hours) {
    surface.Cls();
    for (int a = 0; a < 360; a += 10) {
        const SinCos d = SinCosDeg(a);
        const MapPoint inner = AtBearing(d, kGridInner);
        const MapPoint outer = AtBearing(d, kGridOuter);
        surface.Line(inner.x, inner.y, outer.x, outer.y, kGridColour);
    }
    surface.Circle(kCentreX, kMarkerY, kMarkerRadius, kRed);

    const float m = table ? PatternExtent(*table) : 0.0f;
    const bool drawn = std::isfinite(m) && m > 0;
    if (drawn) {
        DrawPattern(surface, *table, kCentreX, kCentreY, hours, 0,
                    kPatternExtent / m, 1, kStationDataPattern);
        MapPoint points[kMostPatternPoints];
        const int count =
            PatternOutlinePoints(*table, kCentreX, kCentreY, hours,
                                 kEnlargedScale / m, 1, kStationDataEnlarged,
                                 points);
        DrawPolylineColouredByEnd(
            surface, points, static_cast<std::size_t>(count),
            [](MapPoint p) {
                return InsideSquare(p) ? kEnlargedColour : kWhite;
            },
            true);
    }

    surface.FilledBox(3400, kSquareTop, kSquareLeft, kSquareBottom, kWhite);
    surface.FilledBox(kSquareRight, kSquareTop, 8600, kSquareBottom, kWhite);
    surface.FilledBox(3400, 4000, 8600, kSquareTop, kWhite);
    surface.FilledBox(3400, kSquareBottom, 8600, 8999, kWhite);
    DrawBearingLabels(surface);
    surface.SetForeColor(kBlack);
    if (!drawn)
        PrintNotice(surface, kNoPatternNotice);
    return drawn;
}

void DrawStationDataLegend(DrawingSurface &surface) {
    surface.FilledBox(200, 6160, 2500, 8000, kWhite);
    surface.PSet(500, 6220, kWhite);
    surface.SetForeColor(kEnlargedColour);
    surface.PrintText("Enlarged 5x");
    DrawHoursLegend(surface, 500, 6700, 240, kLegendColours);
}

PatternShown ShowStationPattern(DrawingSurface &surface,
                                const std::string &dataDir, float channelKHz,
                                const ShowFlags &flags, std::string_view row) {
    surface.FilledBox(kSquareLeft, kSquareTop, kSquareRight, kSquareBottom,
                      kWhite);
    const SelectedStation selected = SelectRow(row);
    const std::string colourHours = RowColumns(row, 43, 45);
    PatternShown shown = PatternShown::NotFound;
    const LookupResult read = LookUpSelectedStation(
        dataDir, channelKHz, flags, selected,
        [&](const StationRecord &station) {
            PatternTable table{};
            const bool formed = CSweepHorizontal(station, table);
            shown = DrawStationPatternDisplay(surface, formed ? &table : nullptr,
                                              colourHours)
                        ? PatternShown::Drawn
                        : PatternShown::CannotForm;
        });
    if (read == LookupResult::Unreadable) {
        shown = PatternShown::Unreadable;
        PrintNotice(surface, kUnreadableNotice);
    }
    DrawStationDataLegend(surface);
    return shown;
}

bool ShowStationPatternOf(DrawingSurface &surface, MessageSink &messages,
                          const std::string &dataDir, float channelKHz,
                          const ShowFlags &flags, std::string_view call) {
    const StationSearch search =
        SearchStations(dataDir, channelKHz, flags, "", messages);
    const std::string wanted = UpperCased(TrimBlanks(call));
    for (std::size_t i = 0; i < search.calls.size(); ++i) {
        if (search.calls[i] == wanted) {
            ShowStationPattern(surface, dataDir, channelKHz, flags,
                               search.rows[i]);
            return true;
        }
    }
    if (search.completed)
        messages.ShowMessage("No station " + wanted + " in the list of " +
                             ShortestText(channelKHz) + " kHz");
    return false;
}

} // namespace tavik
