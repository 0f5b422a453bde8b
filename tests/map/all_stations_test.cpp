#include "map/map_layers.h"

#include "map_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavik {
namespace {

using namespace testing_map;

constexpr const char *kTower = "0,1,90,0,0,0";

// Every channel file of the band, empty, so that the overview runs through.
class AllStations : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int c = 530; c <= 1700; c += 10) {
            f.Write(std::to_string(c) + ".DAT", {});
        }
    }
    // The channel numbers printed, in drawing order.
    std::vector<std::string> Labels() const { return Printed(f.ops()); }
    MapFixture f;
};

TEST_F(AllStations, CrossAndChannelNumberPerStation) {
    f.Write("530.DAT", {"KAAA,USA,TX,DENTON,L,U,33.25,97.25,50,0,1", kTower});
    PlotAllStations(f.map);
    const MapPoint p = MapPosition(f.map.View(), 33.25f, 97.25f);
    const auto &ops = f.ops();
    ASSERT_EQ(ops.size(), 10u);
    EXPECT_EQ(ops[0].kind, OpKind::SetFontSize);
    EXPECT_EQ(ops[0].a[0], 8.0f);
    EXPECT_EQ(ops[1].kind, OpKind::SetFontSize);
    EXPECT_EQ(ops[1].a[0], 8.0f);
    ExpectPSet(ops[2], p.x - 60, p.y - 210, kWhite);
    EXPECT_EQ(ops[3].text, " 530");
    EXPECT_EQ(ops[4].kind, OpKind::SetFontSize);
    EXPECT_EQ(ops[4].a[0], 10.0f);
    EXPECT_EQ(ops[5].kind, OpKind::SetDrawWidth);
    EXPECT_EQ(ops[5].a[0], 3.0f);
    ExpectLine(ops[6], p.x - 16, p.y, p.x + 16, p.y, kRed);
    ExpectLine(ops[7], p.x, p.y - 16, p.x, p.y + 16, kRed);
    EXPECT_EQ(ops[8].kind, OpKind::SetDrawWidth);
    EXPECT_EQ(ops[8].a[0], 1.0f);
    EXPECT_EQ(ops[9].kind, OpKind::SetFontSize);
    EXPECT_EQ(ops[9].a[0], 10.0f);
}

TEST_F(AllStations, ChannelsInOrderAnd1610NeverOpened) {
    f.Write("530.DAT", {"KAAA,USA,TX,DENTON,L,U,33.25,97.25,50,0,1", kTower});
    f.Write("1600.DAT", {"KBBB,USA,TX,WACO,L,U,31.5,97.25,50,0,1", kTower});
    // Would fail the overview (13 towers) if it were read.
    f.Write("1610.DAT", {"KCCC,USA,TX,WACO,L,U,31.5,97.25,50,0,13", kTower});
    f.Write("1700.DAT", {"KDDD,USA,TX,WACO,L,U,31.5,97.25,50,0,1", kTower});
    PlotAllStations(f.map);
    EXPECT_EQ(Labels(), (std::vector<std::string>{" 530", " 1600", " 1700"}));
    EXPECT_TRUE(Messages(f.ops()).empty());
}

TEST_F(AllStations, OnlyTheClassFiltersApply) {
    f.settings.dayNightMode = 1;
    f.settings.licensedOnly = 1;
    f.settings.showNew = 0;
    f.Write("540.DAT", {"KNNN,USA,TX,DENTON,CP,N,33.25,97.25,50,0,1", kTower,
                        "NEW,USA,TX,DENTON,L,U,33.5,97.25,50,0,1", kTower,
                        "XEAA,Mexico,NL,MTY,L,D,25.75,100.25,50,0,1", kTower,
                        "CJAA,Canada ,ON,TOR,L,D,43.75,79.5,50,0,1", kTower});
    PlotAllStations(f.map);
    // The night-time construction permit shows; NEW and the foreign line
    // ("Canada " with a blank) do not.
    EXPECT_EQ(Labels(), (std::vector<std::string>{" 540", " 540"}));
    EXPECT_EQ(CountIf(f.ops(),
                      [](const DrawOp &op) {
                          return op.kind == OpKind::Line && op.colour == kRed;
                      }),
              4u);
}

