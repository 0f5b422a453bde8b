#include "stations/pattern.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace tavik {
namespace {

using namespace ::testing;
using SweepFn = bool (*)(const StationRecord &, PatternTable &);
const float kRoot2 = std::sqrt(2.0f), kNaN = std::nanf(""), kInf = INFINITY;

// Towers are {TowerRef, FieldRatio, Field3, Phase, Spacing, Orientation}.
StationRecord Station(const char *hours, float power, std::vector<Tower> t) {
    StationRecord record;
    record.Hours = hours;
    record.Power = power;
    for (const Tower &tower : t)
        record.Tower[++record.Towers] = tower;
    return record;
}

PatternTable Sweep(const StationRecord &record,
                   SweepFn sweep = ComputePattern) {
    PatternTable table;
    EXPECT_TRUE(sweep(record, table));
    return table;
}

TEST(Pattern, SingleTowerIsACircleByPowerAndHours) {
    // Hours, power, the channel plot's field (2 * power^0.31622 by hours);
    // the station data window's at 16 times the power: no hours factor,
    // 0.9 * power^0.25.
    const std::tuple<const char *, float, float, float> rows[] = {
        {"U", 1, 2.06f, 1.8f}, {"D", 1, 1.94f, 1.8f},
        {"N", 1, 2.0f, 1.8f},  {"u", 1, 2.0f, 1.8f},
        {"U", 0, 0.0f, 0.0f},  {"N", 50, 6.890937f, 4.786466f}};
    for (const auto &[hours, power, channel, data] : rows) {
        StationRecord record = Station(hours, power, {{"0", 3.5f, 90, 40}});
        EXPECT_THAT(Sweep(record), Each(FloatEq(channel))) << hours << power;
        record.Power *= 16;
        EXPECT_THAT(Sweep(record, CSweepHorizontal), Each(FloatEq(data)));
    }
}

TEST(Pattern, QuarterWavePairPointsTowardsTheLaggingTower) {
    // Tower 2 a quarter wave north (or east) of tower 1 and lagging by 90
    // degrees, measured from tower 1 at the reference point too. Ratios 1 and
    // r give fields 1 and r over sqrt(1 + r^2), doubled: towards tower 2 they
    // add, away from it they subtract, across they are 90 degrees apart.
    const float root = std::sqrt(1.25f);
    const std::tuple<float, float, std::vector<float>> rows[] = {
        {1, 0, {2 * kRoot2, 2, 0, 2, 2 * kRoot2}},
        {0.5f, 0, {3 / root, 2, 1 / root, 2, 3 / root}},
        {1, 90, {2, 2 * kRoot2, 2, 0, 2}}};
    for (const auto &[ratio, orientation, field] : rows)
        for (const char *ref : {"0", "1"}) {
            const StationRecord record =
                Station("N", 1,
                        {{"0", 1, 90, 0, 0, 0},
                         {ref, ratio, 90, -90, 90, orientation}});
            PatternTable t = Sweep(record);
            EXPECT_THAT(
                (std::vector<float>{t[0], t[90], t[180], t[270], t[360]}),
                Pointwise(FloatNear(1e-5), field))
                << ratio << ref << orientation;
            // The station data window's: 0.9 where the channel plot has 2.
            for (float &e : t)
                e *= 0.45f;
            EXPECT_THAT(Sweep(record, CSweepHorizontal),
                        Pointwise(FloatNear(1e-5), t));
        }
}

TEST(Pattern, RelativeTowersMatchTheirAbsolutePlace) {
    // Tower 2 measured from tower 1 (90 east), and where that puts it. The
    // station data window measures only "1" from the previous tower.
    const float rows[][4] = {{90, 0, 90 * kRoot2, 45},
                             {90, 225, 68.883018f, 157.5f},
                             {180, 315, 132.62632f, 343.67505f}};
    for (const auto &row : rows) {
        auto array = [&row](const char *ref, bool relative) {
            return Station("D", 10,
                           {{"0", 1, 90, 0, 90, 90},
                            {ref, 0.7f, 90, 60, row[relative ? 0 : 2],
                             row[relative ? 1 : 3]}});
        };
        for (SweepFn sweep : {ComputePattern, CSweepHorizontal}) {
            const PatternTable absolute = Sweep(array("0", false), sweep);
            const auto near = Pointwise(FloatNear(1e-4), absolute);
            EXPECT_THAT(Sweep(array("1", true), sweep), near) << row[1];
            if (sweep == ComputePattern) {
                EXPECT_THAT(Sweep(array("2", true), sweep), near);
            } else {
                EXPECT_EQ(Sweep(array("2", true), sweep),
                          Sweep(array("0", true), sweep));
            }
        }
    }
    // Straight west or east of the reference point, exactly.
    EXPECT_EQ(PlaceFromPrevious({90, 0}, {-90, 1e-7f}).orientation, 270.0f);
    EXPECT_EQ(PlaceFromPrevious({90, 0}, {-90, -1e-7f}).orientation, 90.0f);
}

TEST(Pattern, UnformablePatternsGiveAZeroTable) {
    // Power, both ratios, tower 2's phase, towers; true only without towers,
    // when the power is never raised.
    const std::tuple<const char *, float, float, float, int16_t> rows[] = {
        {"AllRatiosZero", 1, 0, -90, 2},
        {"NegativePower", -0.1f, 1, -90, 2},
        {"InfinitePower", kInf, 1, -90, 2},
        {"NaNPhase", 1, 1, kNaN, 2},
        {"ThirteenTowers", 1, 1, -90, kMaxTowers + 1},
        {"NoTowers", -5, 1, -90, 0},
        {"NegativeTowers", -5, 1, -90, -1}};
    for (const auto &[name, power, ratio, phase, towers] : rows) {
        StationRecord record = Station(
            "N", power,
            {{"0", ratio, 90, 0, 0, 0}, {"0", ratio, 90, phase, 90, 0}});
        record.Towers = towers;
        for (SweepFn sweep : {ComputePattern, CSweepHorizontal}) {
            PatternTable table;
            table.fill(-1);
            EXPECT_EQ(sweep(record, table), towers < 1) << name;
            EXPECT_EQ(table, PatternTable{}) << name;
        }
    }
}

} // namespace
} // namespace tavik
