#include "map/map_layers.h"

#include "map_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace tavik {
namespace {

using namespace testing_map;

constexpr Color kRegion = 0xCC8888;
constexpr Color kStates = 0xDD9999;

class Outlines : public ::testing::Test {
  protected:
    // Where a file vertex lands, before clamping (longitude WEST positive).
    MapPoint At(float lat, float lonWest) const {
        return MapPositionUnclamped(f.map.View(), lat, lonWest);
    }
    MapFixture f;
};

TEST_F(Outlines, RegionDrawsItsPolylineTwoPixelsWide) {
    f.Write("REGION2.dat", {"-100 -100", "33 263", "33.5 263.5"});
    DrawRegionOutline(f.map);
    const MapPoint a = At(33, 97);
    const MapPoint b = At(33.5f, 96.5f);
    const auto &ops = f.ops();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].kind, OpKind::SetDrawWidth);
    EXPECT_EQ(ops[0].a[0], 2.0f);
    ExpectLine(ops[1], a.x, a.y, a.x, a.y, kWhite);
    ExpectLine(ops[2], a.x, a.y, b.x, b.y, kRegion);
    EXPECT_EQ(ops[3].kind, OpKind::SetDrawWidth);
    EXPECT_EQ(ops[3].a[0], 1.0f);
    EXPECT_EQ(f.pen.penUp, 0);
    EXPECT_FLOAT_EQ(f.pen.prevX, b.x);
    EXPECT_FLOAT_EQ(f.pen.prevY, b.y);
}

TEST_F(Outlines, StatesDrawThinThenMarkHome) {
    f.Write("STATES.dat", {"-100 -100", "33 263", "33.5 263.5"});
    DrawStateOutline(f.map);
    const MapPoint a = At(33, 97);
    const MapPoint b = At(33.5f, 96.5f);
    const auto &ops = f.ops();
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(ops[0].kind, OpKind::SetDrawWidth);
    EXPECT_EQ(ops[0].a[0], 1.0f);
    ExpectLine(ops[1], a.x, a.y, a.x, a.y, kWhite);
    ExpectLine(ops[2], a.x, a.y, b.x, b.y, kStates);
    EXPECT_EQ(ops[3].kind, OpKind::Circle);
    EXPECT_EQ(ops[3].a[0], 6000.0f);
    EXPECT_EQ(ops[3].a[1], 4500.0f);
    EXPECT_EQ(ops[3].a[2], 50.0f);
    EXPECT_EQ(ops[3].colour, kRed);
    ExpectLine(ops[4], 5950, 4500, 6050, 4500, kRed, 0);
    ExpectLine(ops[5], 6000, 4450, 6000, 4550, kRed, 0);
}

// ---- The jump test: a vertex further than 2000 units starts a new line ----

struct JumpRow {
    const char *name;
    float dx, dy; // vertex minus previous point, map units
    bool joined;
};

void PrintTo(const JumpRow &row, std::ostream *os) { *os << row.name; }

class JumpTest : public Outlines,
                 public ::testing::WithParamInterface<JumpRow> {};

