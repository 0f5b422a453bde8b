#include "map/station_pattern.h"

#include "map/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

namespace tavik {
namespace {

namespace fs = std::filesystem;

constexpr Color kBlue = 0xFF4444; // (68, 68, 255) RGB

StationRecord Towers(std::vector<Tower> towers, float power = 1) {
    StationRecord r;
    r.Power = power;
    r.Towers = static_cast<int16_t>(towers.size());
    for (std::size_t i = 0; i < towers.size(); ++i)
        r.Tower[i + 1] = towers[i];
    return r;
}

// The display's operations for a station's towers.
std::vector<DrawOp> Display(const StationRecord &station, const char *hours) {
    PatternTable table{};
    EXPECT_TRUE(CSweepHorizontal(station, table));
    RecordingSurface surface;
    EXPECT_TRUE(DrawStationPatternDisplay(surface, &table, hours));
    return surface.ops;
}

// `count` operations from `first`: one closed line, its Line and LineTos.
std::vector<DrawOp> Sweep(const std::vector<DrawOp> &ops, std::size_t first,
                          std::size_t count) {
    return std::vector<DrawOp>(ops.begin() + first,
                               ops.begin() + first + count);
}

std::vector<std::string> TraceLines(const std::vector<DrawOp> &ops) {
    std::vector<std::string> lines;
    for (const DrawOp &op : ops)
        lines.push_back(TraceLine(op));
    return lines;
}

float Radius(const DrawOp &op) {
    return std::hypot(op.a[0] - 6000, op.a[1] - 6500);
}

TEST(StationPatternDisplay, OneTowerIsACircleOf1985AndItsEnlargementWhite) {
    const auto ops = Display(Towers({{"0", 1, 0, 0, 0, 0}}, 50), "D");
    // Cls, 36 grid spokes, the marker, then the two closed lines.
    ASSERT_GT(ops.size(), 38u + 181 + 361);
    EXPECT_EQ(ops[0].kind, OpKind::Cls);
    EXPECT_EQ(ops[1].kind, OpKind::Line);
    EXPECT_EQ(ops[1].colour, 0xDDDDDDu);
    EXPECT_FLOAT_EQ(ops[1].a[1], 6500 - 300);
    EXPECT_FLOAT_EQ(ops[1].a[3], 6500 - 2180);
    EXPECT_EQ(ops[37].kind, OpKind::Circle);
    EXPECT_EQ(std::vector<float>(ops[37].a, ops[37].a + 3),
              (std::vector<float>{6000, 6495, 50}));

    const auto pattern = Sweep(ops, 38, 181);
    for (const DrawOp &op : pattern) {
        EXPECT_NEAR(Radius(op), 1985, 0.01);
        EXPECT_EQ(op.colour, 0x119911u); // daytime green
    }
    EXPECT_EQ(pattern[0].kind, OpKind::Line);
    EXPECT_FLOAT_EQ(pattern[0].a[1], 6500 - 1985);
    EXPECT_NEAR(pattern[45].a[0], 6000 + 1985, 0.01); // bearing 90 is east

    const auto enlarged = Sweep(ops, 38 + 181, 361);
    for (const DrawOp &op : enlarged) {
        EXPECT_NEAR(Radius(op), 10000, 0.05);
        EXPECT_EQ(op.colour, kWhite);
    }
    EXPECT_EQ(ops.back().kind, OpKind::SetForeColor);
    EXPECT_EQ(ops.back().colour, kBlack);
}

TEST(StationPatternDisplay, CardioidPointsNorthWithItsNullOnTheMarker) {
    // Two towers a quarter wave apart, the second lagging 90 degrees.
    const auto ops = Display(
        Towers({{"0", 1, 0, 0, 0, 0}, {"0", 1, 0, -90, 90, 0}}, 5), "X");
    const auto pattern = Sweep(ops, 38, 181);
    EXPECT_NEAR(pattern[0].a[1], 6500 - 1985, 0.01);
    EXPECT_NEAR(Radius(pattern[90]), 0, 0.01); // bearing 180
    EXPECT_EQ(pattern[0].colour, 0x0000AAu);
    const auto enlarged = Sweep(ops, 38 + 181, 361);
    EXPECT_EQ(enlarged[0].colour, kWhite); // 10000 to the north
    EXPECT_EQ(enlarged[180].colour, kBlue);
    EXPECT_NEAR(Radius(enlarged[180]), 0, 0.05);
    // Where the enlargement leaves the square it turns white.
    int blue = 0;
    for (const DrawOp &op : enlarged) {
        const bool inside = op.a[0] >= 4000 && op.a[0] <= 8000 &&
                            op.a[1] >= 4500 && op.a[1] <= 8500;
        EXPECT_EQ(op.colour, inside ? kBlue : kWhite);
        blue += inside;
    }
    EXPECT_GT(blue, 60);
    EXPECT_LT(blue, 300);
}

TEST(StationPatternDisplay, MarginsAndBearingLabels) {
    const auto ops = Display(Towers({{"0", 1, 0, 0, 0, 0}}), "N");
    std::size_t i = 38 + 181 + 361;
    const std::vector<std::vector<float>> margins = {
        {3400, 4500, 4000, 8500},
        {8000, 4500, 8600, 8500},
        {3400, 4000, 8600, 4500},
        {3400, 8500, 8600, 8999}};
    for (const auto &box : margins) {
        EXPECT_EQ(std::vector<float>(ops[i].a, ops[i].a + 4), box);
        EXPECT_EQ(ops[i++].colour, kWhite);
    }
    EXPECT_EQ(ops[i].kind, OpKind::SetForeColor);
    EXPECT_EQ(ops[i++].colour, 0x888888u);
    // 30 degrees: the point at radius 2400, the text 45 units a character
    // (" 30" is three) to its left.
    const std::size_t label30 = i + 3;
    EXPECT_EQ(ops[label30].kind, OpKind::FilledBox);
    EXPECT_NEAR(ops[label30].a[0], 7200 - 165, 0.01);
    EXPECT_NEAR(ops[label30].a[1], 6500 - 2078.46 - 120, 0.01);
    EXPECT_EQ(ops[label30 + 1].kind, OpKind::PSet);
    EXPECT_NEAR(ops[label30 + 1].a[0], 7200 - 135, 0.01);
    EXPECT_EQ(ops[label30 + 2].text, " 30 ");
    EXPECT_EQ(ops[i + 2].text, " 0 ");
    EXPECT_NEAR(ops[i + 1].a[0], 6000 - 90, 0.01);
    EXPECT_EQ(ops[i + 3 * 11 + 2].text, " 330 ");
}

TEST(StationPatternDisplay, TowersWithoutFieldDrawNoPatternAndSaySo) {
    RecordingSurface surface;
    EXPECT_FALSE(DrawStationPatternDisplay(surface, nullptr, "U"));
    PatternTable zero{};
    RecordingSurface zeroSurface;
    EXPECT_FALSE(DrawStationPatternDisplay(zeroSurface, &zero, "U"));
    for (const auto *s : {&surface, &zeroSurface}) {
        EXPECT_EQ(s->ops[s->ops.size() - 3].text, kNoPatternNotice.first);
        EXPECT_EQ(s->ops.back().text, kNoPatternNotice.second);
        for (const DrawOp &op : s->ops)
            EXPECT_NE(op.kind, OpKind::LineTo);
    }
}

TEST(StationPatternDisplay, AClickDrawsTheLastMatchThenTheLegend) {
    const fs::path dir =
        fs::temp_directory_path() /
        ("tavik-pattern-" + std::to_string(std::random_device()()));
    fs::create_directories(dir);
    std::ofstream(dir / "1340.DAT", std::ios::binary)
        << "KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1\r\n0,1,0,0,0,0\r\n"
           "KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1\r\n0,0,0,0,0,0\r\n";
    const std::string row = "KAAA     USA     TX   DALLAS               U    "
                            "32.78     96.8         50     1";
    const ShowFlags flags{};
    RecordingSurface surface;
    // The second line matches as well and replaces the first: its only
    // tower has no field.
    EXPECT_EQ(ShowStationPattern(surface, dir.string(), 1340, flags, row),
              PatternShown::CannotForm);
    EXPECT_EQ(surface.ops[0].kind, OpKind::FilledBox);
    int cls = 0;
    for (const DrawOp &op : surface.ops)
        cls += op.kind == OpKind::Cls;
    EXPECT_EQ(cls, 2);
    const std::vector<std::string> legend = {"Enlarged 5x", "Unlimited",
                                             "Daytime", "Critical",
                                             "Nighttime"};
    std::vector<std::string> printed;
    for (std::size_t i = surface.ops.size() - 15; i < surface.ops.size();
         i += 3)
        printed.push_back(surface.ops[i + 2].text);
    EXPECT_EQ(printed, legend);
    EXPECT_EQ(surface.ops[surface.ops.size() - 14].colour, kBlue);

    // The renderer's way in: by call sign, in any letter case.
    RecordingSurface byCall;
    RecordedMessages messages;
    EXPECT_TRUE(ShowStationPatternOf(byCall, messages, dir.string(), 1340,
                                     flags, " kaaa"));
    EXPECT_EQ(TraceLines(byCall.ops), TraceLines(surface.ops));
    EXPECT_FALSE(ShowStationPatternOf(byCall, messages, dir.string(), 1340,
                                      flags, "KAA"));
    EXPECT_EQ(messages.shown, std::vector<std::string>{
                                  "No station KAA in the list of 1340 kHz"});

    RecordingSurface missing;
    EXPECT_EQ(ShowStationPattern(missing, dir.string(), 1350, flags, row),
              PatternShown::Unreadable);
    EXPECT_EQ(ShowStationPattern(missing, dir.string(), 1340, flags,
                                 "KZZZ" + row.substr(4)),
              PatternShown::NotFound);
    fs::remove_all(dir);
}

} // namespace
} // namespace tavik
