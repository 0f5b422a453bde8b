#include "map/pattern_outline.h"

#include "map/recording_surface.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

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
std::vector<DrawOp> Draw(const PatternTable &table, const char *hours,
                         int16_t mode = 0, float size = 1, float scale = 1000) {
    RecordingSurface surface;
    DrawPattern(surface, table, 6000, 4500, hours, mode, size, scale);
    return surface.ops;
}

TEST(DrawPattern, ClosedOutlineOfEverySecondDegreeHeldToTheMap) {
    PatternTable table = Constant(2.06f); // one tower, power 1, unlimited
    table[2] *= 2;                        // point 1
    table[3] = 100;                       // never read
    const auto ops = Draw(table, "U", 0, 0.1f, 750);
    ASSERT_EQ(ops.size(), 181u);
    const float r = 0.1f * 1.03f * 750 * 2.06f;
    EXPECT_NEAR(r, 159.1f, 0.1);
    EXPECT_EQ(std::vector<float>(ops[0].a, ops[0].a + 4),
              (std::vector<float>{6000, 4500 - r, 6000, 4500 - r}));
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const double azimuth = (i % 180) * 2 / 57.29578;
        const float ri = i == 1 ? 2 * r : r; // clockwise from north
        EXPECT_EQ(ops[i].kind, i ? OpKind::LineTo : OpKind::Line) << i;
        EXPECT_NEAR(ops[i].a[0], 6000 + ri * std::sin(azimuth), 1e-3) << i;
        EXPECT_NEAR(ops[i].a[1], 4500 - ri * std::cos(azimuth), 1e-3) << i;
    }
    EXPECT_EQ(ops.back().a[0], ops[0].a[0]);
    EXPECT_EQ(ops.back().a[1], ops[0].a[1]);
    const auto far = Draw(Constant(100), "N");
    EXPECT_THAT((std::vector<float>{far[0].a[1], far[45].a[0], far[90].a[1],
                                    far[135].a[0]}),
                ElementsAre(-30000, 30000, 30000, -30000));
    // Nothing when a point is not a number.
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
            const auto ops = Draw(Constant(1), hours, mode);
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
