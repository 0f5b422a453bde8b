#include "map/map_layers.h"

#include "map_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace tavik {
namespace {

using namespace testing_map;

constexpr const char *kTower = "0,1,90,0,0,0"; // one non-directional tower

std::string Station(const std::string &call, const std::string &hours,
                    const std::string &status = "L",
                    const std::string &latLon = "33.25,97.25", int towers = 1) {
    return call + ",USA,TX,DENTON," + status + "," + hours + "," + latLon +
           ",50,0," + std::to_string(towers);
}

bool WasPrinted(const std::vector<DrawOp> &ops, const std::string &text) {
    const auto printed = Printed(ops);
    return std::find(printed.begin(), printed.end(), text) != printed.end();
}

class ChannelPlot : public ::testing::Test {
  protected:
    MapFixture f;
};

TEST_F(ChannelPlot, StationGetsPatternNumberCallAndCross) {
    f.Write("1340.DAT", {Station("KAAA", "U"), kTower});
    PlotChannel(f.map);
    const auto &ops = f.ops();
    const MapPoint p = MapPosition(f.map.View(), 33.25f, 97.25f);
    const std::size_t i = FirstIndex(ops, PrintedText(" 1340"));
    ASSERT_GE(i, 3u);
    ASSERT_LT(i + 5, ops.size());

    // The unlimited-hours outline comes first, closed on its first point.
    EXPECT_EQ(ops[i - 3].kind, OpKind::LineTo);
    EXPECT_EQ(ops[i - 3].colour, 0x0000AAu);
    EXPECT_EQ(ops[i - 2].kind, OpKind::SetFontSize);
    EXPECT_EQ(ops[i - 2].a[0], 8.0f);
    ExpectPSet(ops[i - 1], p.x - 60, p.y - 210, kWhite);
    ExpectPSet(ops[i + 1], p.x - 15, p.y - 30, kWhite);
    EXPECT_EQ(ops[i + 2].text, "KAAA");
    EXPECT_EQ(ops[i + 3].kind, OpKind::SetFontSize);
    EXPECT_EQ(ops[i + 3].a[0], 10.0f);
    ExpectLine(ops[i + 4], p.x - 30, p.y, p.x + 30, p.y, kRed);
    ExpectLine(ops[i + 5], p.x, p.y - 30, p.x, p.y + 30, kRed);
    EXPECT_TRUE(Messages(ops).empty());
}

TEST_F(ChannelPlot, EmptyFileStillDrawsTheLegend) {
    f.Write("1340.DAT", {});
    PlotChannel(f.map);
    const auto &ops = f.ops();
    ASSERT_EQ(ops.size(), 20u);
    EXPECT_EQ(ops[0].kind, OpKind::FilledBox);
    EXPECT_EQ(ops[1].kind, OpKind::FilledBox);
    const float boxes[2][4] = {{200, 6500, 2100, 7680},
                               {200, 7680, 4200, 8400}};
    for (int b = 0; b < 2; ++b) {
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(ops[b].a[k], boxes[b][k]) << "box " << b;
        }
        EXPECT_EQ(ops[b].colour, kWhite);
    }
    const struct {
        float y;
        Color colour;
        const char *text;
    } hours[] = {{6700, 0x000099, "Unlimited"},
                 {6940, 0x119911, "Daytime"},
                 {7180, 0xCCCC11, "Critical"},
                 {7420, kBlack, "Nighttime"}};
    for (int h = 0; h < 4; ++h) {
        const DrawOp *op = &ops[2 + 3 * h];
        ExpectPSet(op[0], 500, hours[h].y, kWhite);
        EXPECT_EQ(op[1].kind, OpKind::SetForeColor);
        EXPECT_EQ(op[1].colour, hours[h].colour);
        EXPECT_EQ(op[2].text, hours[h].text);
    }
    ExpectPSet(ops[14], 500, 7660, kWhite);
    EXPECT_EQ(ops[15].text, "Channel: 1340 kHz");
    ExpectPSet(ops[16], 500, 7900, kWhite);
    EXPECT_EQ(ops[17].text, "Home lat: 32.78  Home lon: 96.8");
    ExpectPSet(ops[18], 500, 8140, kWhite);
    EXPECT_EQ(ops[19].text, "Home:  Dallas TX");
    EXPECT_EQ(f.surface.foreColor, kBlack);
}

struct CityRow {
    const char *name;
    const char *city;
    bool shown;
};

