// The renderer's command line: what each option does to the session, and
// which arguments are refused.

#include "map/render_options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tavik {
namespace {

struct RenderOptionsTest : ::testing::Test {
    // Parses `args` followed by the words of `line`.
    ParseOutcome Parse(const std::string &line,
                       std::vector<std::string> args = {}) {
        std::istringstream in(line);
        for (std::string word; in >> word;)
            args.push_back(word);
        options = {};
        error.clear();
        return ParseRenderOptions(args, options, error);
    }
    RenderOptions options;
    std::string error;
};

TEST_F(RenderOptionsTest, BadArgumentsAreRefusedNamingThem) {
    for (const auto &[line, errorPart] :
         std::vector<std::pair<std::string, std::string>>{
             {"--rings", "no output"},
             {"--colour -o a.png", "--colour"},
             {"-o a.png --channel", "needs a value"},
             {"-o map.bmp", "map.bmp"},
             {"--channel 1340k -o a.png", "1340k"},
             {"--channel 1705 -o a.png", "1705"},
             {"--channel 529.9 -o a.png", "529.9"},
             {"--home 32.78 -o a.png", "--home"},
             {"--home 32,181 -o a.png", "--home"},
             {"--scale 99 -o a.png", "--scale"},
             {"--pattern-size 2.1 -o a.png", "--pattern-size"},
             {"--day-night 3 -o a.png", "--day-night"},
             {"--show new,old -o a.png", "new,old"},
             {"--show new, -o a.png", "--show"},
             {"--size 15x900 -o a.png", "--size"},
             {"--size 1200x8193 -o a.png", "--size"}}) {
        EXPECT_EQ(Parse(line), ParseOutcome::Error) << line;
        EXPECT_NE(error.find(errorPart), std::string::npos) << line << error;
    }
}

TEST_F(RenderOptionsTest, RangeLimitsThemselvesAreAccepted) {
    for (const char *line :
         {"--channel 530", "--channel 1700", "--scale 100", "--scale 10000",
          "--pattern-size 0.02", "--pattern-size 2", "--home -90,180",
          "--size 16x8192"})
        EXPECT_EQ(Parse(line + std::string(" -o a.png")), ParseOutcome::Render)
            << line << ": " << error;
}

TEST_F(RenderOptionsTest, EveryOverrideReachesTheSession) {
    ASSERT_EQ(Parse("--channel 1340 --home 36.02,-84.32 --scale 2000.5 "
                    "--pattern-size .35 --rings --compass --grid --miles "
                    "--day-night 2 --licensed-only --show new,xenva2 --size "
                    "640x480 --trace t.txt -o out/Map.PDF",
                    {"--city", "Oak Ridge TN"}),
              ParseOutcome::Render)
        << error;
    EXPECT_EQ(options.format, ImageFormat::Pdf);
    EXPECT_EQ(options.outputPath, "out/Map.PDF");
    EXPECT_EQ(options.tracePath, "t.txt");
    EXPECT_EQ(std::pair(options.width, options.height), std::pair(640, 480));
    EXPECT_FALSE(options.allStations);

    SessionSettings s = {1080, "Dallas TX", 32.78f, 96.82f, 0.2f, 1000};
    s.showDeleted = 1;
    ApplyRenderOptions(options, s);
    EXPECT_FLOAT_EQ(s.channelKHz, 1340);
    EXPECT_FLOAT_EQ(s.homeLatitude, 36.02f);
    EXPECT_FLOAT_EQ(s.homeLongitude, -84.32f);
    EXPECT_EQ(s.homeCity, "Oak Ridge TN");
    EXPECT_FLOAT_EQ(s.scaleFactor, 2000.5f);
    EXPECT_FLOAT_EQ(s.patternSize, 0.35f);
    EXPECT_EQ(s.dayNightMode, 2);
    // Switches and named classes on; other classes as the file had them.
    for (int on : {s.ringsOn, s.compassOn, s.gridOn, s.distanceUnit,
                   s.licensedOnly, s.showNew, s.showXenva2, s.showDeleted})
        EXPECT_EQ(on, 1);
    for (int off : {s.showShort, s.showLong})
        EXPECT_EQ(off, 0);
}

} // namespace
} // namespace tavik
