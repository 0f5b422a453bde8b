#include "map/pattern_outline.h"

#include "tests/map/map_test_support.h"

#include <gmock/gmock.h>

#include <tuple>

namespace tavik {
namespace {

using namespace ::testing;
const float kNaN = std::nanf(""), kInf = INFINITY;

PatternTable Constant(float e) {
    PatternTable table;
    table.fill(e);
    return table;
}

// DrawPattern's operations around (6000, 4500).
Ops Draw(const PatternTable &table, const char *hours, int16_t mode = 0,
         float size = 1, const PatternStyle &style = kChannelPlotPattern) {
    RecordingSurface surface;
    DrawPattern(surface, table, 6000, 4500, hours, mode, size, 1000, style);
    return surface.ops;
}

// 180 points every second degree clockwise from north, each from its own
// entry of the table, closed; held to +-30000 unless the style says not.
// Nothing is drawn when a point is not a number.
TEST(DrawPattern, ClosedOutlineOfEverySecondDegreeHeldToTheMap) {
    PatternTable table = Constant(1);
    table[2] = 2;   // point 1
    table[3] = 100; // never read
    const Ops ops = Draw(table, "N", 0, 0.5f);
    ASSERT_EQ(ops.size(), 181u);
    EXPECT_EQ(
        (Texts{Rounded(ops[0]), Rounded(ops[1]), Rounded(ops[45]),
               Rounded(ops[90]), Rounded(ops[135]), Rounded(ops[180])}),
        (Texts{"Line 6000 4000 6000 4000 0x000000",
               "LineTo 6034.9 3500.61 0x000000", "LineTo 6500 4500 0x000000",
               "LineTo 6000 5000 0x000000", "LineTo 5500 4500 0x000000",
               "LineTo 6000 4000 0x000000"}));
    const Ops far = Draw(Constant(100), "N");
    EXPECT_THAT((std::vector<float>{far[0].a[1], far[45].a[0], far[90].a[1],
                                    far[135].a[0]}),
                ElementsAre(-30000, 30000, 30000, -30000));
    // The printed page's style: every degree, one size, not held.
    const Ops page = Draw(Constant(100), "C", 0, 1,
                          {360, 1, false, kLegendColours, false, 5});
    EXPECT_EQ(
        Trace(page, 0, 2),
        (Texts{"SetDrawWidth 5", "Line 6000 -95500 6000 -95500 0xCCCC11"}));
    table = Constant(1);
    table[100] = kNaN;
    EXPECT_TRUE(Draw(table, "U").empty());
    EXPECT_TRUE(Draw(Constant(kInf), "U").empty()); // inf * sin 0
    EXPECT_TRUE(Draw(Constant(1), "U", 0, kNaN).empty());
}

TEST(DrawPattern, ModeGateColourAndSizeByHours) {
    // Hours, colour, size factor, drawn in day/night mode 0, 1 and 2.
    const std::tuple<const char *, Color, float, const char *> rows[] = {
        {"N", 0x000000, 1.00f, "101"}, {"C", 0xDDDD11, 0.94f, "111"},
        {"D", 0x119911, 0.97f, "110"}, {"U", 0x0000AA, 1.03f, "111"},
        {"X", 0x0000AA, 1.03f, "100"}, {"", 0x0000AA, 1.03f, "100"}};
    for (const auto &[hours, colour, k, drawn] : rows)
        for (int16_t mode = 0; mode < 3; ++mode) {
            const Ops ops = Draw(Constant(1), hours, mode);
            ASSERT_EQ(ops.size(), drawn[mode] == '1' ? 181u : 0u)
                << hours << mode;
            EXPECT_THAT(ops, Each(Field(&DrawOp::colour, colour)));
            if (!ops.empty()) {
                EXPECT_FLOAT_EQ(ops[0].a[1], 4500 - 1000 * k) << hours;
            }
        }
}

} // namespace
} // namespace tavik