TEST_F(AllStations, FarStationIsCrossedOnTheClampSquare) {
    f.settings.scaleFactor = 10000;
    f.Write("1000.DAT", {"WZZZ,USA,MA,BOSTON,L,U,42.25,71,50,0,1", kTower});
    PlotAllStations(f.map);
    const auto lines = OfKind(f.ops(), OpKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    ExpectLine(lines[0], 30000 - 16, -30000, 30000 + 16, -30000, kRed);
}

TEST_F(AllStations, Missing530EndsAtOnceAndNamesIt) {
    std::filesystem::remove(f.dir.path() + "/530.DAT");
    f.Write("540.DAT", {"KAAA,USA,TX,DENTON,L,U,33.25,97.25,50,0,1", kTower});
    PlotAllStations(f.map);
    const auto &ops = f.ops();
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].a[0], 8.0f);
    EXPECT_EQ(ops[1].kind, OpKind::SetFontSize);
    EXPECT_EQ(ops[1].a[0], 10.0f);
    EXPECT_EQ(ops[2].kind, OpKind::Message);
    EXPECT_EQ(ops[2].text, "We had a problem plotting 530.DAT");
}

TEST_F(AllStations, FailureKeepsEarlierCrossesAndStopsTheRest) {
    f.Write("530.DAT", {"KAAA,USA,TX,DENTON,L,U,33.25,97.25,50,0,1", kTower});
    f.Write("700.DAT", {"KAAA,USA,TX,DENTON,L,U,33.25,97.25,50,0,1", kTower,
                        "KBIG,USA,TX,DENTON,L,U,33.25,97.25,50,0,40000"});
    f.Write("710.DAT", {"KAAA,USA,TX,DENTON,L,U,33.25,97.25,50,0,1", kTower});
    PlotAllStations(f.map);
    EXPECT_EQ(Labels(), (std::vector<std::string>{" 530", " 700"}));
    EXPECT_EQ(Messages(f.ops()),
              std::vector<std::string>{"We had a problem plotting 700.DAT"});
    EXPECT_EQ(f.surface.fontSize, 10.0f);
    EXPECT_EQ(f.surface.drawWidth, 1);
}

TEST_F(AllStations, MapIsOutlinesThenStationsOnly) {
    f.settings.gridOn = 1;
    f.settings.ringsOn = 1;
    f.settings.compassOn = 1;
    f.Write("STATES.dat", {"-100 -100", "33 263", "33.25 263"});
    f.Write("REGION2.dat", {"-100 -100", "30 265", "30.25 265"});
    f.Write("1340.DAT", {"KAAA,USA,TX,DENTON,L,U,33.25,97.25,50,0,1", kTower});
    f.surface.Line(1, 2, 3, 4, kRed); // an old picture
    DrawAllStationsMap(f.map);
    const auto &ops = f.ops();
    EXPECT_EQ(ops[1].kind, OpKind::Cls);
    const std::size_t states = FirstIndex(ops, DrawnIn(0xDD9999));
    const std::size_t region = FirstIndex(ops, DrawnIn(0xCC8888));
    const std::size_t label = FirstIndex(ops, PrintedText(" 1340"));
    EXPECT_LT(states, region);
    EXPECT_LT(region, label);
    ASSERT_LT(label, ops.size());
    // No grid, rings, compass, patterns or legend.
    EXPECT_EQ(Labels(), std::vector<std::string>{" 1340"});
    for (Color c : {0x8888FFu, 0xDDDDFFu, 0x99DD99u, 0x0000AAu}) {
        EXPECT_EQ(CountIf(ops, DrawnIn(c)), 0u) << std::hex << c;
    }
}

} // namespace
} // namespace tavik
