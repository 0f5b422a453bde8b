// The outline check: the bundled outlines pass it, and it finds a border
// stretch that is missing or held only by vertices too far apart to draw.

#include "tools/outline/outline_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tavik::outline {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(OutlineCheck, TheBundledOutlinesDrawEveryWellKnownBorder) {
    EXPECT_THAT(CheckOutlines(TAVIK_SOURCE_DIR "/data"), ElementsAre());
}

TEST(OutlineCheck, FindsAGapAndASegmentTooLongToDraw) {
    const fs::path dir = fs::path(::testing::TempDir()) / "tavik_outline";
    fs::create_directories(dir);
    // The Texas-Louisiana line along 94.04 W held by its ends at 32 N and
    // 33.01 N alone (112 km apart: not drawn at the closest zoom), and a
    // line drawn 5 km east of it, too far from the border.
    std::ofstream(dir / "STATES.dat", std::ios::binary)
        << "-100 -100\r\n32 265.957\r\n33.0117 265.9564\r\n"
           "-100 -100\r\n32 266.01\r\n32.1 266.01\r\n32.2 266.01\r\n"
           "32.3 266.01\r\n-2000\r\n";
    const std::vector<BorderProbe> probes = {
        {"STATES.dat", "Texas-Louisiana", 32.25f, 94.043f},
        {"STATES.dat", "Texas-Louisiana", 32.05f, 93.99f}};
    EXPECT_THAT(CheckProbes(dir.string(), probes),
                ElementsAre(HasSubstr("Texas-Louisiana at 32.25 N 94.04 W: "
                                      "the nearest line drawn is 5.0 km away")));
    EXPECT_THAT(CheckJumps(dir.string(), "STATES.dat"),
                ElementsAre(HasSubstr("STATES.dat line 3: 15033 map units")));
}

} // namespace
} // namespace tavik::outline
