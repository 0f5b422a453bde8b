#include "map/map_layers.h"

#include "map_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tavik {
namespace {

using namespace testing_map;

constexpr Color kGrid = 0x8888FF;
constexpr Color kFineRing = 0xDDDDFF;
constexpr Color kCoarseRing = 0x9999FF;
constexpr Color kSpoke = 0x99DD99;

// ---- Which switch values draw a layer --------------------------------------

struct SwitchRow {
    const char *name;
    int16_t SessionSettings::*field;
    int16_t value;
    void (*layer)(MapContext &);
    bool draws;
};

void PrintTo(const SwitchRow &row, std::ostream *os) { *os << row.name; }

class LayerSwitch : public ::testing::TestWithParam<SwitchRow> {};

TEST_P(LayerSwitch, DrawsOnlyForItsValues) {
    MapFixture f;
    f.settings.*(GetParam().field) = GetParam().value;
    GetParam().layer(f.map);
    EXPECT_EQ(!f.ops().empty(), GetParam().draws);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LayerSwitch,
    ::testing::Values(
        SwitchRow{"GridOff", &SessionSettings::gridOn, 0, DrawGrid, false},
        SwitchRow{"GridOn", &SessionSettings::gridOn, 1, DrawGrid, true},
        SwitchRow{"GridTwoCountsAsOn", &SessionSettings::gridOn, 2, DrawGrid,
                  true},
        SwitchRow{"RingsOff", &SessionSettings::ringsOn, 0, DrawRings, false},
        SwitchRow{"RingsOn", &SessionSettings::ringsOn, 1, DrawRings, true},
        SwitchRow{"RingsTwoIsOff", &SessionSettings::ringsOn, 2, DrawRings,
                  false},
        SwitchRow{"CompassOff", &SessionSettings::compassOn, 0, DrawCompass,
                  false},
        SwitchRow{"CompassOn", &SessionSettings::compassOn, 1, DrawCompass,
                  true},
        SwitchRow{"CompassTwoIsOff", &SessionSettings::compassOn, 2,
                  DrawCompass, false}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Grid ------------------------------------------------------------------

TEST(Grid, ParallelsThenMeridiansEachStartedByADot) {
    MapFixture f;
    f.settings.gridOn = 1;
    DrawGrid(f.map);
    const auto &ops = f.ops();
    ASSERT_EQ(ops.size(), 9u * 14u + 14u * 9u);
    const MapView view = f.map.View();
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const bool parallels = i < 126;
        const std::size_t k = parallels ? i : i - 126;
        const std::size_t perLine = parallels ? 14 : 9;
        const float lat = parallels ? 15.0f + 5.0f * (k / perLine)
                                    : 15.0f + 5.0f * (k % perLine);
        const float lon = parallels ? 60.0f + 5.0f * (k % perLine)
                                    : 60.0f + 5.0f * (k / perLine);
        const MapPoint p = MapPositionUnclamped(view, lat, lon);
        SCOPED_TRACE("op " + std::to_string(i));
        EXPECT_EQ(ops[i].colour, kGrid);
        if (k % perLine == 0) {
            ExpectLine(ops[i], p.x, p.y, p.x, p.y, kGrid);
        } else {
            EXPECT_EQ(ops[i].kind, OpKind::LineTo);
            EXPECT_FLOAT_EQ(ops[i].a[0], p.x);
            EXPECT_FLOAT_EQ(ops[i].a[1], p.y);
        }
    }
}

TEST(Grid, PointsReachTheSurfaceUnclamped) {
    MapFixture f;
    f.settings.gridOn = 1;
    f.settings.scaleFactor = 10000;
    DrawGrid(f.map);
    // 15 N 60 W lies about 4000 km from Dallas: far beyond the clamp square.
    const MapPoint far = MapPositionUnclamped(f.map.View(), 15, 60);
    ASSERT_GT(far.x, 30000.0f);
    ExpectLine(f.ops().front(), far.x, far.y, far.x, far.y, kGrid, 0.5f);
}

// ---- Rings -----------------------------------------------------------------

// The start of every ring: a Line from a point to itself.
std::vector<DrawOp> RingStarts(const std::vector<DrawOp> &ops) {
    std::vector<DrawOp> out;
    for (const DrawOp &op : ops) {
        if (op.kind == OpKind::Line && op.a[0] == op.a[2] &&
            op.a[1] == op.a[3]) {
            out.push_back(op);
        }
    }
    return out;
}

struct RingRow {
    const char *name;
    int16_t unit;
    float scale;
    int index;    // ring number in drawing order: 10 fine, then 50 coarse
    float radius; // drawn radius, map units
    Color colour;
};

void PrintTo(const RingRow &row, std::ostream *os) { *os << row.name; }

class RingRadius : public ::testing::TestWithParam<RingRow> {};

TEST_P(RingRadius, StartsAtNorthOfHome) {
    const RingRow &row = GetParam();
    MapFixture f;
    f.settings.ringsOn = 1;
    f.settings.distanceUnit = row.unit;
    f.settings.scaleFactor = row.scale;
    DrawRings(f.map);
    const std::vector<DrawOp> starts = RingStarts(f.ops());
    ASSERT_EQ(starts.size(), 60u);
    const DrawOp &ring = starts[row.index];
    EXPECT_NEAR(ring.a[0], 6000.0f, 0.01f);
    EXPECT_NEAR(4500.0f - ring.a[1], row.radius, 0.01f);
    EXPECT_EQ(ring.colour, row.colour);
}

INSTANTIATE_TEST_SUITE_P(
    Radii, RingRadius,
    ::testing::Values(
        RingRow{"Fine10Km", 0, 1000, 0, 133.5f, kFineRing},
        RingRow{"Fine100Km", 0, 1000, 9, 1335.0f, kFineRing},
        RingRow{"Coarse100KmOverFine", 0, 1000, 10, 1335.0f, kCoarseRing},
        RingRow{"Coarse1000KmOutsideTheWindow", 0, 1000, 19, 13350.0f,
                kCoarseRing},
        RingRow{"Coarse5000Km", 0, 1000, 59, 66750.0f, kCoarseRing},
        RingRow{"Fine10Miles", 1, 1000, 0, 214.85f, kFineRing},
        RingRow{"Coarse200MilesAtScale100", 1, 100, 11, 429.7f, kCoarseRing},
        RingRow{"UnitTwoIsKm", 2, 1000, 0, 133.5f, kFineRing}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Rings, EachRingIsAClosedPolygonOf181Points) {
    MapFixture f;
    f.settings.ringsOn = 1;
    DrawRings(f.map);
    const auto &ops = f.ops();
    // The first fine ring follows the opening SetDrawWidth.
    ASSERT_GT(ops.size(), 182u);
    ASSERT_EQ(ops[1].kind, OpKind::Line);
    for (int i = 2; i <= 181; ++i) {
        EXPECT_EQ(ops[i].kind, OpKind::LineTo) << i;
    }
    // a = 90: due east of home; a = 360 closes on the start.
    EXPECT_NEAR(ops[1 + 45].a[0], 6000.0f + 133.5f, 0.01f);
    EXPECT_NEAR(ops[1 + 45].a[1], 4500.0f, 0.01f);
    EXPECT_NEAR(ops[181].a[0], ops[1].a[0], 0.01f);
    EXPECT_NEAR(ops[181].a[1], ops[1].a[1], 0.01f);
    EXPECT_EQ(ops[182].kind, OpKind::Line); // the next ring starts
}

TEST(Rings, WholeThousandsAreDrawnTwoPixelsWide) {
    MapFixture f;
    f.settings.ringsOn = 1;
    DrawRings(f.map);
    // The width in force at each ring start, in drawing order.
    std::vector<int> widths;
    int width = -1;
    for (const DrawOp &op : f.ops()) {
        if (op.kind == OpKind::SetDrawWidth) {
            width = static_cast<int>(op.a[0]);
        } else if (op.kind == OpKind::Line) {
            widths.push_back(width);
        }
    }
    ASSERT_EQ(widths.size(), 60u);
    for (int i = 0; i < 60; ++i) {
        const int radius = i < 10 ? 10 * (i + 1) : 100 * (i - 9);
        EXPECT_EQ(widths[i], i >= 10 && radius % 1000 == 0 ? 2 : 1)
            << "ring " << radius;
    }
    EXPECT_EQ(f.surface.drawWidth, 1);
}

struct RingLegendRow {
    const char *name;
    int16_t unit;
    const char *text;
};

void PrintTo(const RingLegendRow &row, std::ostream *os) { *os << row.name; }

class RingLegend : public ::testing::TestWithParam<RingLegendRow> {};

TEST_P(RingLegend, BoxThenTextAtItsTopLeft) {
    MapFixture f;
    f.settings.ringsOn = 1;
    f.settings.distanceUnit = GetParam().unit;
    DrawRings(f.map);
    const auto &ops = f.ops();
    ASSERT_GE(ops.size(), 4u);
    const std::size_t n = ops.size();
    EXPECT_EQ(ops[n - 4].kind, OpKind::SetDrawWidth);
    EXPECT_EQ(ops[n - 4].a[0], 1.0f);
    const DrawOp &box = ops[n - 3];
    EXPECT_EQ(box.kind, OpKind::FilledBox);
    EXPECT_EQ(box.a[0], 150.0f);
    EXPECT_EQ(box.a[1], 590.0f);
    EXPECT_EQ(box.a[2], 3900.0f);
    EXPECT_EQ(box.a[3], 890.0f);
    EXPECT_EQ(box.colour, 0xF0F0FFu);
    ExpectPSet(ops[n - 2], 200, 590, kWhite);
    EXPECT_EQ(ops[n - 1].text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Units, RingLegend,
    ::testing::Values(
        RingLegendRow{"Miles", 1, "Rings are at 10 and 100 mile intervals"},
        RingLegendRow{"Km", 0, "Rings are at 10 and 100 km intervals"},
        RingLegendRow{"OtherUnitIsKm", -1,
                      "Rings are at 10 and 100 km intervals"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Compass ---------------------------------------------------------------

struct SpokeRow {
    const char *name;
    int angle;
    float innerX, innerY, outerX, outerY;
    float labelX; // PSet x: outer x - 45 * (digits + 1)
    const char *label;
};

void PrintTo(const SpokeRow &row, std::ostream *os) { *os << row.name; }

class CompassSpoke : public ::testing::TestWithParam<SpokeRow> {};

TEST_P(CompassSpoke, BoxLabelAndSpoke) {
    const SpokeRow &row = GetParam();
    MapFixture f;
    f.settings.compassOn = 1;
    DrawCompass(f.map);
    const auto &ops = f.ops();
    ASSERT_EQ(ops.size(), 36u * 4u);
    const DrawOp *spoke = &ops[row.angle / 10 * 4];
    const float tol = 0.05f;

    EXPECT_EQ(spoke[0].kind, OpKind::FilledBox);
    EXPECT_NEAR(spoke[0].a[0], row.outerX - 165, tol);
    EXPECT_NEAR(spoke[0].a[1], row.outerY - 120, tol);
    EXPECT_NEAR(spoke[0].a[2], row.outerX + 210, tol);
    EXPECT_NEAR(spoke[0].a[3], row.outerY + 165, tol);
    EXPECT_EQ(spoke[0].colour, kWhite);
    ExpectPSet(spoke[1], row.labelX, row.outerY - 105, kWhite, tol);
    EXPECT_EQ(spoke[2].kind, OpKind::PrintText);
    EXPECT_EQ(spoke[2].text, row.label);
    ExpectLine(spoke[3], row.innerX, row.innerY, row.outerX, row.outerY, kSpoke,
               tol);
}

// sin/cos of 10 and 350 degrees for the spokes that start 800 units out.
const float kS10 = static_cast<float>(std::sin(10 * M_PI / 180));
const float kC10 = static_cast<float>(std::cos(10 * M_PI / 180));

INSTANTIATE_TEST_SUITE_P(
    Angles, CompassSpoke,
    ::testing::Values(
        SpokeRow{"North", 0, 6000, 4500, 6000, 500, 6000 - 90, " 0"},
        SpokeRow{"East", 90, 6000, 4500, 10000, 4500, 10000 - 135, " 90"},
        SpokeRow{"South", 180, 6000, 4500, 6000, 8500, 6000 - 180, " 180"},
        SpokeRow{"West", 270, 6000, 4500, 2000, 4500, 2000 - 180, " 270"},
        SpokeRow{"Ten", 10, 6000 + 800 * kS10, 4500 - 800 * kC10,
                 6000 + 4000 * kS10, 4500 - 4000 * kC10,
                 6000 + 4000 * kS10 - 90 - 45, " 10"},
        SpokeRow{"ThreeFifty", 350, 6000 - 800 * kS10, 4500 - 800 * kC10,
                 6000 - 4000 * kS10, 4500 - 4000 * kC10,
                 6000 - 4000 * kS10 - 180, " 350"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Compass, OnlyTheFourQuartersStartAtHome) {
    MapFixture f;
    f.settings.compassOn = 1;
    DrawCompass(f.map);
    const auto spokes = OfKind(f.ops(), OpKind::Line);
    ASSERT_EQ(spokes.size(), 36u);
    int fromHome = 0;
    for (const DrawOp &s : spokes) {
        const float r = std::hypot(s.a[0] - 6000, s.a[1] - 4500);
        if (r < 0.01f) {
            ++fromHome;
        } else {
            EXPECT_NEAR(r, 800.0f, 0.05f);
        }
    }
    EXPECT_EQ(fromHome, 4);
}

// ---- Layer order -----------------------------------------------------------

class LayerOrder : public ::testing::Test {
  protected:
    void SetUp() override {
        f.settings.gridOn = 1;
        f.settings.ringsOn = 1;
        f.settings.compassOn = 1;
        f.Write("STATES.dat", {"-100 -100", "32.8 263.2", "33 263"});
        f.Write("REGION2.dat", {"-100 -100", "30 265", "30.2 265"});
        f.Write("1340.DAT",
                {"KAAA,USA,TX,DALLAS,L,U,33.0,97.0,50,0,1", "0,1,90,0,0,0"});
    }
    // Index of the first operation of each layer, in drawing order.
    std::vector<std::size_t> LayerStarts() const {
        const auto &ops = f.ops();
        return {FirstIndex(ops, DrawnIn(kGrid)),
                FirstIndex(ops, DrawnIn(0xDD9999)),
                FirstIndex(ops, DrawnIn(0xCC8888)),
                FirstIndex(ops, DrawnIn(kFineRing)),
                FirstIndex(ops, PrintedText("KAAA")),
                FirstIndex(ops, DrawnIn(kSpoke))};
    }
    MapFixture f;
};

TEST_F(LayerOrder, RedrawClearsThenDrawsTheSixLayersInOrder) {
    f.surface.Line(1, 2, 3, 4, kRed); // an old picture
    RedrawMap(f.map);
    const auto &ops = f.ops();
    ASSERT_EQ(ops[1].kind, OpKind::Cls);
    const std::vector<std::size_t> starts = LayerStarts();
    for (std::size_t i = 0; i < starts.size(); ++i) {
        ASSERT_LT(starts[i], ops.size()) << "layer " << i << " missing";
        if (i > 0) {
            EXPECT_LT(starts[i - 1], starts[i]) << "layer " << i;
        }
    }
    // The home mark closes the state outlines, before the region outlines.
    const std::size_t mark = FirstIndex(
        ops, [](const DrawOp &op) { return op.kind == OpKind::Circle; });
    EXPECT_LT(starts[1], mark);
    EXPECT_LT(mark, starts[2]);
    EXPECT_TRUE(Messages(ops).empty());
}

TEST_F(LayerOrder, AFailingLayerDoesNotStopTheLaterOnes) {
    std::filesystem::remove(f.dir.path() + "/1340.DAT");
    RedrawMap(f.map);
    const auto &ops = f.ops();
    const std::size_t message = FirstIndex(ops, [](const DrawOp &op) {
        return op.kind == OpKind::Message &&
               op.text == "We had a problem plotting 1340.DAT";
    });
    ASSERT_LT(message, ops.size());
    EXPECT_LT(LayerStarts()[3], message);
    EXPECT_LT(message, LayerStarts()[5]); // the compass still comes
}

} // namespace
} // namespace tavik
