#include "stations/pattern.h"

#include "map/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace tavik {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

void AddTower(StationRecord &record, const char *ref, float ratio, float phase,
              float spacing, float orientation) {
    Tower &t = record.Tower[++record.Towers];
    t = {ref, ratio, 90, phase, spacing, orientation};
}

StationRecord Station(const char *hours, float power) {
    StationRecord record;
    record.Hours = hours;
    record.Power = power;
    return record;
}

// Two equal towers a quarter wave apart on the north-south line, the north
// one lagging by 90 degrees: all field to the north, none to the south.
StationRecord Cardioid(const char *secondRef = "0") {
    StationRecord record = Station("N", 1);
    AddTower(record, "0", 1, 0, 0, 0);
    AddTower(record, secondRef, 1, -90, 90, 0);
    return record;
}

PatternTable Sweep(const StationRecord &record) {
    PatternTable table;
    EXPECT_TRUE(ComputePattern(record, table));
    return table;
}

void ExpectSameTable(const PatternTable &a, const PatternTable &b,
                     float tolerance) {
    for (int i = 0; i <= 360; ++i)
        ASSERT_NEAR(a[i], b[i], tolerance) << "azimuth " << i;
}

TEST(Pattern, SingleTowerIsACircleByPowerAndHours) {
    const struct {
        const char *hours;
        float power, expected;
    } rows[] = {{"U", 1, 2.06f},     {"D", 1, 1.94f}, {"N", 1, 2.0f},
                {"C", 1, 2.0f},      {"u", 1, 2.0f},  {"U", 0, 0.0f},
                {"N", 50, 6.890937f}}; // 2 * 50^0.31622
    for (const auto &row : rows) {
        StationRecord record = Station(row.hours, row.power);
        AddTower(record, "0", 3.5f, 40, 0, 0);
        const PatternTable table = Sweep(record);
        for (int a = 0; a <= 360; ++a)
            ASSERT_FLOAT_EQ(table[a], row.expected)
                << row.hours << " " << row.power << " azimuth " << a;
    }
}

TEST(Pattern, CardioidPointsNorthWithANullSouth) {
    const PatternTable table = Sweep(Cardioid());
    EXPECT_NEAR(table[0], 2 * std::sqrt(2.0f), 1e-5);
    EXPECT_NEAR(table[360], 2 * std::sqrt(2.0f), 1e-5);
    EXPECT_NEAR(table[90], 2.0f, 1e-5);
    EXPECT_NEAR(table[270], 2.0f, 1e-5);
    EXPECT_NEAR(table[180], 0.0f, 1e-5);
    EXPECT_NEAR(*std::max_element(table.begin(), table.end()), table[0], 1e-6);
    // Measured from tower 1 at the reference point: the same table.
    ExpectSameTable(table, Sweep(Cardioid("1")), 1e-5f);
}

TEST(Pattern, RelativeTowerIsPlacedFromTheResolvedPrevious) {
    // East 90, then north 90 from there: 127.28 at 45 degrees. Any TowerRef
    // other than "0" measures from the previous tower.
    StationRecord relative = Station("D", 10), absolute = Station("D", 10);
    AddTower(relative, "0", 1, 0, 90, 90);
    AddTower(relative, "2", 0.7f, 60, 90, 0);
    AddTower(absolute, "0", 1, 0, 90, 90);
    AddTower(absolute, "0", 0.7f, 60, 90 * std::sqrt(2.0f), 45);
    ExpectSameTable(Sweep(relative), Sweep(absolute), 1e-4f);
}

TEST(Pattern, ScalingAllFieldRatiosLeavesTheTableUnchanged) {
    StationRecord base = Station("U", 5);
    AddTower(base, "0", 1, 0, 0, 0);
    AddTower(base, "0", 0.5f, 105, 120, 30);
    AddTower(base, "1", 0.8f, -40, 120, 30);
    const PatternTable reference = Sweep(base);
    for (float factor : {10.0f, 0.001f, 3.7f}) {
        StationRecord scaled = base;
        for (int i = 1; i <= scaled.Towers; ++i)
            scaled.Tower[i].FieldRatio *= factor;
        ExpectSameTable(reference, Sweep(scaled), 1e-5f);
    }
}

