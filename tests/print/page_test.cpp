// The printed page drawn on a RecordingSurface from small data files in a
// fresh temporary directory, checked as the renderer's trace lines (to the
// hundredth).

#include "print/page.h"
#include "tests/map/map_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace tavik {
namespace {

// Home in Dallas at the start-up scale, channel 1340.
struct PageFixture {
    TempDir dir;
    SessionSettings settings{1340, "Dallas TX", 32.78f, 96.8f, 0.2f, 1000, {}};
    RecordingSurface surface;
    OutlinePen pen;
    MapContext page{settings, surface, surface, pen, dir.path};

    // The channel file, named in capitals (the page asks for "1340.dat"),
    // with stations (call sign, hours, lat, lon WEST) of one tower each.
    using Station = std::tuple<std::string, std::string, float, float>;
    void WriteChannel(const std::vector<Station> &stations) {
        Texts lines;
        for (const auto &[call, hours, lat, lon] : stations) {
            lines.push_back(call + ",USA,TX,X,L," + hours + "," +
                            std::to_string(lat) + "," + std::to_string(lon) +
                            ",1,0,1");
            lines.push_back("0,1,0,0,0,0");
        }
        dir.Write("1340.DAT", lines);
    }
    // Both outline files, and KAAA on home.
    void WriteFiles() {
        dir.Write("REGION2.dat",
                  {"-100 -100", "33 263", "33.2 263.2", "-2000"});
        dir.Write("STATES.dat", {"-100 -100", "32 263", "32.2 263.2"});
        WriteChannel({{"KAAA", "U", 32.78f, 96.8f}});
    }
    Texts Trace() const { return tavik::Trace(surface.ops); }
    // The lines that begin with `prefix`.
    Texts With(const std::string &prefix) const {
        Texts out;
        for (const std::string &line : Trace())
            if (line.rfind(prefix, 0) == 0)
                out.push_back(line);
        return out;
    }
};

// Every line of a trace, each ended by a newline.
std::string Joined(const Texts &trace) {
    std::string out;
    for (const std::string &line : trace)
        out += line + "\n";
    return out;
}

// The legend's lines as "Y text", each text printed after a white dot at
// x = 500, with the colour set between them: "8400 0x000099 Unlimited".
Texts Legend(const Texts &trace) {
    Texts out;
    std::string at;
    for (const std::string &line : trace) {
        if (line.rfind("PSet 500 ", 0) == 0)
            at = line.substr(9, line.find(" 0xFFFFFF") - 9);
        else if (line.rfind("SetForeColor ", 0) == 0)
            at += line.substr(12);
        else if (!at.empty() && line.rfind("PrintText ", 0) == 0)
            out.push_back(at + line.substr(9));
    }
    return out;
}

// Region 8 dots wide and states 1 wide in black with the map window's pen,
// the pen-up moves in white; the home mark; KAAA on home: its 360-point
// pattern 412 twips out (0.2 * 1000 * 2 * 1.03) in the legend's blue, its
// call sign on a white box and its red cross; then the legend, the lines
// under the hours in the Nighttime black, and the footer.
TEST(Page, LayersInOrderWithThePagesPensAndColours) {
    PageFixture f;
    f.WriteFiles();
    f.pen = {0, 123, 456}; // the map window's pen, as its last layer left it
    DrawPrintedPage(f.page);
    const Texts trace = f.Trace();
    Texts drawn; // up to the legend's text, but the pattern's points
    for (auto at = trace.begin(); at->rfind("PSet 500 ", 0) != 0; ++at)
        if (at->rfind("LineTo ", 0) != 0)
            drawn.push_back(*at);
    EXPECT_EQ(Joined(drawn),
              "SetFontSize 8\nSetDrawWidth 8\n"
              "Line 6750.77 5172.87 6750.77 5172.87 0xFFFFFF\n"
              "Line 6750.77 5172.87 7000.02 4875.93 0x000000\n"
              "SetDrawWidth 1\nSetDrawWidth 1\n"
              "Line 6747.98 6658.74 6747.98 6658.74 0xFFFFFF\n"
              "Line 6747.98 6658.74 7000.02 6361.8 0x000000\n"
              "Circle 7000 5500 50 0x0000FF\n"
              "Line 6950 5500 7050 5500 0x0000FF\n"
              "Line 7000 5450 7000 5550 0x0000FF\n"
              "SetDrawWidth 5\nLine 7000 5088 7000 5088 0x000099\n"
              "FilledBox 6985 5496 7015 5504 0xFFFFFF\n"
              "PSet 6992 5497 0xFFFFFF\nPrintText KAAA\n"
              "Line 6984 5500 7016 5500 0x0000FF\n"
              "Line 7000 5484 7000 5516 0x0000FF\n"
              "FilledBox 200 8400 2100 10500 0xFFFFFF\n"
              "FilledBox 200 10500 4200 11000 0xFFFFFF\n");
    EXPECT_EQ(Legend(trace),
              (Texts{"8400 0x000099 Unlimited", "8700 0x119911 Daytime",
                     "9000 0xCCCC11 Critical", "9300 0x000000 Nighttime",
                     "9600 Channel: 1340 kHz", "10200 Licensed & CPs",
                     "10500 Home lat: 32.78  Home lon: 96.8",
                     "10800 Home city: Dallas TX",
                     "11100 Tavik - https://oskel-software.example/"}));
    EXPECT_EQ(trace.back(), "SetDrawWidth 1");
    EXPECT_EQ(f.With("LineTo ").size(), 360u);
    EXPECT_EQ(f.pen.penUp, 0);
    EXPECT_NE(f.pen.prevX, 123) << "the pen is the one passed in";
}

// Around Dallas at scale 2000 (26.67 twips a km), KIN and KOUT due south
// straddle the page's lower edge, y = 11000, and KFAR lies far beyond it:
// stations off the page are left out entirely. The hours filter hides "N"
// stations in mode 1 and "D" stations in mode 2; the pattern's gate drops
// the patterns of stations of other hours than the mode's. Under the hours
// the legend names the mode unless it is 0, the licensed mode and home, and
// the city only from four characters on.
TEST(Page, StationsAndLegendByModeAndPlace) {
    EXPECT_TRUE(PageMarksAllowed(1, "n")) << "only a capital N is night";
    EXPECT_FALSE(PageMarksAllowed(1, "N") || PageMarksAllowed(2, "D"));
    const struct {
        int16_t mode, licensed;
        const char *city, *calls;
        unsigned patterns;
        const char *legend;
    } rows[] = {
        {0, 0, "Dallas TX", "KUUU KXXX KNNN KDDD KIN ", 5,
         "9600 Channel: 1340 kHz\n10200 Licensed & CPs\n"
         "10500 Home lat: 32.78  Home lon: 96.8\n10800 Home city: Dallas TX\n"},
        {1, 1, "Waco", "KUUU KXXX KDDD KIN ", 3,
         "9600 Channel: 1340 kHz\n9900 Day & critical only\n"
         "10200 Licensed only\n10500 Home lat: 32.78  Home lon: 96.8\n"
         "10800 Home city: Waco\n"},
        {2, 0, "Ada", "KUUU KXXX KNNN KIN ", 3,
         "9600 Channel: 1340 kHz\n9900 Night & critical only\n"
         "10200 Licensed & CPs\n10500 Home lat: 32.78  Home lon: 96.8\n"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.mode);
        PageFixture f;
        f.settings = {1340, row.city, 32.78f, 96.8f, 0.2f, 2000, {}};
        f.settings.dayNightMode = row.mode;
        f.settings.licensedOnly = row.licensed;
        f.WriteChannel({{"KUUU", "U", 33, 97},
                        {"KXXX", "X", 33, 96},
                        {"KNNN", "N", 32, 97},
                        {"KDDD", "D", 32, 96},
                        {"KIN", "U", 32.78f - 1.85f, 96.8f},
                        {"KOUT", "U", 32.78f - 1.86f, 96.8f},
                        {"KFAR", "U", 40.0f, 60.0f}});
        PrintChannelPlot(f.page);
        std::string calls;
        for (const std::string &line : f.With("PrintText K"))
            calls += line.substr(10) + " ";
        EXPECT_EQ(calls, row.calls);
        EXPECT_EQ(f.With("LineTo ").size(), 360u * row.patterns);
        const Texts legend = Legend(f.Trace());
        ASSERT_GT(legend.size(), 5u);
        EXPECT_EQ(Joined(Texts(legend.begin() + 4, legend.end() - 1)),
                  row.legend);
    }
}

// What the page drew, as the names of its parts in order, each named again
// only after another, messages as "<text>". The states are drawn when the
// home mark is.
std::string Parts(const Texts &trace) {
    const std::pair<const char *, const char *> names[] = {
        {"SetFontSize", "font"},  {"SetDrawWidth 8", "region"},
        {"Circle", "home"},       {"LineTo", "pattern"},
        {"PrintText K", "marks"}, {"FilledBox 200 8400", "legend"},
        {"Message ", ""}};
    std::string out, last;
    for (const std::string &line : trace)
        for (const auto &[prefix, part] : names) {
            if (line.rfind(prefix, 0) != 0)
                continue;
            const std::string name = *part ? part : "<" + line.substr(8) + ">";
            if (name != last)
                out += (out.empty() ? "" : " ") + name;
            last = name;
        }
    return out;
}

TEST(Page, FailuresAreReportedAndThePageGoesOn) {
    const struct {
        const char *removed;
        float channel;
        const char *parts;
    } rows[] = {
        {"REGION2.dat", 1340,
         "font <We had a problem sending REGION2.dat to the printer> home "
         "pattern marks legend"},
        {"STATES.dat", 1340,
         "font region <We had a problem sending STATES.dat to the printer> "
         "pattern marks legend"},
        {"1340.DAT", 1340,
         "font region home <We had a problem sending 1340.dat to the "
         "printer.>"},
        {"", 520, "font region home"}};
    for (const auto &row : rows) {
        PageFixture f;
        f.settings.channelKHz = row.channel;
        f.WriteFiles();
        if (*row.removed)
            std::filesystem::remove(f.dir.path + "/" + row.removed);
        DrawPrintedPage(f.page);
        EXPECT_EQ(Parts(f.Trace()), row.parts) << row.removed;
        EXPECT_EQ(f.surface.state.drawWidth, 1) << row.removed;
    }
}

} // namespace
} // namespace tavik