TEST_P(JumpTest, JoinsOnlyWithin2000Units) {
    const JumpRow &row = GetParam();
    const MapPoint v = At(33, 97);
    // The pen carries over from an earlier drawing: the file starts with a
    // vertex, not a pen-up line.
    f.pen = {0, v.x - row.dx, v.y - row.dy};
    f.Write("REGION2.dat", {"33 263"});
    DrawRegionOutline(f.map);
    ASSERT_EQ(f.ops().size(), 3u);
    if (row.joined) {
        ExpectLine(f.ops()[1], v.x - row.dx, v.y - row.dy, v.x, v.y, kRegion);
    } else {
        ExpectLine(f.ops()[1], v.x, v.y, v.x, v.y, kWhite);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Distances, JumpTest,
    ::testing::Values(JumpRow{"Right2000", 2000, 0, true},
                      JumpRow{"Right2001", 2001, 0, false},
                      JumpRow{"Left2000", -2000, 0, true},
                      JumpRow{"Left2001", -2001, 0, false},
                      JumpRow{"Down2000", 0, 2000, true},
                      JumpRow{"Down2001", 0, 2001, false},
                      JumpRow{"BothAt2000", 2000, -2000, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Outlines, FarVertexIsComparedUnclampedAndDrawnClamped) {
    // About 2300 km east of Dallas on its parallel.
    const MapPoint v = At(32.78f, 71.75f);
    ASSERT_GT(v.x, 32000.0f);
    ASSERT_LT(v.x, 60000.0f);
    ASSERT_LT(std::fabs(v.y), 30000.0f);
    // The previous vertex lies within 2000 of the clamped x, not of v.x.
    f.pen = {0, 29000, v.y};
    f.Write("REGION2.dat", {"32.78 288.25"});
    DrawRegionOutline(f.map);
    ASSERT_EQ(f.ops().size(), 3u);
    ExpectLine(f.ops()[1], 30000, v.y, 30000, v.y, kWhite);
    EXPECT_EQ(f.pen.prevX, 30000.0f);
}

// ---- Pen state shared by the two drawers -----------------------------------

TEST_F(Outlines, RegionContinuesFromTheLastStateVertex) {
    f.Write("STATES.dat", {"-100 -100", "33 263"});
    f.Write("REGION2.dat", {"33.2 263.25"});
    DrawStateOutline(f.map);
    DrawRegionOutline(f.map);
    const MapPoint s = At(33, 97);
    const MapPoint r = At(33.2f, 96.75f);
    const auto regionLines = OfKind(f.ops(), OpKind::Line);
    ASSERT_FALSE(regionLines.empty());
    ExpectLine(regionLines.back(), s.x, s.y, r.x, r.y, kRegion);
}

struct OriginRow {
    const char *name;
    bool states;
    bool drawn;
};

void PrintTo(const OriginRow &row, std::ostream *os) { *os << row.name; }

class PreviousOnAxis : public Outlines,
                       public ::testing::WithParamInterface<OriginRow> {};

// The state drawer treats a previous point with x or y at 0 as "none".
TEST_P(PreviousOnAxis, StatesDrawNoSegmentFromIt) {
    // About 450 km west of Dallas: x lands within 2000 units of 0.
    const MapPoint v = At(32.78f, 101.5f);
    ASSERT_LT(std::fabs(v.x), 2000.0f);
    f.pen = {0, 0, v.y};
    const char *file = GetParam().states ? "STATES.dat" : "REGION2.dat";
    f.Write(file, {"32.78 258.5"});
    if (GetParam().states) {
        DrawStateOutline(f.map);
    } else {
        DrawRegionOutline(f.map);
    }
    const Color colour = GetParam().states ? kStates : kRegion;
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(colour)), GetParam().drawn ? 1u : 0u);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kWhite)), 0u);
    EXPECT_FLOAT_EQ(f.pen.prevX, v.x);
}

INSTANTIATE_TEST_SUITE_P(Drawers, PreviousOnAxis,
                         ::testing::Values(OriginRow{"States", true, false},
                                           OriginRow{"Region", false, true}),
                         [](const auto &info) {
                             return std::string(info.param.name);
                         });

TEST_F(Outlines, StatePenUpForgetsThePreviousPoint) {
    f.Write("STATES.dat", {"33 263", "-100 -100"});
    DrawStateOutline(f.map);
    EXPECT_EQ(f.pen.penUp, 1);
    EXPECT_EQ(f.pen.prevX, 0.0f);
    EXPECT_EQ(f.pen.prevY, 0.0f);

    f.Write("REGION2.dat", {"33 263", "-100 -100"});
    DrawRegionOutline(f.map);
    const MapPoint v = At(33, 97);
    EXPECT_EQ(f.pen.penUp, 1);
    EXPECT_FLOAT_EQ(f.pen.prevX, v.x);
}

// ---- Reading the lines -----------------------------------------------------

struct LineRow {
    const char *name;
    const char *line;
    float lat, lonWest; // the vertex the line stands for
};

void PrintTo(const LineRow &row, std::ostream *os) { *os << row.name; }

class OutlineLine : public Outlines,
                    public ::testing::WithParamInterface<LineRow> {};

TEST_P(OutlineLine, GivesThisVertex) {
    const LineRow &row = GetParam();
    f.Write("REGION2.dat", {"-100 -100", "", row.line});
    DrawRegionOutline(f.map);
    const MapPoint p = At(row.lat, row.lonWest);
    const float x = ClampToMap(p.x);
    const float y = ClampToMap(p.y);
    ASSERT_EQ(f.ops().size(), 3u);
    ExpectLine(f.ops()[1], x, y, x, y, kWhite);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OutlineLine,
    ::testing::Values(
        LineRow{"EastOf180", "33 260", 33, 100},
        LineRow{"NegativeMeansWest", "33 -100", 33, 100},
        LineRow{"FoldedTwice", "33 620", 33, 100},
        LineRow{"BelowMinus180", "33 -260", 33, -100},
        LineRow{"PaddedWithBlanks", "    33     263   ", 33, 97},
        LineRow{"Exponents", "3.3E1 2.63e2", 33, 97},
        // The longitude repeats the last word taken.
        LineRow{"OneWordRepeats", "33", 33, -33},
        // A comment reads as (0, 0): far away, clamped on the square.
        LineRow{"CommentLine", "' coast of Maine", 0, 0},
        LineRow{"MarkerWithNumbers", "> 40 263", 0, -40}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Outlines, MinusTwoThousandEndsTheData) {
    f.Write("REGION2.dat",
            {"-100 -100", "33 263", "-2000.0", "33.1 263", "33.2 263"});
    DrawRegionOutline(f.map);
    EXPECT_EQ(OfKind(f.ops(), OpKind::Line).size(), 1u);
    EXPECT_TRUE(Messages(f.ops()).empty());
}

TEST_F(Outlines, CommentLineBreaksAPolylineInvisibly) {
    f.Write("REGION2.dat", {"-100 -100", "33 263", "! state line", "33.1 263"});
    DrawRegionOutline(f.map);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kRegion)), 0u);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kWhite)), 3u);
}