TEST(Pattern, PlaceFromPreviousCoversEveryQuadrant) {
    const struct {
        TowerPosition previous, offset;
        float spacing, orientation, tolerance;
    } rows[] = {
        {{0, 0}, {100, 0}, 100, 0, 1e-4f},
        {{90, 90}, {90, 0}, 127.27922f, 45, 1e-3f},
        {{0, 0}, {100, 135}, 100, 135, 1e-3f},
        {{100, 170}, {100, 100}, 163.83f, 135, 1e-2f},
        {{0, 0}, {100, 225}, 100, 225, 1e-3f},
        {{0, 0}, {100, 315}, 100, 315, 1e-3f},
        {{0, 0}, {90, 270}, 90, 270, 1e-3f},
        {{0, 0}, {-100, 0}, 100, 180, 1e-4f},
        {{0, 0}, {0, 0}, 0, 0, 0},
        // The north parts cancel exactly (cos of 1e-7 degrees is 1): straight
        // west is 270, straight east 90.
        {{90, 0}, {-90, 1e-7f}, 0, 270, 1e-6f},
        {{90, 0}, {-90, -1e-7f}, 0, 90, 1e-6f},
    };
    for (const auto &row : rows) {
        const TowerPosition placed =
            PlaceFromPrevious(row.previous, row.offset);
        SCOPED_TRACE(std::to_string(row.offset.spacing) + " at " +
                     std::to_string(row.offset.orientation));
        EXPECT_NEAR(placed.spacing, row.spacing, row.tolerance);
        EXPECT_NEAR(placed.orientation, row.orientation, row.tolerance);
    }
}

struct FailureRow {
    const char *name;
    std::function<void(StationRecord &)> change;
};

void PrintTo(const FailureRow &row, std::ostream *os) { *os << row.name; }

class PatternFailures : public ::testing::TestWithParam<FailureRow> {};

