// The outline viewer's picture, readout and click, on a recording surface.

#include "tests/map/map_test_support.h"
#include "viewer/outline_view.h"

#include <string>
#include <tuple>

namespace tavik {
namespace {

// A pen width, 91 + 8 meridians and 51 + 4 parallels, each run checked at
// its ends; then the files.
TEST(OutlineView, GridThenBothFilesInBlueWithThePenKeptBetweenThem) {
    TempDir dir;
    RecordingSurface bare; // no files: the grid and the pen widths, silently
    DrawOutlineView(bare, dir.path);
    EXPECT_EQ(bare.ops.size(), 1 + 91 + 8 + 51 + 4 + 2u);
    // Names in the bundled upper case: the viewer asks for "Region2.dat".
    dir.Write("REGION2.dat", {"-100 -100", "36.0 275.5", "> marker line",
                              "0 -100", "36.0 -84.5", "", "-2000", "40 260"});
    dir.Write("STATES.dat", {"  30 250  ", "-100 -100", "31 251"});
    RecordingSurface surface;
    DrawOutlineView(surface, dir.path);
    const Texts trace = Trace(surface.ops);
    ASSERT_EQ(trace.size(), 155u + 6);
    const std::pair<std::size_t, const char *> grid[] = {
        {0, "SetDrawWidth 1"},
        {1, "Line -1100 0 -1100 9000 0xDDDDDD"},   // 220 E, 140 W
        {91, "Line 13300 0 13300 9000 0xDDDDDD"},  // 310 E, 50 W
        {92, "Line 500 0 500 9000 0x888888"},      // 230 E
        {99, "Line 11700 0 11700 9000 0x888888"},  // 300 E
        {100, "Line 0 9500 12000 9500 0xDDDDDD"},  // 10 N
        {150, "Line 0 -500 12000 -500 0xDDDDDD"},  // 60 N
        {151, "Line 0 7500 12000 7500 0x888888"},  // 20 N
        {154, "Line 0 1500 12000 1500 0x888888"}}; // 50 N
    for (const auto &[i, line] : grid)
        EXPECT_EQ(trace[i], line) << i;
    // The marker and the latitude-0 line are skipped; a west longitude
    // written negative lands far off and is joined all the same; -2000 ends
    // the file. States.dat begins with the pen still down.
    EXPECT_EQ(Texts(trace.begin() + 155, trace.end()),
              (Texts{"SetDrawWidth 2", "Line 7780 4300 7780 4300 0xFF0000",
                     "LineTo -49820 4300 0xFF0000", "SetDrawWidth 1",
                     "LineTo 3700 5500 0xFF0000",
                     "Line 3860 5300 3860 5300 0xFF0000"}));
}

// Under the mouse the readout cuts latitude and longitude to hundredths,
// and a left or right click takes the point 0.6 and 0.238 units further,
// cut to thousandths, as home (its name kept); both are held to 10..70 N
// and 30..170 W. Other buttons change nothing. The current home is read out
// cut to thousandths.
TEST(OutlineView, ReadoutAndClickUnderTheMouse) {
    const struct {
        float x, y;
        const char *lat, *lon;
        int button;
        bool taken;
        float homeLat, homeLon;
    } rows[] = {
        {0, 0, "57.5", "133", kRightButton, true, 57.501f, 133.003f},
        {12000, 9000, "12.5", "58", kLeftButton, true, 12.501f, 58.003f},
        {7790.4f, 4210, "36.45", "84.31", kLeftButton, true, 36.451f, 84.313f},
        {-40000, 10000, "10", "170", kLeftButton, true, 10, 170},
        {24000, -3000, "70", "30", kRightButton, true, 70, 30},
        {7790.4f, 4210, "36.45", "84.31", kMiddleButton, false, 36.0234f,
         84.3167f},
        {7790.4f, 4210, "36.45", "84.31", 0, false, 36.0234f, 84.3167f}};
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y) +
                     " button " + std::to_string(row.button));
        SessionSettings s;
        s.homeCity = "Oak Ridge TN";
        s.homeLatitude = 36.0234f;
        s.homeLongitude = 84.3167f;
        RecordingSurface surface;
        ShowMousePosition(surface, row.x, row.y, s);
        EXPECT_EQ(
            Trace(surface.ops),
            (Texts{"FilledBox 1 7600 12000 7999 0xEFEFEF",
                   "PSet 300 7700 0xEFEFEF",
                   std::string("PrintText Mouse latitude: ") + row.lat,
                   "PSet 2310 7700 0xEFEFEF",
                   std::string("PrintText Longitude: ") + row.lon,
                   "PSet 4700 7700 0xEFEFEF",
                   "PrintText Current home latitude: 36.023",
                   "PSet 7400 7700 0xFFFFFF", "PrintText Longitude: 84.316"}));
        EXPECT_EQ(TakeHomeFromMap(row.x, row.y, row.button, s), row.taken);
        EXPECT_EQ(std::tuple(s.homeLatitude, s.homeLongitude, s.homeCity),
                  std::tuple(row.homeLat, row.homeLon, "Oak Ridge TN"));
    }
}

} // namespace
} // namespace tavik
