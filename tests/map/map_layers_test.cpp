// The map layers, the menu commands and the station plots, drawn on a
// RecordingSurface from small data files in a fresh temporary directory.

#include "map/map_commands.h"
#include "map/map_layers.h"

#include "tests/map/map_test_support.h"

#include <chrono>
#include <tuple>

namespace tavik {
namespace {

using S = SessionSettings;
using M = ViewMenuState;

// Home in Dallas at the start-up scale.
struct MapFixture : TempDir {
    SessionSettings settings{1340, "Dallas TX", 32.78f, 96.8f, 0.2f, 1000, {}};
    RecordingSurface surface;
    OutlinePen pen;
    MapContext map{settings, surface, surface, pen, path};
    const Ops &ops() const { return surface.ops; }
};

// Where a vertex lands, before clamping (longitude WEST positive).
MapPoint At(const MapFixture &f, float lat, float lonWest) {
    return MapPositionUnclamped(f.map.View(), lat, lonWest);
}
std::string LineOp(MapPoint from, MapPoint to, Color colour) {
    return Rounded({OpKind::Line, {from.x, from.y, to.x, to.y}, colour, ""});
}

// A station record on home (drawn at 6000, 4500) with one tower, and that
// tower's line.
constexpr const char *kTower = "0,1,90,0,0,0";
std::string Station(const std::string &call, const char *hours = "U",
                    const char *status = "L") {
    return call + ",USA,TX,DALLAS," + status + "," + hours +
           ",32.78,96.8,50,0,1";
}

constexpr Color kGrid = 0x8888FF, kStates = 0xDD9999, kRegion = 0xCC8888,
                kFineRing = 0xDDDDFF, kCoarseRing = 0x9999FF, kSpoke = 0x99DD99;

// What was drawn, as the names of the layers in drawing order, a name again
// only after another: "cls grid states home region rings pattern cross".
std::string Layers(const Ops &ops) {
    const std::pair<Color, const char *> names[] = {
        {kGrid, "grid"},        {kStates, "states"},    {kRegion, "region"},
        {kFineRing, "rings"},   {kCoarseRing, "rings"}, {0xF0F0FF, "rings"},
        {0x0000AA, "pattern"},  {0x119911, "pattern"},  {0xDDDD11, "pattern"},
        {kBlack, "pattern"},    {kRed, "cross"},        {kSpoke, "compass"},
        {0xFFF0E0, "daynight"}, {0xE0FFE0, "licensed"}};
    std::string out, last;
    for (const DrawOp &op : ops) {
        std::string name = op.kind == OpKind::Cls       ? "cls"
                           : op.kind == OpKind::Circle  ? "home"
                           : op.kind == OpKind::Message ? "message"
                                                        : "";
        if (op.kind == OpKind::Line || op.kind == OpKind::LineTo ||
            op.kind == OpKind::FilledBox)
            for (const auto &[colour, layer] : names)
                if (colour == op.colour) // the home mark has red arms
                    name = last == "home" && colour == kRed ? "home" : layer;
        if (!name.empty() && name != last)
            out += (out.empty() ? "" : " ") + name;
        last = name.empty() ? last : name;
    }
    return out;
}

std::size_t Count(const Ops &ops, OpKind kind) {
    return static_cast<std::size_t>(
        std::count_if(ops.begin(), ops.end(),
                      [&](const DrawOp &op) { return op.kind == kind; }));
}
// The texts printed, or shown as messages with `kind` Message.
Texts TextsOf(const Ops &ops, OpKind kind = OpKind::PrintText) {
    Texts out;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            out.push_back(op.text);
    return out;
}

// File names match whatever their case; a pen-up line gives a white dot,
// blanks pad the numbers, a negative longitude is west and -2000 ends. The
// region drawer goes on from the state drawer's last point.
TEST(Outlines, StatesThinWithHomeMarkThenRegionTwoPixelsWide) {
    MapFixture f;
    f.Write("states.DAT", {"-100 -100", "33 263", "33.5 263.5"});
    f.Write("Region2.DAT",
            {"  33.5   -96.5 ", "", "33 263", "-2000.0", "34 0"});
    DrawStateOutline(f.map);
    DrawRegionOutline(f.map);
    const MapPoint a = At(f, 33, 97), b = At(f, 33.5f, 96.5f);
    EXPECT_EQ(Trace(f.ops()),
              (Texts{"SetDrawWidth 1", LineOp(a, a, kWhite),
                     LineOp(a, b, kStates), "Circle 6000 4500 50 0x0000FF",
                     "Line 5950 4500 6050 4500 0x0000FF",
                     "Line 6000 4450 6000 4550 0x0000FF", "SetDrawWidth 2",
                     LineOp(b, b, kRegion), LineOp(b, a, kRegion),
                     "SetDrawWidth 1"}));
}

// With a cache the outlines draw exactly what reading the file draws, at any
// home and scale; a file rewritten on disk (same size, a later time) shows at
// the next drawing.
TEST(Outlines, CachedOutlinesDrawAsReadAndFollowTheFileOnDisk) {
    MapFixture f;
    const std::string file = f.Write(
        "REGION2.dat", {"-100 -100", "33 263", "33.5 263.5", "x", "34 263"});
    OutlineCache cache;
    const auto draw = [&](OutlineCache *with) {
        f.surface.ops.clear();
        f.pen = {};
        f.map.outlines = with;
        DrawRegionOutline(f.map);
        return Trace(f.ops());
    };
    for (const auto &[lat, lon, scale] :
         {std::tuple{32.78f, 96.8f, 7071.07f}, {45.5f, 73.6f, 100.0f}}) {
        f.settings = {1340, "", lat, lon, 0.2f, scale, {}};
        EXPECT_EQ(draw(&cache), draw(nullptr)) << scale;
    }
    const Texts before = draw(&cache);
    const auto written = std::filesystem::last_write_time(file);
    f.Write("REGION2.dat",
            {"-100 -100", "33 263", "33.5 263.5", "x", "34 264"});
    std::filesystem::last_write_time(file, written + std::chrono::seconds(1));
    const Texts changed = draw(&cache);
    EXPECT_EQ(changed, draw(nullptr));
    EXPECT_NE(changed, before);
    EXPECT_EQ(cache.Size(), 1u);
}

// Only the state drawer keeps the state rules: there a pen-up line also
// forgets the previous point.
TEST(Outlines, OnlyTheStatesForgetThePointAtAPenUp) {
    MapFixture f;
    f.Write("STATES.dat", {"-100 -100"});
    f.Write("REGION2.dat", {"-100 -100"});
    f.pen = {0, 5, 5};
    DrawRegionOutline(f.map);
    EXPECT_EQ(std::tuple(f.pen.penUp, f.pen.prevX), std::tuple(1, 5.0f));
    DrawStateOutline(f.map);
    EXPECT_EQ(std::tuple(f.pen.penUp, f.pen.prevX), std::tuple(1, 0.0f));
}

// A missing file, or a number beyond single precision, stops the drawing
// after what was drawn, with a message; no home mark; the width back at 1.
TEST(Outlines, FailureKeepsWhatWasDrawnAndSays) {
    for (const char *bad : {"", "33 1e999", "33 1e300", "-4e38 263"}) {
        MapFixture f;
        if (*bad != '\0') {
            const Texts lines = {"-100 -100", "33 263", "33.1 263", bad, "3 4"};
            f.Write("REGION2.dat", lines);
            f.Write("STATES.dat", lines);
        }
        DrawStateOutline(f.map);
        DrawRegionOutline(f.map);
        EXPECT_EQ(Layers(f.ops()),
                  *bad ? "states message region message" : "message")
            << bad;
        EXPECT_EQ(TextsOf(f.ops(), OpKind::Message),
                  (Texts{"We had a problem plotting the USA data from "
                         "STATES.dat",
                         "We had a problem printing REGION2.dat"}));
        EXPECT_EQ(Count(f.ops(), OpKind::Line), *bad ? 4u : 0u);
        EXPECT_EQ(f.surface.state.drawWidth, 1);
    }
}

// Parallels 15..55 N over 60..125 W, then meridians, every 5 degrees, each
// started by a dot; the points reach the surface unclamped. Any value but 0
// turns the grid on; rings and compass need exactly 1.
TEST(Layers, GridParallelsThenMeridians) {
    MapFixture f;
    f.settings.gridOn = f.settings.ringsOn = f.settings.compassOn = 2;
    f.settings.scaleFactor = 10000;
    DrawGrid(f.map);
    DrawRings(f.map);
    DrawCompass(f.map);
    const Ops &ops = f.ops();
    ASSERT_EQ(ops.size(), 2u * 9 * 14);
    EXPECT_EQ(Count(ops, OpKind::Line), 9u + 14u);
    const MapPoint a = At(f, 15, 60), c = At(f, 55, 125);
    ASSERT_GT(a.x, 30000.0f);
    EXPECT_EQ((Texts{Rounded(ops[0]), Rounded(ops[126]), Rounded(ops[251])}),
              (Texts{LineOp(a, a, kGrid), LineOp(a, a, kGrid),
                     Rounded({OpKind::LineTo, {c.x, c.y}, kGrid, ""})}));
}

// 10 fine rings every 10 km (miles for unit 1 only), then 50 coarse every
// 100 from the 100 ring, each a closed polygon of 181 points from north of
// home, 2 pixels wide at each 1000; then the legend.
TEST(Layers, RingsAndTheirLegend) {
    MapFixture f;
    f.settings.ringsOn = 1;
    f.settings.distanceUnit = 2;
    DrawRings(f.map);
    const Ops &ops = f.ops();
    ASSERT_EQ(ops.size(), 1 + 60 * 181 + 50 + 4u);
    // The first ring: north, east, closed; the 100 ring drawn coarse; the
    // legend.
    EXPECT_EQ(
        (Texts{Rounded(ops[1]), Rounded(ops[1 + 45]), Rounded(ops[181]),
               Rounded(ops[1 + 10 * 181 + 1]), Rounded(ops[ops.size() - 3]),
               Rounded(ops[ops.size() - 2]), ops.back().text}),
        (Texts{"Line 6000 4366.5 6000 4366.5 0xDDDDFF",
               "LineTo 6133.5 4500 0xDDDDFF", "LineTo 6000 4366.5 0xDDDDFF",
               "Line 6000 3165 6000 3165 0x9999FF",
               "FilledBox 150 590 3900 890 0xF0F0FF", "PSet 200 590 0xFFFFFF",
               "Rings are at 10 and 100 km intervals"}));
    std::vector<float> wide; // rings drawn 2 pixels wide (-1: another width)
    for (std::size_t i = 0; i + 1 < ops.size(); ++i)
        if (ops[i].kind == OpKind::SetDrawWidth && ops[i].a[0] != 1)
            wide.push_back(ops[i].a[0] == 2 ? 4500 - ops[i + 1].a[1] : -1);
    EXPECT_EQ(wide, (std::vector<float>{13350, 26700, 40050, 53400, 66750}));
    f.surface.ops.clear();
    f.settings.distanceUnit = 1;
    DrawRings(f.map);
    EXPECT_EQ((Texts{Rounded(ops[1]), ops.back().text}),
              (Texts{"Line 6000 4285.15 6000 4285.15 0xDDDDFF",
                     "Rings are at 10 and 100 mile intervals"}));
}

// Per spoke: a white box under the label, the label about centred on the
// outer end, 45 units a character, then the spoke from home at the quarters
// and from 800 units out elsewhere.
TEST(Layers, CompassSpokesWithTheirLabels) {
    MapFixture f;
    f.settings.compassOn = 1;
    DrawCompass(f.map);
    ASSERT_EQ(f.ops().size(), 36u * 4);
    EXPECT_EQ(
        Trace(f.ops(), 0, 4),
        (Texts{"FilledBox 5835 380 6210 665 0xFFFFFF", "PSet 5910 395 0xFFFFFF",
               "PrintText  0", "Line 6000 4500 6000 500 0x99DD99"}));
    EXPECT_EQ(Trace(f.ops(), 9 * 4, 8),
              (Texts{"FilledBox 9835 4380 10210 4665 0xFFFFFF",
                     "PSet 9865 4395 0xFFFFFF", "PrintText  90",
                     "Line 6000 4500 10000 4500 0x99DD99",
                     "FilledBox 9774.23 5074.59 10149.23 5359.59 0xFFFFFF",
                     "PSet 9759.23 5089.59 0xFFFFFF", "PrintText  100",
                     "Line 6787.85 4638.92 9939.23 5194.59 0x99DD99"}));
}

// Presses `command` once per value in `after`: the setting steps by sqrt(2)
// and is held at its limit, where `own` goes off from press `offFrom`; the
// opposite item comes on; every press redraws.
void Presses(void (*command)(MapContext &, M &), float S::*field, bool M::*own,
             bool M::*opposite, float start, std::vector<float> after,
             std::size_t offFrom) {
    MapFixture f;
    f.settings.*field = start;
    M menu;
    menu.*opposite = false;
    for (std::size_t i = 0; i < after.size(); ++i) {
        command(f.map, menu);
        EXPECT_NEAR(f.settings.*field, after[i], after[i] * 2e-5f) << i;
        EXPECT_EQ(menu.*own, i < offFrom);
        EXPECT_TRUE(menu.*opposite);
        EXPECT_EQ(Count(f.ops(), OpKind::Cls), i + 1);
    }
}

TEST(Commands, ViewStepsBySqrt2ToItsLimits) {
    Presses(
        ZoomIn, &S::scaleFactor, &M::zoomIn, &M::zoomOut, 1000,
        {1414.2136f, 2000, 2828.4272f, 4000, 5656.8542f, 8000, 10000, 10000},
        6);
    Presses(ZoomOut, &S::scaleFactor, &M::zoomOut, &M::zoomIn, 150,
            {106.06602f, 100, 100}, 1);
    Presses(Larger, &S::patternSize, &M::larger, &M::smaller, 1.2f,
            {1.6970563f, 2.0f}, 1);
}

// Each command, pressed in turn: the layers drawn and the last text printed
// (" 350" is the compass's). Rings go over the picture; the day/night banner
// comes again over the compass; the night-time permit hides by day and when
// licensed only; the grid redraws all but the compass; a layer that fails
// does not stop the later ones.
TEST(Commands, DisplayChangesItsSettingAndDrawsWhatItNeeds) {
    const std::string o = "cls grid states home region ";
    const char *day = "Day & critical patterns only",
               *home = "Home:  Dallas TX";
    const struct {
        void (*command)(MapContext &);
        std::string drawn;
        const char *lastText;
    } presses[] = {{ToggleRings, "rings pattern cross compass", " 350"},
                   {RedrawMap, o + "rings pattern cross compass", " 350"},
                   {ToggleRings, o + "pattern cross compass", " 350"},
                   {CycleDayNight, o + "daynight compass daynight", day},
                   {CycleDayNight,
                    o + "pattern cross daynight compass daynight",
                    "Night & critical patterns only"},
                   {CycleDayNight, o + "pattern cross compass", " 350"},
                   {ToggleLicensed, o + "licensed compass", " 350"},
                   {ToggleLicensed, o + "pattern cross compass", " 350"},
                   {ToggleGrid, "cls states home region pattern cross", home},
                   {ToggleGrid, o + "pattern cross", home},
                   {[](MapContext &map) {
                        std::filesystem::remove(map.dataDir + "/1340.DAT");
                        RedrawMap(map);
                    },
                    o + "message compass", " 350"}};
    MapFixture f;
    f.settings.compassOn = f.settings.gridOn = 1;
    f.Write("STATES.dat", {"-100 -100", "33 263", "33.25 263"});
    f.Write("REGION2.dat", {"-100 -100", "30 265", "30.25 265"});
    f.Write("1340.DAT", {Station("KAAA", "N", "CP"), kTower});
    for (const auto &press : presses) {
        f.surface.ops.clear();
        press.command(f.map);
        EXPECT_EQ(Layers(f.ops()), press.drawn);
        EXPECT_EQ(TextsOf(f.ops()).back(), press.lastText);
    }
}

// Outside 530..1700 nothing happens. Inside, a missing file, a bad record
// (13 towers) or a pattern that cannot be formed (towers, but no field ratio
// above 0) ends the plot with a message, without the legend; the station
// before stays.
TEST(ChannelPlot, FailuresAndChannelsOutsideTheBand) {
    const struct {
        float channel;
        const char *bad, *tower; // a station between two good ones
        const char *drawn, *failed;
    } rows[] = {{529.9f, nullptr, nullptr, "", ""},
                {1705, nullptr, nullptr, "", ""},
                {530, nullptr, nullptr, "message", "530.DAT"},
                {1700, nullptr, nullptr, "message", "1700.DAT"},
                {1340, "KBIG,USA,TX,WACO,L,U,31.5,97.25,5,0,13", kTower,
                 "pattern cross message", "1340.DAT"},
                {1340, "KBAD,USA,TX,WACO,L,U,31.5,97.25,5,0,1", "0,0,0,0,0,0",
                 "pattern cross message", "1340.DAT"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.channel);
        MapFixture f;
        f.settings.channelKHz = row.channel;
        if (row.bad)
            f.Write("1340.DAT", {Station("KAAA"), kTower, row.bad, row.tower,
                                 Station("KZZZ"), kTower});
        PlotChannel(f.map);
        EXPECT_EQ(Layers(f.ops()), row.drawn);
        EXPECT_EQ(TextsOf(f.ops()),
                  (row.bad ? Texts{" 1340", "KAAA"} : Texts{}));
        const std::string said =
            "We had a problem plotting " + std::string(row.failed);
        EXPECT_EQ(TextsOf(f.ops(), OpKind::Message),
                  (*row.failed ? Texts{said} : Texts{}));
    }
}

// The hours, status and class filters reach the plot (a hidden station's
// towers are skipped with it). Each station: its pattern, channel number,
// call sign and cross. Then the legend, naming the home city from four
// characters on, and top left the banner of each filter in use.
TEST(ChannelPlot, FiltersThenLegendAndBanners) {
    MapFixture f;
    f.settings.show.showNew = 0;
    f.Write("1340.DAT",
            {"NEW,USA,TX,DENTON,L,U,33.25,97.25,50,0,2", "0,1,0,0,0,0",
             "1,1,0,90,90,0", Station("KNNN", "N"), kTower,
             Station("KDDD", "D"), kTower, Station("KUUU", "U", "CP"), kTower,
             Station("KCCC", "C"), kTower});
    // The call signs drawn.
    const auto plot = [&](int16_t dayNight, int16_t licensed,
                          const char *city) {
        f.surface.ops.clear();
        f.settings.dayNightMode = dayNight;
        f.settings.licensedOnly = licensed;
        f.settings.homeCity = city;
        PlotChannel(f.map);
        std::string calls;
        for (const std::string &text : TextsOf(f.ops()))
            if (text[0] == 'K')
                calls += text + " ";
        return calls;
    };
    EXPECT_EQ(plot(0, 0, "Waco"), "KNNN KDDD KUUU KCCC ");
    EXPECT_EQ(
        Trace(f.ops(), 181, 8), // after KNNN's pattern
        (Texts{"SetFontSize 8", "PSet 5940 4290 0xFFFFFF", "PrintText  1340",
               "PSet 5985 4470 0xFFFFFF", "PrintText KNNN", "SetFontSize 10",
               "Line 5970 4500 6030 4500 0x0000FF",
               "Line 6000 4470 6000 4530 0x0000FF"}));
    EXPECT_EQ(Trace(f.ops(), f.ops().size() - 20, 6),
              (Texts{"FilledBox 200 6500 2100 7680 0xFFFFFF",
                     "FilledBox 200 7680 4200 8400 0xFFFFFF",
                     "PSet 500 6700 0xFFFFFF", "SetForeColor 0x000099",
                     "PrintText Unlimited", "PSet 500 6940 0xFFFFFF"}));
    EXPECT_EQ(Trace(f.ops(), f.ops().size() - 6),
              (Texts{"PSet 500 7660 0xFFFFFF", "PrintText Channel: 1340 kHz",
                     "PSet 500 7900 0xFFFFFF",
                     "PrintText Home lat: 32.78  Home lon: 96.8",
                     "PSet 500 8140 0xFFFFFF", "PrintText Home:  Waco"}));
    EXPECT_EQ(plot(2, 1, "Ada"), "KNNN KCCC ");
    EXPECT_EQ(
        Trace(f.ops(), f.ops().size() - 7),
        (Texts{"PrintText Home lat: 32.78  Home lon: 96.8",
               "FilledBox 150 10 3900 285 0xFFF0E0", "PSet 200 10 0xFFFFFF",
               "PrintText Night & critical patterns only",
               "FilledBox 150 290 3900 590 0xE0FFE0", "PSet 200 290 0xFFFFFF",
               "PrintText Licensed patterns only"}));
}

// Cleared, outlines, then for each of the 117 channels (1610 is never
// opened) a channel number in 8 points and a small cross 3 pixels wide per
// station; no grid, rings, compass, patterns or legend. Only the class
// filters apply: the night-time permit and the daytime station show by
// night, NEW does not. A bad or missing file stops the overview at once.
TEST(AllStations, EveryChannelButThe1610InOrderUntilAFailure) {
    MapFixture f;
    for (int c = 530; c <= 1700; c += 10)
        f.Write(std::to_string(c) + ".DAT", {Station("KAAA"), kTower});
    f.Write("1610.DAT", {"KCCC,USA,TX,WACO,L,U,31.5,97.25,50,0,13"});
    f.Write("540.DAT", {Station("KNNN", "N", "CP"), kTower, Station("NEW"),
                        kTower, Station("KDDD", "D"), kTower});
    f.Write("STATES.dat", {"-100 -100", "33 263", "33.25 263"});
    f.Write("REGION2.dat", {"-100 -100", "30 265", "30.25 265"});
    f.settings.dayNightMode = 2;
    f.settings.licensedOnly = f.settings.gridOn = f.settings.ringsOn = 1;
    f.settings.compassOn = 1;
    f.settings.show.showNew = 0;
    f.surface.Line(1, 2, 3, 4, kGrid); // an old picture
    DrawAllStationsMap(f.map);
    EXPECT_EQ(Layers(f.ops()), "grid cls states home region cross");
    const Texts printed = TextsOf(f.ops());
    ASSERT_EQ(printed.size(), 118u);
    EXPECT_EQ(
        (Texts{printed[0], printed[1], printed[2], printed[3], printed[108],
               printed[109], printed[117]}),
        (Texts{" 530", " 540", " 540", " 550", " 1600", " 1620", " 1700"}));
    EXPECT_EQ(Trace(f.ops(), f.ops().size() - 9),
              (Texts{"SetFontSize 8", "PSet 5940 4290 0xFFFFFF",
                     "PrintText  1700", "SetFontSize 10", "SetDrawWidth 3",
                     "Line 5984 4500 6016 4500 0x0000FF",
                     "Line 6000 4484 6000 4516 0x0000FF", "SetDrawWidth 1",
                     "SetFontSize 10"}));
    // A bad record in 530.DAT (40000 towers), then no 530.DAT at all.
    f.Write("530.DAT", {"KBIG,USA,TX,WACO,L,U,31.5,97.25,50,0,40000"});
    for (int pass = 0; pass < 2; ++pass) {
        f.surface.ops.clear();
        PlotAllStations(f.map);
        EXPECT_EQ(Trace(f.ops()),
                  (Texts{"SetFontSize 8", "SetFontSize 10",
                         "Message We had a problem plotting 530.DAT"}));
        std::filesystem::remove(f.path + "/530.DAT");
    }
}

} // namespace
} // namespace tavik
