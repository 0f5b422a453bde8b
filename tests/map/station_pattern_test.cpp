#include "map/station_pattern.h"

#include "tests/map/map_test_support.h"

namespace tavik {
namespace {

constexpr Color kBlue = 0xFF4444; // (68, 68, 255) RGB
// Cls, the 36 grid spokes and the marker come first; then the pattern, its
// enlargement and the margins.
constexpr std::size_t kPattern = 38, kEnlarged = 38 + 181,
                      kMargins = 38 + 181 + 361;

// The display's operations for a station's towers.
Ops Display(std::vector<Tower> towers, float power, const char *hours) {
    StationRecord r;
    r.Power = power;
    r.Towers = static_cast<int16_t>(towers.size());
    for (std::size_t i = 0; i < towers.size(); ++i)
        r.Tower[i + 1] = towers[i];
    PatternTable table{};
    EXPECT_TRUE(CSweepHorizontal(r, table));
    RecordingSurface surface;
    EXPECT_TRUE(DrawStationPatternDisplay(surface, &table, hours));
    return surface.ops;
}

// One tower: a circle 1985 round from north clockwise in the colour of its
// hours; the enlargement, 10000 round, lies outside the square: all white.
// The margins are blanked, and every 30 degrees a label 2400 out is moved
// left 45 units a character of the signed number.
TEST(StationPatternDisplay, OneTowerIsACircleOf1985WithMarginsAndLabels) {
    const Ops ops = Display({{"0", 1, 0, 0, 0, 0}}, 50, "D");
    ASSERT_EQ(ops.size(), kMargins + 4 + 1 + 12 * 3 + 1);
    EXPECT_EQ(
        (Texts{Rounded(ops[kPattern]), Rounded(ops[kPattern + 45]),
               Rounded(ops[kEnlarged + 90])}),
        (Texts{"Line 6000 4515 6000 4515 0x119911", "LineTo 7985 6500 0x119911",
               "LineTo 16000 6500 0xFFFFFF"}));
    EXPECT_EQ(Trace(ops, kMargins, 8),
              (Texts{"FilledBox 3400 4500 4000 8500 0xFFFFFF",
                     "FilledBox 8000 4500 8600 8500 0xFFFFFF",
                     "FilledBox 3400 4000 8600 4500 0xFFFFFF",
                     "FilledBox 3400 8500 8600 8999 0xFFFFFF",
                     "SetForeColor 0x888888",
                     "FilledBox 5835 3980 6210 4265 0xFFFFFF",
                     "PSet 5910 3995 0xFFFFFF", "PrintText  0 "}));
    EXPECT_EQ(Trace(ops, ops.size() - 1), Texts{"SetForeColor 0x000000"});
}

// Two towers a quarter wave apart, the second lagging 90 degrees: the
// pattern's largest extent, to the north, is drawn 1985 out. Its
// enlargement is blue inside the square and white where it leaves it.
TEST(StationPatternDisplay, CardioidReachesNorthItsEnlargementLeavesTheSquare) {
    const Ops ops =
        Display({{"0", 1, 0, 0, 0, 0}, {"0", 1, 0, -90, 90, 0}}, 5, "X");
    EXPECT_EQ(Trace(ops, kPattern, 1),
              Texts{"Line 6000 4515 6000 4515 0x0000AA"});
    int blue = 0;
    for (std::size_t i = kEnlarged; i < kMargins; ++i) {
        const DrawOp &op = ops[i];
        const bool inside = op.a[0] >= 4000 && op.a[0] <= 8000 &&
                            op.a[1] >= 4500 && op.a[1] <= 8500;
        EXPECT_EQ(op.colour, inside ? kBlue : kWhite) << i;
        blue += inside;
    }
    EXPECT_GT(blue, 60);
}

// Towers that give no field anywhere: no pattern, the rest as ever.
TEST(StationPatternDisplay, TowersWithoutFieldDrawNoPattern) {
    const PatternTable zero{};
    RecordingSurface s;
    EXPECT_FALSE(DrawStationPatternDisplay(s, &zero, "U"));
    EXPECT_EQ(s.ops.size(), kPattern + 4 + 1 + 36 + 1 + 5);
}

// A click draws each station line the row selects, the last one staying:
// here one whose only tower has no field, which says that no pattern can be
// formed. Then the legend. A row no longer in the file draws no pattern; an
// unreadable file says so.
TEST(StationPatternDisplay, AClickDrawsTheLastMatchThenTheLegend) {
    const TempDir dir;
    dir.Write("1340.DAT",
              {"KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1", "0,1,0,0,0,0",
               "KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1", "0,0,0,0,0,0"});
    const std::string row = "KAAA     USA     TX   DALLAS               U    "
                            "32.78     96.8         50     1";
    RecordingSurface surface;
    EXPECT_EQ(ShowStationPattern(surface, dir.path, 1340, {}, row),
              PatternShown::CannotForm);
    const Ops &ops = surface.ops;
    const Texts trace = Trace(ops);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "Cls"), 2);
    EXPECT_EQ(
        Trace(ops, ops.size() - 20, 10),
        (Texts{
            "PSet 300 8150 0xFFFFFF", "PrintText No pattern can be formed",
            "PSet 300 8390 0xFFFFFF", "PrintText from this station's towers.",
            "FilledBox 200 6160 2500 8000 0xFFFFFF", "PSet 500 6220 0xFFFFFF",
            "SetForeColor 0xFF4444", "PrintText Enlarged 5x",
            "PSet 500 6700 0xFFFFFF", "SetForeColor 0x000099"}));
    EXPECT_EQ(Trace(ops, ops.size() - 3, 1), Texts{"PSet 500 7420 0xFFFFFF"});
    // The renderer's way in: by call sign, in any letter case.
    RecordingSurface byCall;
    RecordedMessages messages;
    EXPECT_TRUE(
        ShowStationPatternOf(byCall, messages, dir.path, 1340, {}, " kaaa"));
    EXPECT_EQ(Trace(byCall.ops), trace);
    RecordingSurface missing;
    EXPECT_EQ(ShowStationPattern(missing, dir.path, 1350, {}, row),
              PatternShown::Unreadable);
    EXPECT_EQ(Trace(missing.ops, 3, 1),
              Texts{"PrintText The channel file could"});
    EXPECT_EQ(
        ShowStationPattern(missing, dir.path, 1340, {}, "KZZZ" + row.substr(4)),
        PatternShown::NotFound);
}

} // namespace
} // namespace tavik
