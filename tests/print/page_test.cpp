// The printed page drawn on a RecordingSurface from small data files in a
// fresh temporary directory, checked as the renderer's trace lines.

#include "map/recording_surface.h"
#include "print/page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
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
    OutlinePen pen;
    MapContext page{settings, surface, surface, pen, ""};

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
        if (line.rfind("PSet 500 ", 0) == 0 &&
            std::stof(line.substr(9)) >= 9600)
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

    const std::string footer = "11100 Tavik - https://oskel-software.example/";
    const struct {
        int16_t dayNight, licensed;
        const char *city;
        Lines lower;
    } rows[] = {
        {0,
         0,
         "Dallas TX",
         {"9600 Channel: 1340 kHz", "10200 Licensed & CPs",
          "10500 Home lat: 32.78  Home lon: 96.8", "10800 Home city: Dallas TX",
          footer}},
        {1,
         1,
         "Waco",
         {"9600 Channel: 1340 kHz", "9900 Day & critical only",
          "10200 Licensed only", "10500 Home lat: 32.78  Home lon: 96.8",
          "10800 Home city: Waco", footer}},
        {2,
         0,
         "Ada",
         {"9600 Channel: 1340 kHz", "9900 Night & critical only",
          "10200 Licensed & CPs", "10500 Home lat: 32.78  Home lon: 96.8",
          footer}},
        {0,
         0,
         "",
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

// A station line at (lat, lon WEST) with one tower of power 1.
Lines Station(const std::string &call, const char *hours, float lat,
              float lon) {
    return {call + ",USA,TX,X,L," + hours + "," + std::to_string(lat) + "," +
                std::to_string(lon) + ",1,0,1",
            "0,1,0,0,0,0"};
}
Lines Join(std::initializer_list<Lines> parts) {
    Lines out;
    for (const Lines &part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}
int Count(const Lines &trace, const std::string &prefix) {
    int n = 0;
    for (const std::string &line : trace)
        n += line.rfind(prefix, 0) == 0;
    return n;
}

// What the page drew, as the names of its parts in order, a name again only
// after another: "font region states home pattern marks legend". Outlines
// and marks are told apart by the pen width they are drawn in.
std::string Parts(const Lines &trace) {
    std::string out, last;
    int width = 1;
    for (const std::string &line : trace) {
        std::istringstream in(line);
        std::string op, name;
        in >> op;
        const bool red =
            line.size() > 8 && line.substr(line.size() - 8) == "0x0000FF";
        const bool black =
            line.size() > 8 && line.substr(line.size() - 8) == "0x000000";
        const bool white =
            line.size() > 8 && line.substr(line.size() - 8) == "0xFFFFFF";
        if (op == "SetFontSize")
            name = "font";
        else if (op == "SetDrawWidth")
            in >> width;
        else if (op == "Message")
            name = "message";
        else if (op == "Circle" || (red && width == 1))
            name = "home";
        else if (red)
            name = "marks";
        else if (op == "FilledBox")
            name = line.find(" 8400 ") != std::string::npos || last == "legend"
                       ? "legend"
                       : "marks";
        else if ((op == "Line" || op == "LineTo") && (black || white) &&
                 width != 5)
            name = width == 8 ? "region" : "states";
        else if (op == "Line" || op == "LineTo")
            name = "pattern";
        if (!name.empty() && name != last)
            out += (out.empty() ? "" : " ") + name;
        last = name.empty() ? last : name;
    }
    return out;
}

TEST(Page, LayersInOrderWithThePagesPensAndColours) {
    PageFixture f;
    f.Write("REGION2.dat", {"-100 -100", "33 263", "33.2 263.2", "-2000"});
    f.Write("STATES.dat", {"-100 -100", "32 263", "32.2 263.2"});
    f.Write("1340.DAT", Station("KAAA", "U", 32.78f, 96.8f));
    f.pen = {0, 123, 456}; // the map window's pen, as its last layer left it
    DrawPrintedPage(f.page);
    const Lines trace = f.Trace();
    EXPECT_EQ(Parts(trace), "font region states home pattern marks legend");
    EXPECT_EQ(trace.front(), "SetFontSize 8");
    EXPECT_EQ(trace.back(), "SetDrawWidth 1");
    // Outlines in black; the pen-up moves in white.
    int black = 0, white = 0;
    for (const std::string &line : trace) {
        black += line.rfind("Line ", 0) == 0 &&
                 line.find("0x000000") != std::string::npos;
        white += line.rfind("Line ", 0) == 0 &&
                 line.find("0xFFFFFF") != std::string::npos;
    }
    EXPECT_EQ(black, 2);
    EXPECT_EQ(white, 2);
    EXPECT_EQ(Count(trace, "Circle 7000 5500 50 0x0000FF"), 1);
    // KAAA stands on home: 360 points around it, 412 twips out
    // (0.2 * 1000 * 2 * 1.03), in the legend's blue, then its marks.
    EXPECT_EQ(Count(trace, "Line 7000 5088 7000 5088 0x000099"), 1);
    EXPECT_EQ(Count(trace, "LineTo "), 360);
    EXPECT_EQ(Count(trace, "PrintText KAAA"), 1);
    EXPECT_EQ(Count(trace, "Line 6984 5500 7016 5500 0x0000FF"), 1);
    EXPECT_EQ(f.pen.penUp, 0);
    EXPECT_NE(f.pen.prevX, 123) << "the pen is the one passed in";
}

// Due south of home at scale 2000 a station lies 26.67 twips a km below
// home; the two stations straddle the page's lower edge, y = 11000.
TEST(Page, StationsOffThePageWindowAreLeftOutEntirely) {
    PageFixture f;
    f.settings.scaleFactor = 2000;
    const MapView view = f.page.View();
    const float inside = 32.78f - 1.85f, outside = 32.78f - 1.86f;
    const float yIn = Place(kPagePlacement, view, inside, 96.8f).y;
    const float yOut = Place(kPagePlacement, view, outside, 96.8f).y;
    ASSERT_TRUE(yIn <= 11000 && yIn > 10950) << yIn;
    ASSERT_TRUE(yOut > 11000 && yOut < 11050) << yOut;
    f.Write("1340.dat", Join({Station("KIN", "U", inside, 96.8f),
                              Station("KOUT", "U", outside, 96.8f),
                              Station("KFAR", "U", 40.0f, 60.0f)}));
    PrintChannelPlot(f.page);
    const Lines trace = f.Trace();
    EXPECT_EQ(Count(trace, "PrintText KIN"), 1);
    EXPECT_EQ(Count(trace, "PrintText KOUT") + Count(trace, "PrintText KFAR"),
              0);
    EXPECT_EQ(Count(trace, "LineTo "), 360) << "one pattern only";
    // Pattern points may leave the page: they are not clamped.
    float lowest = 0;
    for (const std::string &line : trace)
        if (line.rfind("LineTo ", 0) == 0)
            lowest =
                std::max(lowest, std::stof(line.substr(line.find(' ', 7))));
    EXPECT_NEAR(lowest, yIn + 0.2f * 2000 * 2.06f, 1);
}

// Mode 1 hides "N" stations through the hours filter; a station of other
// hours keeps its marks but loses its pattern to the pattern's gate.
TEST(Page, ModeGatesOfMarksAndPatterns) {
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

    const struct {
        int16_t mode;
        Lines calls;
        int patterns;
    } rows[] = {{0, {"KUUU", "KXXX", "KNNN", "KDDD"}, 4},
                {1, {"KUUU", "KXXX", "KDDD"}, 2},
                {2, {"KUUU", "KXXX", "KNNN"}, 2}};
    for (const auto &row : rows) {
        PageFixture f;
        f.settings.dayNightMode = row.mode;
        f.Write(
            "1340.dat",
            Join({Station("KUUU", "U", 33, 97), Station("KXXX", "X", 33, 96),
                  Station("KNNN", "N", 32, 97), Station("KDDD", "D", 32, 96)}));
        PrintChannelPlot(f.page);
        Lines calls;
        for (const std::string &line : f.Trace())
            if (line.rfind("PrintText K", 0) == 0)
                calls.push_back(line.substr(10));
        EXPECT_EQ(calls, row.calls) << "mode " << row.mode;
        EXPECT_EQ(Count(f.Trace(), "LineTo "), 360 * row.patterns)
            << "mode " << row.mode;
    }
}

TEST(Page, FailuresAreReportedAndThePageGoesOn) {
    const struct {
        const char *missing;
        float channel;
        const char *parts;
    } rows[] = {
        {"REGION2.dat", 1340, "font message states home pattern marks legend"},
        {"STATES.dat", 1340, "font region message pattern marks legend"},
        {"1340.dat", 1340, "font region states home message"},
        {"", 520, "font region states home"},
    };
    for (const auto &row : rows) {
        PageFixture f;
        f.settings.channelKHz = row.channel;
        f.Write("REGION2.dat", {"-100 -100", "33 263", "-2000"});
        f.Write("STATES.dat", {"-100 -100", "32 263"});
        f.Write("1340.DAT", Station("KAAA", "U", 32.78f, 96.8f));
        // The channel file is written as 1340.DAT: names match in any case.
        if (*row.missing)
            std::filesystem::remove(f.dir + "/" +
                                    (row.missing == std::string("1340.dat")
                                         ? "1340.DAT"
                                         : row.missing));
        DrawPrintedPage(f.page);
        const Lines trace = f.Trace();
        EXPECT_EQ(Parts(trace), row.parts) << row.missing;
        EXPECT_EQ(Count(trace, "Message We had a problem sending " +
                                   std::string(row.missing) +
                                   " to the printer"),
                  *row.missing ? 1 : 0);
        EXPECT_EQ(Count(trace, "Message"), *row.missing ? 1 : 0);
        EXPECT_EQ(f.surface.state.drawWidth, 1) << row.missing;
    }
}

} // namespace
} // namespace tavik
