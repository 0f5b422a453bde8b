// The shared drawers in the variants the other pictures state: the map's
// outline reading rules, placements with a page window, and a mark with a
// box.

#include "core/placement.h"
#include "map/outline_drawing.h"
#include "map/recording_surface.h"
#include "map/station_mark.h"

#include "tests/map/map_test_support.h"

#include <cstdio>
#include <tuple>

namespace tavik {
namespace {

// An outline file of `lines`, open for reading.
struct OutlineFile : TempDir {
    TextFileReader file;
    explicit OutlineFile(const Texts &lines) {
        EXPECT_TRUE(file.Open(Write("outline.dat", lines)));
    }
};

// The map reads a marker or text line as 0 and then its next word, a blank
// line as the last word twice, one number as latitude and longitude, and
// folds longitudes into -180..180; -2000 ends the data.
TEST(OutlineReader, MapRules) {
    OutlineFile f({"-100 -100", "36 275.5", "> marker", "0 260", "33 620",
                   "33 -260", " 36  -84.5 ", "  ", "33", "> 40 263", "-2000",
                   "40 260"});
    OutlineReader reader(f.file, kMapOutlineRules);
    Texts events;
    for (OutlineEvent e; reader.Next(e);) {
        char text[64];
        std::snprintf(text, sizeof text, "%g %g", e.lat, e.lonEast);
        events.push_back(e.penUp ? "up" : text);
    }
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(events,
              (Texts{"up", "36 -84.5", "0 0", "0 -100", "33 -100", "33 100",
                     "36 -84.5", "-84.5 -84.5", "33 33", "0 40"}));
}

// One line of an outline file drawn with the pen as a row leaves it, home
// at (0, 0): a vertex more than 2000 units from the previous point in x or
// y, or after a pen-up, starts anew with a dot in white. That distance is
// measured before the vertex is clamped to the map square. The state rules
// draw no segment from a point on an axis and forget the point at a pen-up.
TEST(OutlineDrawing, PenStates) {
    const char *at = "32.78 -96.8", *dot = "Line 0 0 0 0 0xFFFFFF";
    const struct {
        bool states;
        const char *line;
        OutlinePen pen;
        const char *drawn, *after; // the pen after: up, x, y
    } rows[] = {
        {false, at, {0, 2001, 0}, dot, "0 0 0"},
        {false, at, {0, -2001, 0}, dot, "0 0 0"},
        {false, at, {0, 0, 2001}, dot, "0 0 0"},
        {false, at, {0, 2000, -2000}, "Line 2000 -2000 0 0 0x000000", "0 0 0"},
        {false, at, {1, 0, 0}, dot, "0 0 0"},
        {false, at, {0, 0, 1000}, "Line 0 1000 0 0 0x000000", "0 0 0"},
        {true, at, {0, 0, 1000}, nullptr, "0 0 0"},
        {true, at, {0, 1000, 0}, nullptr, "0 0 0"},
        {false, "-100 -100", {0, 5, 5}, nullptr, "1 5 5"},
        {true, "-100 -100", {0, 5, 5}, nullptr, "1 0 0"},
        // 2300 km east, x 30996 before clamping: (28500, -3700) lies within
        // 2000 units of the clamped point only.
        {false,
         "32.78 -71.75",
         {0, 28500, -3700},
         "Line 30000 -3728.14 30000 -3728.14 0xFFFFFF",
         "0 30000 -3728.14"}};
    const Placement home{0, 0, kKmPerDegree, FarPoints::Clamp};
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        OutlineFile f({row.line});
        RecordingSurface surface;
        OutlinePen pen = row.pen;
        OutlineStyle style{kBlack};
        style.statesRules = row.states;
        ASSERT_TRUE(DrawOutlineFile(surface, f.file, home,
                                    {32.78f, 96.8f, 1000}, pen, style));
        EXPECT_EQ(Trace(surface.ops), row.drawn ? Texts{row.drawn} : Texts{});
        char after[64];
        std::snprintf(after, sizeof after, "%d %g %g", pen.penUp,
                      std::round(pen.prevX * 100) / 100,
                      std::round(pen.prevY * 100) / 100);
        EXPECT_EQ(std::string(after), row.after);
    }
}

const Placement kPage{7000,  5500, kKmPerDegree, FarPoints::PageWindow,
                      15000, 11000};

// On the page a point is drawn only on the page window, edges included, and
// a vertex off it is left out and lifts the pen; on the map every point is
// drawn.
TEST(Placement, PageWindowEdgesAndOutlinesOffIt) {
    for (const auto &[x, y, in] : {std::tuple{15000.0f, 11000.0f, true},
                                   {0.0f, 0.0f, true},
                                   {15000.5f, 5.0f, false},
                                   {5.0f, -0.5f, false}})
        EXPECT_EQ(InWindow(kPage, {x, y}), in) << x << "," << y;
    EXPECT_TRUE(InWindow(kMapPlacement, {-40000, 0}));
    OutlineFile f(
        {"-100 -100", "36 275.5", "36.1 275.5", "10 200", "36.2 275.5"});
    RecordingSurface surface;
    OutlinePen pen;
    ASSERT_TRUE(DrawOutlineFile(surface, f.file, kPage, {36, 84.32f, 1000}, pen,
                                OutlineStyle{kBlack}));
    std::string colours;
    for (const DrawOp &op : surface.ops)
        colours += op.colour == kWhite ? "m" : "d";
    EXPECT_EQ(colours, "mdm"); // move, draw, move again
}

// The page's mark: the call sign over a white box, no channel number.
TEST(StationMark, CallSignOverAWhiteBoxWithoutNumber) {
    const StationMarkStyle page{false, 0, 0, true, -8, -3,  15,
                                4,     0, 0, 16,   0,  kRed};
    RecordingSurface surface;
    DrawStationMark(surface, {1000, 2000}, 1340, "WXYZ", page);
    EXPECT_EQ(Trace(surface.ops),
              (Texts{"FilledBox 985 1996 1015 2004 0xFFFFFF",
                     "PSet 992 1997 0xFFFFFF", "PrintText WXYZ",
                     "Line 984 2000 1016 2000 0x0000FF",
                     "Line 1000 1984 1000 2016 0x0000FF"}));
}

} // namespace
} // namespace tavik
