// The renderer's command line: what each option does to the session, and
// which arguments are refused.

#include "app/render_options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
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

// Unknown or malformed options, values out of range, a trace
// that would overwrite the picture, and an option the mode does not draw,
// wherever it stands; each after "-o a.png".
TEST_F(RenderOptionsTest, BadArgumentsAreRefusedNamingThem) {
    EXPECT_EQ(Parse("--rings"), ParseOutcome::Error);
    EXPECT_EQ(error, "no output file (-o)");
    const std::pair<const char *, const char *> rows[] = {
        {"--colour", "--colour"},
        {"--channel", "needs a value"},
        {"-o map.bmp", "map.bmp"},
        {"--channel 1340k", "1340k"},
        {"--channel 1705", "1705"},
        {"--home 32,181", "--home"},
        {"--scale 99", "--scale"},
        {"--pattern-size 2.1", "--pattern-size"},
        {"--day-night 3", "--day-night"},
        {"--show new,old", "new,old"},
        {"--size 15x900", "--size"},
        {"--trace a.png", "same file a.png"},
        {"-o x/../a.PNG --trace ./a.PNG", "same file"},
        {"--rings --all-stations", "--rings does not apply"},
        {"--viewer --channel 1340", "--channel"},
        {"--page --rings", "--rings"}};
    for (const auto &[line, errorPart] : rows) {
        EXPECT_EQ(Parse(std::string("-o a.png ") + line), ParseOutcome::Error)
            << line;
        EXPECT_NE(error.find(errorPart), std::string::npos) << line << error;
    }
}

TEST_F(RenderOptionsTest, RangeLimitsThemselvesAreAccepted) {
    for (const char *line :
         {"--channel 530 --scale 100 --pattern-size 0.02 --home -90,180 "
          "--size 16x8192 -o a.png",
          "--channel 1700 --scale 10000 --pattern-size 2 --home 90,-180 "
          "--size 8192x16 -o a.png"})
        EXPECT_EQ(Parse(line), ParseOutcome::Render) << line << ": " << error;
}

TEST_F(RenderOptionsTest, ModeFlagChoosesTheModeAndItsDefaultSize) {
    ASSERT_EQ(Parse("--home 30,90 --all-stations --show new --scale 283 "
                    "-o a.svg"),
              ParseOutcome::Render)
        << error;
    EXPECT_EQ(std::string(options.mode->flag), "--all-stations");
    EXPECT_EQ(std::pair(options.width, options.height), std::pair(1200, 900));
    // Every mode takes only options of the table, and each is in the usage.
    for (const RenderMode &mode : RenderModes())
        for (std::string_view name : mode.options)
            EXPECT_NE(RenderUsage().find("[" + std::string(name)),
                      std::string::npos)
                << name;
}

TEST_F(RenderOptionsTest, EveryOverrideReachesTheSession) {
    ASSERT_EQ(Parse("--channel 1340 --home 36.02,-84.32 --scale 2000.5 "
                    "--pattern-size .35 --rings --compass --grid --miles "
                    "--day-night 2 --licensed-only --show new,xenva2 --size "
                    "640x480 --trace t.txt -o out/Map.PDF",
                    {"--city", "Oak Ridge TN"}),
              ParseOutcome::Render)
        << error;
    EXPECT_EQ(std::tuple(options.format, options.outputPath, options.tracePath,
                         options.width, options.height, options.mode),
              std::tuple(ImageFormat::Pdf, "out/Map.PDF", "t.txt", 640, 480,
                         &RenderModes().front()));

    SessionSettings s = {1080, "Dallas TX", 32.78f, 96.82f, 0.2f, 1000, {}};
    s.show.showDeleted = 1;
    ApplyRenderOptions(options, s);
    EXPECT_EQ(
        std::tuple(s.channelKHz, s.homeLatitude, s.homeLongitude, s.homeCity,
                   s.scaleFactor, s.patternSize),
        std::tuple(1340.0f, 36.02f, -84.32f, "Oak Ridge TN", 2000.5f, 0.35f));
    // Switches and named classes on; other classes as the file had them.
    EXPECT_EQ(
        std::vector<int>({s.dayNightMode, s.ringsOn, s.compassOn, s.gridOn,
                          s.distanceUnit, s.licensedOnly, s.show.showNew,
                          s.show.showXenva2, s.show.showDeleted,
                          s.show.showShort, s.show.showLong}),
        std::vector<int>({2, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}));
}

} // namespace
} // namespace tavik
