// The printed page drawn on a RecordingSurface from small data files in a
// fresh temporary directory, checked as the renderer's trace lines.

#include "print/page.h"
#include "map/recording_surface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tavik {
namespace {

using Lines = std::vector<std::string>;

// Home in Dallas at the start-up scale, channel 1340.
struct PageFixture {
    std::string dir = std::filesystem::temp_directory_path() / "tavik-XXXXXX";
    SessionSettings settings{1340, "Dallas TX", 32.78f, 96.8f, 0.2f, 1000};
    RecordingSurface surface;
    RecordedMessages messages;
    OutlinePen pen;
    MapContext page{settings, surface, messages, pen, ""};

    PageFixture() {
        EXPECT_NE(mkdtemp(dir.data()), nullptr);
        page.dataDir = dir;
    }
    ~PageFixture() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    void Write(const std::string &name, const Lines &lines) {
        std::ofstream out(dir + "/" + name, std::ios::binary);
        for (const std::string &line : lines)
            out << line << "\r\n";
    }
    Lines Trace() const {
        Lines out;
        for (const DrawOp &op : surface.ops)
            out.push_back(TraceLine(op));
        return out;
    }
};

// The lines after "PSet 500 Y 0xFFFFFF" for each legend line Y at or below
// 9600, in order: what the lower legend says.
Lines LowerLegend(const Lines &trace) {
    Lines out;
    for (std::size_t i = 0; i + 1 < trace.size(); ++i) {
        const std::string &line = trace[i];
        if (line.rfind("PSet 500 ", 0) == 0 && std::stof(line.substr(9)) >= 9600)
            out.push_back(line.substr(9, line.find(' ', 9) - 9) + " " +
                          trace[i + 1].substr(10));
    }
    return out;
}

TEST(PageLegend, HoursInTheirColoursThenBlackLinesForEachMode) {
    PageFixture f;
    PrintLegend(f.page);
    const Lines trace = f.Trace();
    ASSERT_GE(trace.size(), 14u);
    const Lines head(trace.begin(), trace.begin() + 14);
    EXPECT_EQ(head, (Lines{"FilledBox 200 8400 2100 10500 0xFFFFFF",
                           "FilledBox 200 10500 4200 11000 0xFFFFFF",
                           "PSet 500 8400 0xFFFFFF", "SetForeColor 0x000099",
                           "PrintText Unlimited", "PSet 500 8700 0xFFFFFF",
                           "SetForeColor 0x119911", "PrintText Daytime",
                           "PSet 500 9000 0xFFFFFF", "SetForeColor 0xCCCC11",
                           "PrintText Critical", "PSet 500 9300 0xFFFFFF",
                           "SetForeColor 0x000000", "PrintText Nighttime"}));
    EXPECT_EQ(f.surface.state.foreColor, kBlack);

    const std::string footer =
        "11100 Tavik - https://oskel-software.example/";
    const struct {
        int16_t dayNight, licensed;
        const char *city;
        Lines lower;
    } rows[] = {
        {0, 0, "Dallas TX",
         {"9600 Channel: 1340 kHz", "10200 Licensed & CPs",
          "10500 Home lat: 32.78  Home lon: 96.8",
          "10800 Home city: Dallas TX", footer}},
        {1, 1, "Waco",
         {"9600 Channel: 1340 kHz", "9900 Day & critical only",
          "10200 Licensed only", "10500 Home lat: 32.78  Home lon: 96.8",
          "10800 Home city: Waco", footer}},
        {2, 0, "Ada",
         {"9600 Channel: 1340 kHz", "9900 Night & critical only",
          "10200 Licensed & CPs", "10500 Home lat: 32.78  Home lon: 96.8",
          footer}},
        {0, 0, "",
         {"9600 Channel: 1340 kHz", "10200 Licensed & CPs",
          "10500 Home lat: 32.78  Home lon: 96.8", footer}},
    };
    for (const auto &row : rows) {
        PageFixture g;
        g.settings.dayNightMode = row.dayNight;
        g.settings.licensedOnly = row.licensed;
        g.settings.homeCity = row.city;
        PrintLegend(g.page);
        EXPECT_EQ(LowerLegend(g.Trace()), row.lower)
            << "mode " << row.dayNight << " city " << row.city;
    }
}

TEST(PageRules, MarksGateAndHoursColours) {
    const struct {
        int16_t mode;
        const char *hours;
        bool marks;
    } gates[] = {{0, "N", true}, {1, "N", false}, {1, "D", true},
                 {1, "X", true}, {2, "D", false}, {2, "N", true},
                 {2, "U", true}, {1, "n", true}};
    for (const auto &g : gates)
        EXPECT_EQ(PageMarksAllowed(g.mode, g.hours), g.marks)
            << "mode " << g.mode << " hours " << g.hours;

    const std::pair<const char *, Color> colours[] = {
        {"N", 0x000000}, {"C", 0xCCCC11}, {"D", 0x119911},
        {"U", 0x000099}, {"X", 0x000099}, {"", 0x000099}};
    for (const auto &[hours, colour] : colours)
        EXPECT_EQ(PageHoursColour(hours), colour) << hours;
}

TEST(PageMarks, CallOnAWhiteBoxAndARedCross32Wide) {
    PageFixture f;
    PrintStationMarks(f.surface, 7000, 5500, "KRLD");
    EXPECT_EQ(f.Trace(), (Lines{"FilledBox 6985 5496 7015 5504 0xFFFFFF",
                               "PSet 6992 5497 0xFFFFFF", "PrintText KRLD",
                               "Line 6984 5500 7016 5500 0x0000FF",
                               "Line 7000 5484 7000 5516 0x0000FF"}));
}

} // namespace
} // namespace tavik
