// The start-up window's Qt-free parts, the plot from small data files.

#include "map/recording_surface.h"
#include "map/startup_plot.h"
#include "session/startup.h"

#include <gtest/gtest.h>

#include "tests/session/list_lines.h"

#include <cstdlib>
#include <filesystem>

namespace tavik {
namespace {

using Stations = std::vector<std::pair<std::string, std::string>>;

// Blue i / H * 300 - 30 (the renderer's test has the clamped ends), halves
// to the even neighbour; fonts scale with the screen width.
TEST(StartupTest, GradientFontSizesAndLogoSlide) {
    RecordingSurface surface;
    DrawStartupGradient(surface, StartupScreen{});
    ASSERT_EQ(surface.ops.size(), 9000u);
    EXPECT_EQ(surface.ops[4499].colour, 0x780101u); // 120
    const std::tuple<int, int, Color> rows[] = {
        {975, 9000, 0x020101}, {1005, 9000, 0x040101}, {384, 1024, 0x520101}};
    for (const auto &[i, height, colour] : rows)
        EXPECT_EQ(GradientColour(i, height), colour) << i << " of " << height;

    const std::vector<StartupControl> controls =
        StartupControls({"2.09", "credit", "copyright"});
    ASSERT_EQ(controls.size(), 7u);
    EXPECT_EQ(controls[1].caption, "Version 2.09");
    EXPECT_FLOAT_EQ(StartupFontPoints(controls[0], 15360), 23.04f);

    // The logo's first step (where it rests is the window's test).
    LogoSlide logo;
    ASSERT_TRUE(logo.Tick());
    EXPECT_EQ(logo.left, -4600);
    EXPECT_EQ(logo.top, 1000);
}

class StartupPlotTest : public ::testing::Test {
  protected:
    StartupPlotTest() { EXPECT_NE(mkdtemp(dir_.data()), nullptr); }
    ~StartupPlotTest() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    // Stations ("CALL,COUNTRY" and hours) of power 1 at `lat` north, 96.8
    // west, each with its one tower.
    void Write(const std::string &name, const Stations &stations,
               float lat = 32.78f) {
        std::vector<std::string> lines;
        for (const auto &[station, hours] : stations) {
            lines.push_back(station + ",TX,CITY,CP," + hours + "," +
                            std::to_string(lat) + ",96.8,1,0,1");
            lines.push_back("0,1,0,0,0,0");
        }
        WriteLines(dir_ + "/" + name, lines);
    }
    // Outlines drawn: each begins with its one Line.
    std::size_t Outlines() const {
        std::size_t lines = 0;
        for (const DrawOp &op : surface_.ops)
            lines += op.kind == OpKind::Line;
        return lines;
    }

    std::string dir_ =
        std::filesystem::temp_directory_path() / "tavik-startup-XXXXXX";
    SessionSettings settings_{1340, "Dallas TX", 32.78f, 96.8f, 0.2f, 1000, {}};
    RecordingSurface surface_;
};

// 360 points in one colour whatever the hours and modes; placed at
// 111.1234 km per degree.
TEST_F(StartupPlotTest, OutlineIs360PointsInOneColourWithoutHoursFactor) {
    Write("1340.DAT", {{"KRLD,USA", "U"}});
    settings_.dayNightMode = 1;
    settings_.licensedOnly = 1;
    DrawStartupPlot(surface_, settings_, dir_);
    EXPECT_EQ(settings_.dayNightMode, 0);
    ASSERT_EQ(surface_.ops.size(), 361u);
    // E = 2 * 1^0.31622 * 1.03; radius 1000 * 0.2 * 2.06 = 412.
    EXPECT_EQ(TraceLine(surface_.ops[90]), "LineTo 6412 4500 0x666611");
    EXPECT_EQ(TraceLine(surface_.ops[360]), "LineTo 6000 4088 0x666611");

    // One degree north: 111.1234 km is 1481.65 units at scale 1000; the
    // "N" pattern has radius 1000 * 0.2 * 2 = 400.
    Write("1340.DAT", {{"KNRT,USA", "N"}}, 33.78f);
    surface_.ops.clear();
    DrawStartupPlot(surface_, settings_, dir_);
    ASSERT_EQ(surface_.ops.size(), 361u);
    EXPECT_NEAR(surface_.ops[0].a[1], 4500 - 1481.65 - 400, 0.05);
    EXPECT_NEAR(surface_.ops[0].a[0], 6000, 0.01);
}

TEST_F(StartupPlotTest, OnlyCallFiltersApply1610DrawsNothingAFailureEnds) {
    const Stations file = {{"DKRL,USA", "D"},    {"NEW,USA", "U"},
                           {"K1,USA", "C"},      {"XENVA2,USA", "U"},
                           {"KLONGER,USA", "U"}, {"KUSA,usa", "N"},
                           {"KABC,USA", "N"}};
    for (const char *name : {"1340.DAT", "1610.DAT", "1600.dat", "1620.DAT",
                             "520.DAT", "1710.DAT"})
        Write(name, file);
    // A station that cannot be read ends the plot, keeping what was drawn.
    WriteLines(dir_ + "/1330.DAT",
               {"KABC,USA,TX,CITY,CP,U,33,97,1,0,1", "0,1,0,0,0,0",
                "KBAD,USA,TX,CITY,L,U,33,97,1,0,13", // 13 towers
                "KDEF,USA,TX,CITY,CP,U,33,97,1,0,1", "0,1,0,0,0,0"});
    // Flags NEW, short, long. None: DKRL (deleted, still drawn) and KABC;
    // XENVA2 needs its own flag. Nothing on 1610, beyond the band or without
    // a file (1350).
    const std::tuple<float, int16_t, int16_t, int16_t, std::size_t> rows[] = {
        {1340, 0, 0, 0, 2}, {1340, 1, 0, 0, 3}, {1340, 1, 1, 1, 5},
        {1610, 1, 1, 1, 0}, {1600, 0, 0, 0, 2}, {1620, 0, 0, 0, 2},
        {520, 0, 0, 0, 0},  {1710, 0, 0, 0, 0}, {1350, 0, 0, 0, 0},
        {1330, 0, 0, 0, 1}};
    for (const auto &[channel, showNew, showShort, showLong, outlines] : rows) {
        surface_.ops.clear();
        settings_.channelKHz = channel;
        settings_.show = {showNew, showShort, 0, showLong, 0};
        DrawStartupPlot(surface_, settings_, dir_);
        EXPECT_EQ(Outlines(), outlines) << channel << " " << showNew;
    }
}

} // namespace
} // namespace tavik
