#include "map/map_commands.h"

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

constexpr Color kSpoke = 0x99DD99;
constexpr Color kCoarseRing = 0x9999FF;
constexpr Color kGrid = 0x8888FF;

std::size_t Clears(const std::vector<DrawOp> &ops) {
    return CountIf(ops,
                   [](const DrawOp &op) { return op.kind == OpKind::Cls; });
}

// ---- The four view commands ------------------------------------------------

struct Step {
    float value;  // the setting after the press
    bool ownItem; // the pressed command's item afterwards
};

struct ViewRow {
    const char *name;
    void (*command)(MapContext &, ViewMenuState &);
    float SessionSettings::*field;
    bool ViewMenuState::*own;
    bool ViewMenuState::*opposite;
    float start;
    std::vector<Step> steps;
    float tolerance;
};

void PrintTo(const ViewRow &row, std::ostream *os) { *os << row.name; }

class ViewCommand : public ::testing::TestWithParam<ViewRow> {};

TEST_P(ViewCommand, StepsBySqrt2UpToItsLimit) {
    const ViewRow &row = GetParam();
    MapFixture f;
    f.settings.*row.field = row.start;
    ViewMenuState menu;
    menu.*row.opposite = false; // as if the opposite limit had been hit
    for (std::size_t i = 0; i < row.steps.size(); ++i) {
        row.command(f.map, menu);
        SCOPED_TRACE("press " + std::to_string(i + 1));
        EXPECT_NEAR(f.settings.*row.field, row.steps[i].value, row.tolerance);
        EXPECT_EQ(menu.*row.own, row.steps[i].ownItem);
        EXPECT_TRUE(menu.*row.opposite);
        EXPECT_EQ(Clears(f.ops()), i + 1); // every press redraws
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ViewCommand,
    ::testing::Values(ViewRow{"ZoomInFrom1000",
                              ZoomIn,
                              &SessionSettings::scaleFactor,
                              &ViewMenuState::zoomIn,
                              &ViewMenuState::zoomOut,
                              1000,
                              {{1414.21f, true},
                               {2000, true},
                               {2828.43f, true},
                               {4000, true},
                               {5656.85f, true},
                               {8000, true},
                               {10000, false},
                               {10000, false}},
                              0.05f},
                      ViewRow{"ZoomInFromSessionLimit",
                              ZoomIn,
                              &SessionSettings::scaleFactor,
                              &ViewMenuState::zoomIn,
                              &ViewMenuState::zoomOut,
                              10000,
                              {{10000, false}},
                              0},
                      ViewRow{"ZoomOutFrom1000",
                              ZoomOut,
                              &SessionSettings::scaleFactor,
                              &ViewMenuState::zoomOut,
                              &ViewMenuState::zoomIn,
                              1000,
                              {{707.1f, true},
                               {500, true},
                               {353.55f, true},
                               {250, true},
                               {176.78f, true},
                               {125, true},
                               {100, false}},
                              0.01f},
                      ViewRow{"SmallerFromPoint2",
                              Smaller,
                              &SessionSettings::patternSize,
                              &ViewMenuState::smaller,
                              &ViewMenuState::larger,
                              0.2f,
                              {{0.1414f, true},
                               {0.1f, true},
                               {0.0707f, true},
                               {0.05f, true},
                               {0.0354f, true},
                               {0.025f, true},
                               {0.02f, false}},
                              0.0001f},
                      ViewRow{"LargerFromPoint2",
                              Larger,
                              &SessionSettings::patternSize,
                              &ViewMenuState::larger,
                              &ViewMenuState::smaller,
                              0.2f,
                              {{0.2828f, true},
                               {0.4f, true},
                               {0.5657f, true},
                               {0.8f, true},
                               {1.1314f, true},
                               {1.6f, true},
                               {2.0f, false}},
                              0.0001f}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ViewCommands, OppositeCommandReenablesTheDisabledItem) {
    MapFixture f;
    f.settings.scaleFactor = 8000;
    ViewMenuState menu;
    ZoomIn(f.map, menu);
    EXPECT_FALSE(menu.zoomIn);
    ZoomOut(f.map, menu);
    EXPECT_NEAR(f.settings.scaleFactor, 7071.1f, 0.05f);
    EXPECT_TRUE(menu.zoomIn);
    EXPECT_TRUE(menu.zoomOut);
    EXPECT_TRUE(menu.larger);
    EXPECT_TRUE(menu.smaller);
}

TEST(ViewCommands, ScaleIsKeptInSinglePrecision) {
    MapFixture f;
    ViewMenuState menu;
    ZoomIn(f.map, menu);
    EXPECT_EQ(f.settings.scaleFactor,
              static_cast<float>(1000 * std::sqrt(2.0)));
}

// ---- Rings -----------------------------------------------------------------

class Commands : public ::testing::Test {
  protected:
    void SetUp() override {
        f.settings.compassOn = 1;
        f.Write("STATES.dat", {"-100 -100", "33 263", "33.25 263"});
        f.Write("REGION2.dat", {"-100 -100", "30 265", "30.25 265"});
        f.Write("1340.DAT",
                {"KAAA,USA,TX,DENTON,L,N,33.25,97.25,50,0,1", "0,1,90,0,0,0"});
    }
    std::size_t First(const std::function<bool(const DrawOp &)> &p) const {
        return FirstIndex(f.ops(), p);
    }
    MapFixture f;
};

TEST_F(Commands, RingsOnDrawsOverThePictureThenPlotAndCompass) {
    ToggleRings(f.map);
    EXPECT_EQ(f.settings.ringsOn, 1);
    const auto &ops = f.ops();
    EXPECT_EQ(Clears(ops), 0u);
    EXPECT_EQ(CountIf(ops, DrawnIn(0xDD9999)), 0u); // no outlines redrawn
    const std::size_t rings = First(DrawnIn(kCoarseRing));
    const std::size_t plot = First(PrintedText("KAAA"));
    const std::size_t compass = First(DrawnIn(kSpoke));
    EXPECT_LT(rings, plot);
    EXPECT_LT(plot, compass);
    EXPECT_LT(compass, ops.size());
}

TEST_F(Commands, RingsOffClearsAndRedrawsWithoutRings) {
    f.settings.ringsOn = 1;
    ToggleRings(f.map);
    EXPECT_EQ(f.settings.ringsOn, 0);
    const auto &ops = f.ops();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].kind, OpKind::Cls);
    EXPECT_EQ(CountIf(ops, DrawnIn(kCoarseRing)), 0u);
    EXPECT_LT(First(DrawnIn(0xDD9999)), First(DrawnIn(0xCC8888)));
    EXPECT_LT(First(DrawnIn(0xCC8888)), First(PrintedText("KAAA")));
    EXPECT_LT(First(PrintedText("KAAA")), First(DrawnIn(kSpoke)));
    EXPECT_LT(First(DrawnIn(kSpoke)), ops.size());
}

