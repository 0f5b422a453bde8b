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

// On the page a far point stays where it falls, and is drawn only on the
// page window, edges included; on the map every point is drawn.
TEST(Placement, PageWindowInsteadOfClamp) {
    const Placement page{7000,  5500, kKmPerDegree, FarPoints::PageWindow,
                         15000, 11000};
    const MapView view{36, 84.32f, 10000};
    const MapPoint far = Place(page, view, 20, 60);
    EXPECT_EQ(far.x, PlaceUnlimited(page, view, 20, 60).x);
    EXPECT_GT(far.x, 30000) << "not clamped";
    for (const auto &[x, y, in] : {std::tuple{15000.0f, 11000.0f, true},
                                   {0.0f, 0.0f, true},
                                   {15000.5f, 5.0f, false},
                                   {5.0f, -0.5f, false}})
        EXPECT_EQ(InWindow(page, {x, y}), in) << x << "," << y;
    EXPECT_TRUE(InWindow(kMapPlacement, far));
}

// Off the page window a vertex is left out and lifts the pen; the state
// rules also forget the previous point there.
TEST(Placement, OutlineOffThePageWindowIsLeftOut) {
    const Placement page{7000,  5500, kKmPerDegree, FarPoints::PageWindow,
                         15000, 11000};
    const MapView view{36, 84.32f, 1000};
    for (const bool states : {false, true}) {
        OutlineFile f(
            {"-100 -100", "36 275.5", "36.1 275.5", "10 200", "36.2 275.5"});
        RecordingSurface surface;
        OutlinePen pen;
        OutlineStyle style{kBlack};
        style.statesRules = states;
        ASSERT_TRUE(DrawOutlineFile(surface, f.file, page, view, pen, style));
        std::string colours;
        for (const DrawOp &op : surface.ops)
            colours += op.colour == kWhite ? "m" : "d";
        EXPECT_EQ(colours, "mdm") << states; // move, draw, move again
    }
}

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
