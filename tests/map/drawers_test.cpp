// The shared drawers in the variants the other pictures state: the outline
// reader's two rule sets, placements with a page window or on a plain
// latitude/longitude grid, a pattern of every degree and a mark with a box.

#include "core/placement.h"
#include "map/outline_drawing.h"
#include "map/pattern_outline.h"
#include "map/recording_surface.h"
#include "map/station_mark.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace tavik {
namespace {

// Writes `lines` CR LF ended to a temporary file and opens it.
struct OutlineFile {
    std::string path = std::filesystem::temp_directory_path() /
                       ("tavik-outline-" + std::to_string(::getpid()));
    TextFileReader file;
    explicit OutlineFile(const std::vector<std::string> &lines) {
        std::FILE *out = std::fopen(path.c_str(), "wb");
        for (const std::string &line : lines)
            std::fprintf(out, "%s\r\n", line.c_str());
        std::fclose(out);
        EXPECT_TRUE(file.Open(path));
    }
    ~OutlineFile() { std::remove(path.c_str()); }
};

std::vector<std::string> Events(const std::vector<std::string> &lines,
                                OutlineReadRules rules) {
    OutlineFile f(lines);
    OutlineReader reader(f.file, rules);
    std::vector<std::string> events;
    for (OutlineEvent e; reader.Next(e);) {
        char text[64];
        std::snprintf(text, sizeof text, "%g %g", e.lat, e.lonEast);
        events.push_back(e.penUp ? "up" : text);
    }
    EXPECT_FALSE(reader.Failed());
    return events;
}

TEST(OutlineReader, MapAndViewerRules) {
    const std::vector<std::string> lines = {
        "-100 -100", "36 275.5", "> marker", "0 260", " 36  -84.5 ", "  ",
        "-2000",     "40 260"};
    // The map reads a marker line as 0, 0, a blank line as the last word
    // twice, and folds longitudes into -180..180.
    EXPECT_EQ(Events(lines, kMapOutlineRules),
              (std::vector<std::string>{"up", "36 -84.5", "0 0", "0 -100",
                                        "36 -84.5", "-84.5 -84.5"}));
    // The viewer skips lines whose head reads 0 and takes longitudes as
    // written; "0 260" heads with 260, the blank skipped by the reading.
    EXPECT_EQ(Events(lines, kViewerOutlineRules),
              (std::vector<std::string>{"up", "36 275.5", "0 260",
                                        "36 -84.5"}));
}

TEST(Placement, PageWindowInsteadOfClampAndThePlateCarree) {
    const Placement page{7000, 5500, kKmPerDegree, FarPoints::PageWindow,
                         15000, 11000};
    const MapView view{36, 84.32f, 10000};
    const MapPoint far = Place(page, view, 20, 60); // beyond the page
    EXPECT_EQ(far.x, PlaceUnlimited(page, view, 20, 60).x);
    EXPECT_GT(far.x, 30000) << "not clamped";
    EXPECT_FALSE(InWindow(page, far));
    EXPECT_EQ(Place(page, view, 36, 84.32f).x, 7000);
    for (const auto &[x, y, in] :
         {std::tuple{15000.0f, 11000.0f, true}, {0.0f, 0.0f, true},
          {15000.5f, 5.0f, false}, {5.0f, -0.5f, false}})
        EXPECT_EQ(InWindow(page, {x, y}), in) << x << "," << y;
    EXPECT_TRUE(InWindow(kMapPlacement, far));

    const MapPoint v = PlateCarree::ToPoint(36, 275.5f);
    EXPECT_EQ(std::pair(v.x, v.y), std::pair(7780.0f, 4300.0f));
    EXPECT_EQ(PlateCarree::ToPoint(36, -84.5f).x, -49820.0f);
    EXPECT_EQ(std::pair(PlateCarree::LonWestAt(0), PlateCarree::LatAt(0)),
              std::pair(133.0, 57.5));
    EXPECT_EQ(std::pair(PlateCarree::LonWestAt(12000),
                        PlateCarree::LatAt(9000)),
              std::pair(58.0, 12.5));
}

// Off the page window a vertex is left out and lifts the pen; the state
// rules also forget the previous point there.
TEST(Placement, OutlineOffThePageWindowIsLeftOut) {
    const Placement page{7000, 5500, kKmPerDegree, FarPoints::PageWindow,
                         15000, 11000};
    const MapView view{36, 84.32f, 1000};
    for (const bool states : {false, true}) {
        OutlineFile f({"-100 -100", "36 275.5", "36.1 275.5", "10 200",
                       "36.2 275.5"});
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

TEST(PatternStyle, EveryDegreeUnsizedUnclampedInItsOwnWidth) {
    PatternTable table;
    table.fill(100);
    const PatternStyle page{360, 1, false, kLegendColours, false, 5};
    RecordingSurface surface;
    DrawPattern(surface, table, 14000, 500, "C", 0, 0.5f, 1000, page);
    ASSERT_EQ(surface.ops.size(), 1u + 1 + 359 + 1);
    EXPECT_EQ(TraceLine(surface.ops[0]), "SetDrawWidth 5");
    EXPECT_EQ(TraceLine(surface.ops[1]),
              "Line 14000 -49500 14000 -49500 0xCCCC11");
    EXPECT_EQ(TraceLine(surface.ops[91]).rfind("LineTo 64000 ", 0), 0u);
}

TEST(StationMark, CallSignOverAWhiteBoxWithoutNumber) {
    const StationMarkStyle page{false, 0, 0, true, -8, -3, 15, 4, 0, 0, 16,
                                0,     kRed};
    RecordingSurface surface;
    DrawStationMark(surface, {1000, 2000}, 1340, "WXYZ", page);
    std::vector<std::string> lines;
    for (const DrawOp &op : surface.ops)
        lines.push_back(TraceLine(op));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "FilledBox 985 1996 1015 2004 0xFFFFFF",
                         "PSet 992 1997 0xFFFFFF", "PrintText WXYZ",
                         "Line 984 2000 1016 2000 0x0000FF",
                         "Line 1000 1984 1000 2016 0x0000FF"}));
}

} // namespace
} // namespace tavik
