// The renderer's command line: what each option does to the session, and
// which arguments are refused.

#include "map/render_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik {
namespace {

struct BadRow {
    const char *name;
    std::vector<std::string> args;
    const char *errorPart; // a piece of the error text
};

class BadRenderArgsTest : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadRenderArgsTest, IsRefusedWithAReason) {
    const BadRow &row = GetParam();
    RenderOptions options;
    std::string error;
    EXPECT_EQ(ParseRenderOptions(row.args, options, error),
              ParseOutcome::Error);
    EXPECT_NE(error.find(row.errorPart), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadRenderArgsTest,
    ::testing::Values(
        BadRow{"NoOutput", {"--rings"}, "no output"},
        BadRow{"UnknownOption", {"--colour", "-o", "a.png"}, "--colour"},
        BadRow{"MissingValue", {"-o", "a.png", "--channel"}, "needs a value"},
        BadRow{"UnknownExtension", {"-o", "map.bmp"}, "map.bmp"},
        BadRow{
            "ChannelTrailing", {"--channel", "1340k", "-o", "a.png"}, "1340k"},
        BadRow{"ChannelAbove", {"--channel", "1705", "-o", "a.png"}, "1705"},
        BadRow{"ChannelBelow", {"--channel", "529.9", "-o", "a.png"}, "529.9"},
        BadRow{"HomeOneNumber", {"--home", "32.78", "-o", "a.png"}, "--home"},
        BadRow{"HomeLongitude", {"--home", "32,181", "-o", "a.png"}, "--home"},
        BadRow{"ScaleBelow", {"--scale", "99", "-o", "a.png"}, "--scale"},
        BadRow{"PatternAbove",
               {"--pattern-size", "2.1", "-o", "a.png"},
               "--pattern-size"},
        BadRow{"DayNight3", {"--day-night", "3", "-o", "a.png"}, "--day-night"},
        BadRow{"ShowUnknown", {"--show", "new,old", "-o", "a.png"}, "new,old"},
        BadRow{"ShowEmptyName", {"--show", "new,", "-o", "a.png"}, "--show"},
        BadRow{"SizeTooSmall", {"--size", "15x900", "-o", "a.png"}, "--size"},
        BadRow{
            "SizeTooLarge", {"--size", "1200x8193", "-o", "a.png"}, "--size"}),
    [](const auto &info) { return std::string(info.param.name); });

SessionSettings SessionFromFile() {
    SessionSettings s;
    s.channelKHz = 1080;
    s.homeCity = "Dallas TX";
    s.homeLatitude = 32.78f;
    s.homeLongitude = 96.82f;
    s.patternSize = 0.2f;
    s.scaleFactor = 1000;
    s.showDeleted = 1;
    s.distanceUnit = 0;
    return s;
}

TEST(RenderOptionsTest, EveryOverrideReachesTheSession) {
    RenderOptions options;
    std::string error;
    ASSERT_EQ(
        ParseRenderOptions(
            {"--channel",       "1340",         "--home",      "36.02,-84.32",
             "--city",          "Oak Ridge TN", "--scale",     "2000.5",
             "--pattern-size",  ".35",          "--rings",     "--compass",
             "--grid",          "--miles",      "--day-night", "2",
             "--licensed-only", "--show",       "new,xenva2",  "--size",
             "640x480",         "--trace",      "t.txt",       "-o",
             "out/Map.PDF"},
            options, error),
        ParseOutcome::Render)
        << error;
    EXPECT_EQ(options.format, ImageFormat::Pdf);
    EXPECT_EQ(options.outputPath, "out/Map.PDF");
    EXPECT_EQ(options.tracePath, "t.txt");
    EXPECT_EQ(options.width, 640);
    EXPECT_EQ(options.height, 480);
    EXPECT_FALSE(options.allStations);

    SessionSettings s = SessionFromFile();
    ApplyRenderOptions(options, s);
    EXPECT_FLOAT_EQ(s.channelKHz, 1340);
    EXPECT_FLOAT_EQ(s.homeLatitude, 36.02f);
    EXPECT_FLOAT_EQ(s.homeLongitude, -84.32f);
    EXPECT_EQ(s.homeCity, "Oak Ridge TN");
    EXPECT_FLOAT_EQ(s.scaleFactor, 2000.5f);
    EXPECT_FLOAT_EQ(s.patternSize, 0.35f);
    EXPECT_EQ(s.ringsOn, 1);
    EXPECT_EQ(s.compassOn, 1);
    EXPECT_EQ(s.gridOn, 1);
    EXPECT_EQ(s.distanceUnit, 1);
    EXPECT_EQ(s.dayNightMode, 2);
    EXPECT_EQ(s.licensedOnly, 1);
    // Named classes on; the others as the session file had them.
    EXPECT_EQ(s.showNew, 1);
    EXPECT_EQ(s.showXenva2, 1);
    EXPECT_EQ(s.showShort, 0);
    EXPECT_EQ(s.showLong, 0);
    EXPECT_EQ(s.showDeleted, 1);
}

TEST(RenderOptionsTest, RangeLimitsThemselvesAreAccepted) {
    for (const auto &[name, value] :
         std::vector<std::pair<std::string, std::string>>{
             {"--channel", "530"},
             {"--channel", "1700"},
             {"--scale", "100"},
             {"--scale", "10000"},
             {"--pattern-size", "0.02"},
             {"--pattern-size", "2"},
             {"--home", "-90,180"},
             {"--size", "16x8192"}}) {
        RenderOptions options;
        std::string error;
        EXPECT_EQ(
            ParseRenderOptions({name, value, "-o", "a.png"}, options, error),
            ParseOutcome::Render)
            << name << " " << value << ": " << error;
    }
}

} // namespace
} // namespace tavik