// ---- DayNight --------------------------------------------------------------

TEST_F(Commands, DayNightCyclesAndRepeatsTheBannerOverTheCompass) {
    const struct {
        int16_t mode;
        bool nightStationShown;
        const char *banner;
    } presses[] = {{1, false, "Day & critical patterns only"},
                   {2, true, "Night & critical patterns only"},
                   {0, true, nullptr}};
    for (const auto &press : presses) {
        f.surface.ops.clear();
        CycleDayNight(f.map);
        SCOPED_TRACE("mode " + std::to_string(press.mode));
        EXPECT_EQ(f.settings.dayNightMode, press.mode);
        const auto &ops = f.ops();
        EXPECT_EQ(ops.at(0).kind, OpKind::Cls);
        EXPECT_EQ(First(PrintedText("KAAA")) < ops.size(),
                  press.nightStationShown);
        if (press.banner == nullptr) {
            EXPECT_EQ(OfKind(ops, OpKind::FilledBox).size(), 2u + 36u);
            continue;
        }
        // Once with the plot, once more after the last compass spoke.
        EXPECT_EQ(CountIf(ops, PrintedText(press.banner)), 2u);
        ASSERT_GE(ops.size(), 3u);
        EXPECT_GT(ops.size() - 3, LastIndex(ops, DrawnIn(kSpoke)));
        EXPECT_EQ(ops[ops.size() - 3].kind, OpKind::FilledBox);
        EXPECT_EQ(ops[ops.size() - 3].colour, 0xFFF0E0u);
        EXPECT_EQ(ops.back().text, press.banner);
    }
}

// ---- Licensed --------------------------------------------------------------

TEST_F(Commands, LicensedTwiceShowsPermitsAgain) {
    f.Write("1340.DAT",
            {"KAAA,USA,TX,DENTON,CP,U,33.25,97.25,50,0,1", "0,1,90,0,0,0"});
    ToggleLicensed(f.map);
    EXPECT_EQ(f.settings.licensedOnly, 1);
    EXPECT_EQ(First(PrintedText("KAAA")), f.ops().size());
    EXPECT_LT(First(PrintedText("Licensed patterns only")), f.ops().size());

    f.surface.ops.clear();
    ToggleLicensed(f.map);
    EXPECT_EQ(f.settings.licensedOnly, 0);
    EXPECT_EQ(f.ops().at(0).kind, OpKind::Cls);
    EXPECT_LT(First(PrintedText("KAAA")), f.ops().size());
    EXPECT_EQ(First(PrintedText("Licensed patterns only")), f.ops().size());
}

// ---- Grid ------------------------------------------------------------------

TEST_F(Commands, GridRedrawsEverythingButTheCompass) {
    f.settings.ringsOn = 1;
    ToggleGrid(f.map);
    EXPECT_EQ(f.settings.gridOn, 1);
    const auto &ops = f.ops();
    EXPECT_EQ(ops.at(0).kind, OpKind::Cls);
    EXPECT_LT(First(DrawnIn(kGrid)), First(DrawnIn(0xDD9999)));
    EXPECT_LT(First(DrawnIn(0xCC8888)), First(DrawnIn(kCoarseRing)));
    EXPECT_LT(First(DrawnIn(kCoarseRing)), First(PrintedText("KAAA")));
    EXPECT_EQ(CountIf(ops, DrawnIn(kSpoke)), 0u);

    f.surface.ops.clear();
    ToggleGrid(f.map);
    EXPECT_EQ(f.settings.gridOn, 0);
    EXPECT_EQ(CountIf(f.ops(), DrawnIn(kGrid)), 0u);
}

} // namespace
} // namespace tavik