TEST_P(PatternFailures, ReportFalseAndLeaveAZeroTable) {
    for (auto sweep : {ComputePattern, CSweepHorizontal}) {
        StationRecord record = Cardioid();
        GetParam().change(record);
        PatternTable table;
        table.fill(-1.0f);
        EXPECT_FALSE(sweep(record, table));
        EXPECT_EQ(std::count(table.begin(), table.end(), 0.0f), 361);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pattern, PatternFailures,
    ::testing::Values(
        FailureRow{"AllRatiosZero",
                   [](StationRecord &r) {
                       r.Tower[1].FieldRatio = r.Tower[2].FieldRatio = 0;
                   }},
        FailureRow{"AllRatiosNegative",
                   [](StationRecord &r) {
                       r.Tower[1].FieldRatio = r.Tower[2].FieldRatio = -1;
                   }},
        FailureRow{"NegativePower", [](StationRecord &r) { r.Power = -0.1f; }},
        FailureRow{"InfinitePower", [](StationRecord &r) { r.Power = kInf; }},
        FailureRow{"NaNPhase",
                   [](StationRecord &r) { r.Tower[2].Phase = kNaN; }},
        FailureRow{"InfiniteSpacing",
                   [](StationRecord &r) { r.Tower[2].Spacing = kInf; }},
        FailureRow{"MoreTowersThanTheTableHolds",
                   [](StationRecord &r) { r.Towers = kMaxTowers + 1; }}),
    [](const auto &info) { return info.param.name; });

TEST(Pattern, NoTowersGiveAZeroTableWithoutFailing) {
    for (int16_t towers : {0, -1}) {
        StationRecord record = Cardioid();
        record.Towers = towers;
        record.Power = -5; // never raised to a power without towers
        PatternTable table;
        table.fill(-1.0f);
        EXPECT_TRUE(ComputePattern(record, table));
        EXPECT_EQ(std::count(table.begin(), table.end(), 0.0f), 361);
    }
}

TEST(CSweepHorizontal, QuarterPowerNoHoursFactorAndOnlyRefOneIsRelative) {
    PatternTable table;
    for (const char *hours : {"U", "D"}) {
        StationRecord omni = Station(hours, 16);
        AddTower(omni, "0", 1, 0, 0, 0);
        ASSERT_TRUE(CSweepHorizontal(omni, table));
        EXPECT_FLOAT_EQ(table[123], 1.8f) << hours; // 16^0.25 * 0.9
    }
    ASSERT_TRUE(CSweepHorizontal(Cardioid("1"), table));
    EXPECT_NEAR(table[0], 0.9f * std::sqrt(2.0f), 1e-5);
    EXPECT_NEAR(table[180], 0.0f, 1e-5);

    // Tower 2 north of tower 1 (which is 90 east): only "1" moves it.
    StationRecord record = Station("N", 1);
    AddTower(record, "0", 1, 0, 90, 90);
    AddTower(record, "0", 1, -90, 90, 0);
    PatternTable own, refTwo, refOne;
    ASSERT_TRUE(CSweepHorizontal(record, own));
    record.Tower[2].TowerRef = "2";
    ASSERT_TRUE(CSweepHorizontal(record, refTwo));
    record.Tower[2].TowerRef = "1";
    ASSERT_TRUE(CSweepHorizontal(record, refOne));
    ExpectSameTable(own, refTwo, 0);
    EXPECT_GT(std::fabs(own[90] - refOne[90]), 0.5f);
}

PatternTable Constant(float e) {
    PatternTable table;
    table.fill(e);
    return table;
}

TEST(DrawPattern, UnlimitedOmniIsA159UnitClosedCircle) {
    StationRecord record = Station("U", 1);
    AddTower(record, "0", 1, 0, 0, 0);
    RecordingSurface surface;
    DrawPattern(surface, Sweep(record), 6000, 4500, "U", 0, 0.1f, 750);

    ASSERT_EQ(surface.ops.size(), 181u);
    const float r = 0.1f * 1.03f * 750 * 2.06f;
    EXPECT_NEAR(r, 159.1f, 0.1);
    const DrawOp &first = surface.ops[0];
    EXPECT_EQ(first.kind, OpKind::Line);
    EXPECT_EQ(std::vector<float>(first.a, first.a + 4),
              (std::vector<float>{6000, 4500 - r, 6000, 4500 - r}));
    // Clockwise from north, every second degree: 90 degrees is point 45.
    EXPECT_NEAR(surface.ops[45].a[0], 6000 + r, 1e-3);
    EXPECT_NEAR(surface.ops[45].a[1], 4500, 1e-3);
    EXPECT_NEAR(surface.ops[90].a[1], 4500 + r, 1e-3);
    EXPECT_NEAR(surface.ops[135].a[0], 6000 - r, 1e-3);
    for (std::size_t i = 0; i < surface.ops.size(); ++i) {
        const DrawOp &op = surface.ops[i];
        EXPECT_EQ(op.kind, i == 0 ? OpKind::Line : OpKind::LineTo) << i;
        EXPECT_EQ(op.colour, 0x0000AAu) << i;
        EXPECT_NEAR(std::hypot(op.a[0] - 6000, op.a[1] - 4500), r, 1e-3) << i;
    }
    EXPECT_EQ(surface.ops.back().a[0], first.a[0]);
    EXPECT_EQ(surface.ops.back().a[1], first.a[1]);
}

TEST(DrawPattern, ReadsEverySecondDegreeOfTheTable) {
    PatternTable table = Constant(1);
    table[2] = 3;
    table[3] = 100;
    RecordingSurface surface;
    DrawPattern(surface, table, 0, 0, "N", 0, 1, 100);
    ASSERT_EQ(surface.ops.size(), 181u);
    EXPECT_NEAR(std::hypot(surface.ops[1].a[0], surface.ops[1].a[1]), 300,
                1e-3);
    EXPECT_NEAR(std::atan2(surface.ops[1].a[0], -surface.ops[1].a[1]),
                2 / 57.29578, 1e-6);
    EXPECT_NEAR(std::hypot(surface.ops[2].a[0], surface.ops[2].a[1]), 100,
                1e-3);
}

TEST(DrawPattern, ColourAndSizeByHours) {
    const struct {
        const char *hours;
        Color colour;
        float k;
    } rows[] = {{"N", 0x000000, 1.0f},  {"C", 0xDDDD11, 0.94f},
                {"D", 0x119911, 0.97f}, {"U", 0x0000AA, 1.03f},
                {"X", 0x0000AA, 1.03f}, {"", 0x0000AA, 1.03f}};
    for (const auto &row : rows) {
        RecordingSurface surface;
        DrawPattern(surface, Constant(1), 6000, 4500, row.hours, 0, 1, 1000);
        ASSERT_EQ(surface.ops.size(), 181u) << row.hours;
        EXPECT_FLOAT_EQ(surface.ops[0].a[1], 4500 - 1000 * row.k) << row.hours;
        EXPECT_EQ(std::count_if(surface.ops.begin(), surface.ops.end(),
                                [&](const DrawOp &op) {
                                    return op.colour == row.colour;
                                }),
                  181)
            << row.hours;
    }
}

TEST(DrawPattern, DayNightModeGate) {
    const struct {
        int16_t mode;
        const char *hours;
        bool drawn;
    } rows[] = {{0, "N", true},  {0, "X", true},  {1, "N", false},
                {1, "C", true},  {1, "D", true},  {1, "U", true},
                {1, "X", false}, {2, "D", false}, {2, "N", true},
                {2, "C", true},  {2, "U", true},  {2, "X", false}};
    for (const auto &row : rows) {
        RecordingSurface surface;
        DrawPattern(surface, Constant(2), 6000, 4500, row.hours, row.mode, 0.5f,
                    750);
        EXPECT_EQ(surface.ops.size(), row.drawn ? 181u : 0u)
            << row.mode << " " << row.hours;
    }
}

TEST(DrawPattern, FarPointsAreHeldToTheMapSquare) {
    RecordingSurface surface;
    DrawPattern(surface, Constant(100), 6000, 4500, "N", 0, 1, 1000);
    ASSERT_EQ(surface.ops.size(), 181u);
    EXPECT_FLOAT_EQ(surface.ops[0].a[0], 6000);
    EXPECT_FLOAT_EQ(surface.ops[0].a[1], -30000);
    EXPECT_FLOAT_EQ(surface.ops[45].a[0], 30000);
    EXPECT_FLOAT_EQ(surface.ops[90].a[1], 30000);
    EXPECT_FLOAT_EQ(surface.ops[135].a[0], -30000);
    for (const DrawOp &op : surface.ops)
        EXPECT_TRUE(std::fabs(op.a[0]) <= 30000 && std::fabs(op.a[1]) <= 30000);
}

TEST(DrawPattern, NothingWhenAPointIsNotANumber) {
    const struct {
        float e;
        int azimuth;
        float patternSize;
    } rows[] = {{kNaN, 100, 0.1f}, {kInf, 0, 0.1f}, {1, 0, kNaN}};
    for (const auto &row : rows) {
        PatternTable table = Constant(1);
        table[row.azimuth] = row.e;
        RecordingSurface surface;
        DrawPattern(surface, table, 6000, 4500, "U", 0, row.patternSize, 750);
        EXPECT_TRUE(surface.ops.empty()) << row.e << " " << row.patternSize;
    }
}

} // namespace
} // namespace tavik