void PrintTo(const CityRow &row, std::ostream *os) { *os << row.name; }

class HomeCityLine : public ChannelPlot,
                     public ::testing::WithParamInterface<CityRow> {};

TEST_P(HomeCityLine, OnlyNamesLongerThanThreeCharacters) {
    f.settings.homeCity = GetParam().city;
    f.Write("1340.DAT", {});
    PlotChannel(f.map);
    const auto printed = Printed(f.ops());
    ASSERT_FALSE(printed.empty());
    if (GetParam().shown) {
        EXPECT_EQ(printed.back(), "Home:  " + std::string(GetParam().city));
    } else {
        EXPECT_EQ(printed.back().rfind("Home lat: ", 0), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Cities, HomeCityLine,
                         ::testing::Values(CityRow{"Empty", "", false},
                                           CityRow{"ThreeChars", "Ada", false},
                                           CityRow{"FourChars", "Waco", true}),
                         [](const auto &info) {
                             return std::string(info.param.name);
                         });

// ---- Channels outside the band, and failures --------------------------------

struct RangeRow {
    const char *name;
    float channel;
    const char *message; // nullptr: nothing at all happens
};

void PrintTo(const RangeRow &row, std::ostream *os) { *os << row.name; }

class ChannelRange : public ChannelPlot,
                     public ::testing::WithParamInterface<RangeRow> {};

// No channel file exists at all here.
TEST_P(ChannelRange, OutsideTheBandNothingInsideAMessage) {
    f.settings.channelKHz = GetParam().channel;
    PlotChannel(f.map);
    if (GetParam().message == nullptr) {
        EXPECT_TRUE(f.ops().empty());
    } else {
        ASSERT_EQ(f.ops().size(), 1u);
        EXPECT_EQ(f.ops()[0].kind, OpKind::Message);
        EXPECT_EQ(f.ops()[0].text, GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Channels, ChannelRange,
    ::testing::Values(
        RangeRow{"Below530", 529.9f, nullptr},
        RangeRow{"Above1700", 1705, nullptr}, RangeRow{"Zero", 0, nullptr},
        RangeRow{"Lowest", 530, "We had a problem plotting 530.DAT"},
        RangeRow{"Highest", 1700, "We had a problem plotting 1700.DAT"},
        RangeRow{"Usual", 1340, "We had a problem plotting 1340.DAT"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ChannelPlot, BadRecordKeepsEarlierStationsAndDropsLegendAndBanners) {
    f.settings.dayNightMode = 1;
    f.settings.licensedOnly = 1;
    f.Write("1340.DAT", {Station("KAAA", "U"), kTower,
                         "KBIG,USA,TX,WACO,L,U,31.5,97.25,5,0,13", kTower,
                         Station("KZZZ", "U"), kTower});
    PlotChannel(f.map);
    const auto &ops = f.ops();
    EXPECT_TRUE(WasPrinted(ops, "KAAA"));
    EXPECT_FALSE(WasPrinted(ops, "KBIG"));
    EXPECT_FALSE(WasPrinted(ops, "KZZZ"));
    EXPECT_FALSE(WasPrinted(ops, "Unlimited"));
    EXPECT_EQ(OfKind(ops, OpKind::FilledBox).size(), 0u);
    EXPECT_EQ(Messages(ops),
              std::vector<std::string>{"We had a problem plotting 1340.DAT"});
    EXPECT_EQ(ops.back().kind, OpKind::Message);
}

TEST_F(ChannelPlot, PatternThatCannotBeFormedEndsThePlot) {
    // Towers present but no field ratio above 0.
    f.Write("1340.DAT", {Station("KBAD", "N"), "0,0,0,0,0,0",
                         Station("KAAA", "U"), kTower});
    PlotChannel(f.map);
    EXPECT_FALSE(WasPrinted(f.ops(), "KBAD"));
    EXPECT_FALSE(WasPrinted(f.ops(), "KAAA"));
    EXPECT_EQ(Messages(f.ops()),
              std::vector<std::string>{"We had a problem plotting 1340.DAT"});
}

// ---- Filters and banners
// -----------------------------------------------------

struct ModeRow {
    const char *name;
    int16_t dayNight;
    int16_t licensed;
    std::vector<std::string> calls; // drawn, in file order
    std::vector<std::string> banners;
};

void PrintTo(const ModeRow &row, std::ostream *os) { *os << row.name; }

class DisplayMode : public ChannelPlot,
                    public ::testing::WithParamInterface<ModeRow> {};

TEST_P(DisplayMode, HidesStationsAndShowsItsBanner) {
    const ModeRow &row = GetParam();
    f.settings.dayNightMode = row.dayNight;
    f.settings.licensedOnly = row.licensed;
    f.Write("1340.DAT",
            {Station("KNNN", "N"), kTower, Station("KDDD", "D"), kTower,
             Station("KUUU", "U", "CP"), kTower, Station("KCCC", "C"), kTower});
    PlotChannel(f.map);
    const auto &ops = f.ops();
    std::vector<std::string> calls;
    for (const std::string &t : Printed(ops)) {
        if (t.size() == 4 && t[0] == 'K') {
            calls.push_back(t);
        }
    }
    EXPECT_EQ(calls, row.calls);

    // The legend ends with the city line; banners come after it.
    const std::size_t legendEnd =
        FirstIndex(ops, PrintedText("Home:  Dallas TX"));
    ASSERT_LT(legendEnd, ops.size());
    std::vector<std::string> banners;
    for (std::size_t i = legendEnd + 1; i + 2 < ops.size(); i += 3) {
        EXPECT_EQ(ops[i].kind, OpKind::FilledBox);
        EXPECT_EQ(ops[i + 1].kind, OpKind::PSet);
        banners.push_back(ops[i + 2].text);
    }
    EXPECT_EQ(banners, row.banners);
    EXPECT_TRUE(Messages(ops).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DisplayMode,
    ::testing::Values(
        ModeRow{"AllHours", 0, 0, {"KNNN", "KDDD", "KUUU", "KCCC"}, {}},
        ModeRow{"DayAndCritical",
                1,
                0,
                {"KDDD", "KUUU", "KCCC"},
                {"Day & critical patterns only"}},
        ModeRow{"NightAndCritical",
                2,
                0,
                {"KNNN", "KUUU", "KCCC"},
                {"Night & critical patterns only"}},
        ModeRow{"LicensedOnly",
                0,
                1,
                {"KNNN", "KDDD", "KCCC"},
                {"Licensed patterns only"}},
        ModeRow{"DayAndLicensed",
                1,
                1,
                {"KDDD", "KCCC"},
                {"Day & critical patterns only", "Licensed patterns only"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ChannelPlot, BannersSitInTheTopLeftCorner) {
    f.settings.dayNightMode = 2;
    f.settings.licensedOnly = 1;
    f.Write("1340.DAT", {});
    PlotChannel(f.map);
    const auto &ops = f.ops();
    ASSERT_GE(ops.size(), 6u);
    const DrawOp *b = &ops[ops.size() - 6];
    const float dayNight[4] = {150, 10, 3900, 285};
    const float licensed[4] = {150, 290, 3900, 590};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(b[0].a[k], dayNight[k]);
        EXPECT_EQ(b[3].a[k], licensed[k]);
    }
    EXPECT_EQ(b[0].colour, 0xFFF0E0u);
    ExpectPSet(b[1], 200, 10, kWhite);
    EXPECT_EQ(b[3].colour, 0xE0FFE0u);
    ExpectPSet(b[4], 200, 290, kWhite);
}

TEST_F(ChannelPlot, HiddenClassIsSkippedWithItsTowers) {
    f.settings.showNew = 0;
    f.Write("1340.DAT",
            {Station("NEW", "U", "L", "33.25,97.25", 2), "0,1,0,0,0,0",
             "1,1,0,90,90,0", Station("KAAA", "U"), kTower});
    PlotChannel(f.map);
    EXPECT_FALSE(WasPrinted(f.ops(), "NEW"));
    EXPECT_TRUE(WasPrinted(f.ops(), "KAAA"));
}

TEST_F(ChannelPlot, FarStationIsMarkedOnTheClampSquare) {
    f.settings.scaleFactor = 10000;
    // Near Boston: far to the upper right of Dallas at this scale.
    f.Write("1340.DAT", {Station("WZZZ", "U", "L", "42.25,71"), kTower});
    PlotChannel(f.map);
    const auto crosses = OfKind(f.ops(), OpKind::Line);
    const auto red =
        std::find_if(crosses.begin(), crosses.end(),
                     [](const DrawOp &op) { return op.colour == kRed; });
    ASSERT_NE(red, crosses.end());
    ExpectLine(*red, 30000 - 30, -30000, 30000 + 30, -30000, kRed);
}

} // namespace
} // namespace tavik
