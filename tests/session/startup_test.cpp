// The start-up window's Qt-free parts: gradient, layout numbers, logo slide
// and the start-up plot drawn on a RecordingSurface from small data files.

#include "map/recording_surface.h"
#include "map/startup_plot.h"
#include "session/startup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tavik {
namespace {

using Texts = std::vector<std::string>;

Color Blue(int blue) { return (static_cast<Color>(blue) << 16) | 0x0101; }

TEST(StartupGradientTest, OneLinePerTwipOfHeightInRoundedClampedBlue) {
    RecordingSurface surface;
    DrawStartupGradient(surface, StartupScreen{});
    ASSERT_EQ(surface.ops.size(), 9000u);
    const DrawOp &first = surface.ops.front();
    EXPECT_EQ(TraceLine(first), "Line 0 1 12000 1 0x010101");
    EXPECT_EQ(TraceLine(surface.ops.back()), "Line 0 9000 12000 9000 0xFF0101");
    // i / H * 300 - 30: black-ish up to a tenth of the height, full blue
    // from 95 %; halves go to the even neighbour.
    const struct {
        int i, height, blue;
    } rows[] = {{930, 9000, 1},     {945, 9000, 2},   {975, 9000, 2},
                {1005, 9000, 4},    {384, 1024, 82},  {4500, 9000, 120},
                {8549, 9000, 255}};
    for (const auto &r : rows)
        EXPECT_EQ(GradientColour(r.i, r.height), Blue(r.blue))
            << r.i << " of " << r.height;
    EXPECT_EQ(surface.ops[4499].colour, Blue(120));
}

TEST(StartupLayoutTest, FontSizesFollowTheScreenWidth) {
    const std::vector<StartupControl> controls =
        StartupControls({"2.09", "credit", "copyright"});
    ASSERT_EQ(controls.size(), 7u);
    EXPECT_EQ(controls[1].caption, "Version 2.09");
    // Title, label and button sizes, each scaled by width / 12000.
    const struct {
        std::size_t index;
        float at15360, at12000;
    } rows[] = {{0, 23.04f, 18}, {2, 18.432f, 14.4f}, {5, 15.36f, 12}};
    for (const auto &r : rows) {
        const StartupControl &c = controls[r.index];
        EXPECT_FLOAT_EQ(StartupFontPoints(c, 15360), r.at15360) << c.name;
        EXPECT_FLOAT_EQ(StartupFontPoints(c, 12000), r.at12000) << c.name;
    }
    EXPECT_EQ(controls[5].left, 7500);
    EXPECT_EQ(controls[6].top, 6200);
}

TEST(StartupLayoutTest, LogoMovesEighteenTimesAndRestsAt2200) {
    LogoSlide logo;
    int moves = 0;
    float last = logo.left;
    while (logo.Tick()) {
        EXPECT_EQ(logo.left - last, 400);
        last = logo.left;
        ++moves;
        ASSERT_LT(moves, 100);
    }
    EXPECT_EQ(moves, 18);
    EXPECT_EQ(logo.left, 2200);
    EXPECT_EQ(logo.top, 1000);
    EXPECT_FALSE(logo.Tick());
}

// Home in Dallas; channel files in a fresh temporary directory.
class StartupPlotTest : public ::testing::Test {
  protected:
    StartupPlotTest() {
        EXPECT_NE(mkdtemp(dir_.data()), nullptr);
        settings_ = {1340, "Dallas TX", 32.78f, 96.8f, 0.2f, 1000};
    }
    ~StartupPlotTest() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    void Write(const std::string &name, const Texts &lines) {
        std::ofstream out(dir_ + "/" + name, std::ios::binary);
        for (const std::string &line : lines)
            out << line << "\r\n";
    }
    // A one-tower station line of power 1 at (lat, lon WEST) and its tower.
    static Texts Station(const std::string &call, const std::string &hours,
                         float lat = 32.78f, float lon = 96.8f,
                         const std::string &country = "USA") {
        return {call + "," + country + ",TX,CITY,CP," + hours + "," +
                    std::to_string(lat) + "," + std::to_string(lon) + ",1,0,1",
                "0,1,0,0,0,0"};
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
    SessionSettings settings_;
    RecordingSurface surface_;
};

TEST_F(StartupPlotTest, OutlineIs360PointsInOneColourWithoutHoursFactor) {
    Write("1340.DAT", Station("KRLD", "U"));
    settings_.dayNightMode = 1;
    settings_.licensedOnly = 1;
    DrawStartupPlot(surface_, settings_, dir_);
    EXPECT_EQ(settings_.dayNightMode, 0);
    ASSERT_EQ(surface_.ops.size(), 361u);
    // E = 2 * 1^0.31622 * 1.03; radius 1000 * 0.2 * 2.06 = 412.
    EXPECT_EQ(TraceLine(surface_.ops[0]), "Line 6000 4088 6000 4088 0x666611");
    EXPECT_EQ(TraceLine(surface_.ops[90]), "LineTo 6412 4500 0x666611");
    EXPECT_EQ(TraceLine(surface_.ops[360]), "LineTo 6000 4088 0x666611");
}

TEST_F(StartupPlotTest, PlacesWith111Point1234KmPerDegree) {
    Write("1340.DAT", Station("KNRT", "N", 33.78f, 96.8f));
    DrawStartupPlot(surface_, settings_, dir_);
    ASSERT_EQ(surface_.ops.size(), 361u);
    // One degree north: 111.1234 km is 1481.65 units at scale 1000; the
    // "N" pattern has radius 1000 * 0.2 * 2 = 400.
    EXPECT_NEAR(surface_.ops[0].a[1], 4500 - 1481.65 - 400, 0.05);
    EXPECT_NEAR(surface_.ops[0].a[0], 6000, 0.01);
}

TEST_F(StartupPlotTest, OnlyTheFourCallFiltersApplyAnd1610DrawsNothing) {
    const Texts file = [] {
        Texts lines;
        for (const Texts &s :
             {Station("DKRL", "D"), Station("NEW", "U"), Station("K1", "C"),
              Station("XENVA2", "U"), Station("KLONGER", "U"),
              Station("KUSA", "N", 33, 97, "usa"), Station("KABC", "N")})
            lines.insert(lines.end(), s.begin(), s.end());
        return lines;
    }();
    const struct {
        float channel;
        int16_t showNew, showShort, showLong;
        std::size_t outlines;
    } rows[] = {
        {1340, 0, 0, 0, 2}, // DKRL (deleted, still drawn) and KABC
        {1340, 1, 0, 0, 3}, {1340, 1, 1, 1, 5}, // XENVA2 needs its flag too
        {1610, 1, 1, 1, 0}, {1600, 0, 0, 0, 2}, {1620, 0, 0, 0, 2},
        {520, 0, 0, 0, 0},  {1710, 0, 0, 0, 0}};
    for (const char *name : {"1340.DAT", "1610.DAT", "1600.dat", "1620.DAT",
                             "520.DAT", "1710.DAT"})
        Write(name, file);
    for (const auto &r : rows) {
        SCOPED_TRACE(std::to_string(r.channel) + " " +
                     std::to_string(r.showNew) + std::to_string(r.showShort) +
                     std::to_string(r.showLong));
        surface_.ops.clear();
        settings_.channelKHz = r.channel;
        settings_.show.showNew = r.showNew;
        settings_.show.showShort = r.showShort;
        settings_.show.showLong = r.showLong;
        settings_.show.showDeleted = 0;
        DrawStartupPlot(surface_, settings_, dir_);
        EXPECT_EQ(Outlines(), r.outlines);
    }
}

TEST_F(StartupPlotTest, AFailingFileEndsThePlotSilentlyKeepingWhatWasDrawn) {
    Texts lines = Station("KABC", "U");
    lines.push_back("KBAD,USA,TX,CITY,L,U,33,97,1,0,13"); // 13 towers
    const Texts after = Station("KDEF", "U");
    lines.insert(lines.end(), after.begin(), after.end());
    Write("1340.DAT", lines);
    DrawStartupPlot(surface_, settings_, dir_);
    EXPECT_EQ(Outlines(), 1u);
    settings_.channelKHz = 1350; // no file at all
    surface_.ops.clear();
    DrawStartupPlot(surface_, settings_, dir_);
    EXPECT_TRUE(surface_.ops.empty());
}

} // namespace
} // namespace tavik