TEST_F(Outlines, FileNamesMatchWithoutRegardToCase) {
    f.Write("states.DAT", {"-100 -100", "33 263", "33.1 263"});
    f.Write("Region2.DAT", {"-100 -100", "33 263", "33.1 263"});
    DrawStateOutline(f.map);
    DrawRegionOutline(f.map);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kStates)), 1u);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kRegion)), 1u);
    EXPECT_TRUE(Messages(f.ops()).empty());
}

// ---- Failures --------------------------------------------------------------

const char *const kStatesMessage =
    "We had a problem plotting the USA data from STATES.dat";
const char *const kRegionMessage = "We had a problem printing REGION2.dat";

TEST_F(Outlines, MissingStatesFileLeavesNoHomeMarkButTheRegionIsDrawn) {
    f.Write("REGION2.dat", {"-100 -100", "33 263", "33.1 263"});
    DrawStateOutline(f.map);
    DrawRegionOutline(f.map);
    EXPECT_EQ(Messages(f.ops()), std::vector<std::string>{kStatesMessage});
    EXPECT_EQ(CountIf(f.ops(),
                      [](const DrawOp &op) {
                          return op.kind == OpKind::Circle || op.colour == kRed;
                      }),
              0u);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kRegion)), 1u);
}

TEST_F(Outlines, MissingRegionFileResetsTheWidthAndSays) {
    DrawRegionOutline(f.map);
    const auto &ops = f.ops();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, OpKind::SetDrawWidth);
    EXPECT_EQ(ops[0].a[0], 1.0f);
    EXPECT_EQ(ops[1].kind, OpKind::Message);
    EXPECT_EQ(ops[1].text, kRegionMessage);
}

struct OverflowRow {
    const char *name;
    const char *badLine;
};

void PrintTo(const OverflowRow &row, std::ostream *os) { *os << row.name; }

class OutlineOverflow : public Outlines,
                        public ::testing::WithParamInterface<OverflowRow> {};

TEST_P(OutlineOverflow, RegionStopsKeepsWhatWasDrawnAndSays) {
    f.Write("REGION2.dat", {"-100 -100", "33 263", "33.1 263",
                            GetParam().badLine, "33.2 263"});
    DrawRegionOutline(f.map);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kRegion)), 1u);
    EXPECT_EQ(Messages(f.ops()), std::vector<std::string>{kRegionMessage});
    EXPECT_EQ(f.surface.drawWidth, 1);
}

TEST_P(OutlineOverflow, StatesStopWithoutTheHomeMark) {
    f.Write("STATES.dat", {"-100 -100", "33 263", "33.1 263",
                           GetParam().badLine, "33.2 263"});
    DrawStateOutline(f.map);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kStates)), 1u);
    EXPECT_EQ(Messages(f.ops()), std::vector<std::string>{kStatesMessage});
    EXPECT_EQ(OfKind(f.ops(), OpKind::Circle).size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, OutlineOverflow,
    ::testing::Values(OverflowRow{"BeyondDouble", "33 1e999"},
                      OverflowRow{"BeyondSingle", "33 1e300"},
                      OverflowRow{"LatitudeBeyondSingle", "-4e38 263"}),
    [](const auto &info) { return std::string(info.param.name); });

// Whatever the file holds, every coordinate that reaches the surface is a
// number within the clamp square.
TEST_F(Outlines, AnyBytesGiveOnlyFiniteClampedPoints) {
    std::string junk;
    unsigned seed = 12345;
    const char alphabet[] = "0123456789 .-+eEdD\t>!x\r\n\x01\xff";
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
    }
    f.Write("REGION2.dat", {junk});
    f.Write("STATES.dat", {junk});
    DrawStateOutline(f.map);
    DrawRegionOutline(f.map);
    for (const DrawOp &op : OfKind(f.ops(), OpKind::Line)) {
        for (float v : op.a) {
            ASSERT_TRUE(std::isfinite(v));
            ASSERT_LE(std::fabs(v), 30000.0f);
        }
    }
    EXPECT_EQ(f.surface.drawWidth, 1);
}

} // namespace
} // namespace tavik
