// The map layers, the menu commands and the station plots, drawn on a
// RecordingSurface from small data files in a fresh temporary directory.

#include "map/map_commands.h"
#include "map/map_layers.h"
#include "map/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace tavik {
namespace {

using Ops = std::vector<DrawOp>;
using Texts = std::vector<std::string>;
using S = SessionSettings;
using M = ViewMenuState;

// Home in Dallas at the start-up scale.
struct MapFixture {
    std::string dir = std::filesystem::temp_directory_path() / "tavik-XXXXXX";
    SessionSettings settings;
    RecordingSurface surface;
    OutlinePen pen;
    MapContext map{settings, surface, surface, pen, ""};

    MapFixture() {
        EXPECT_NE(mkdtemp(dir.data()), nullptr);
        map.dataDir = dir;
        settings.channelKHz = 1340;
        settings.homeCity = "Dallas TX";
        settings.homeLatitude = 32.78f;
        settings.homeLongitude = 96.8f;
        settings.patternSize = 0.2f;
        settings.scaleFactor = 1000;
    }
    ~MapFixture() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    // Writes `lines`, each ended by CR LF as the data files are.
    void Write(const std::string &name, const Texts &lines) {
        std::ofstream out(dir + "/" + name, std::ios::binary);
        for (const std::string &line : lines)
            out << line << "\r\n";
    }
    const Ops &ops() const { return surface.ops; }
};

// Where a vertex lands, before clamping (longitude WEST positive).
MapPoint At(const MapFixture &f, float lat, float lonWest) {
    return MapPositionUnclamped(f.map.View(), lat, lonWest);
}

// A station record at DENTON TX (33.25 N 97.25 W) with one tower, and that
// tower's line.
constexpr const char *kTower = "0,1,90,0,0,0";
std::string Station(const std::string &call, const char *hours = "U",
                    const char *status = "L") {
    return call + ",USA,TX,DENTON," + status + "," + hours +
           ",33.25,97.25,50,0,1";
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

Ops OfKind(const Ops &ops, OpKind kind) {
    Ops out;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}
Texts TextsOf(const Ops &ops, OpKind kind) {
    Texts out;
    for (const DrawOp &op : OfKind(ops, kind))
        out.push_back(op.text);
    return out;
}
Texts Printed(const Ops &ops) { return TextsOf(ops, OpKind::PrintText); }
Texts Messages(const Ops &ops) { return TextsOf(ops, OpKind::Message); }

// Operation `kind` with the arguments given (each within `tol`) and colour.
void ExpectOp(const DrawOp &op, OpKind kind, std::vector<float> a,
              Color colour = 0, float tol = 0.01f) {
    EXPECT_EQ(op.kind, kind);
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_NEAR(op.a[i], a[i], tol) << "argument " << i;
    EXPECT_EQ(op.colour, colour);
}
void ExpectLine(const DrawOp &op, float x1, float y1, float x2, float y2,
                Color colour, float tol = 0.01f) {
    ExpectOp(op, OpKind::Line, {x1, y1, x2, y2}, colour, tol);
}
void ExpectPSet(const DrawOp &op, float x, float y, float tol = 0.01f) {
    ExpectOp(op, OpKind::PSet, {x, y}, kWhite, tol);
}

// File names match whatever their case; a pen-up line gives a white dot,
// blanks pad the numbers, a negative longitude is west and -2000 ends.
TEST(Outlines, StatesThinWithHomeMarkThenRegionTwoPixelsWide) {
    MapFixture f;
    f.Write("states.DAT", {"-100 -100", "33 263", "33.5 263.5"});
    f.Write("Region2.DAT",
            {"-100 -100", "  33.5   -96.5 ", "", "33 263", "-2000.0", "34 0"});
    DrawStateOutline(f.map);
    DrawRegionOutline(f.map);
    const MapPoint a = At(f, 33, 97), b = At(f, 33.5f, 96.5f);
    const Ops &ops = f.ops();
    ASSERT_EQ(ops.size(), 10u);
    ExpectOp(ops[0], OpKind::SetDrawWidth, {1});
    ExpectLine(ops[1], a.x, a.y, a.x, a.y, kWhite);
    ExpectLine(ops[2], a.x, a.y, b.x, b.y, kStates);
    ExpectOp(ops[3], OpKind::Circle, {6000, 4500, 50}, kRed, 0);
    ExpectLine(ops[4], 5950, 4500, 6050, 4500, kRed, 0);
    ExpectLine(ops[5], 6000, 4450, 6000, 4550, kRed, 0);
    ExpectOp(ops[6], OpKind::SetDrawWidth, {2});
    ExpectLine(ops[7], b.x, b.y, b.x, b.y, kWhite);
    ExpectLine(ops[8], b.x, b.y, a.x, a.y, kRegion);
    ExpectOp(ops[9], OpKind::SetDrawWidth, {1});
}

// With a cache the outlines draw exactly what reading the file draws, at any
// home and scale; a file rewritten on disk (same size, a later time) shows at
// the next drawing.
TEST(Outlines, CachedOutlinesDrawAsReadAndFollowTheFileOnDisk) {
    MapFixture f;
    f.Write("REGION2.dat", {"-100 -100", "33 263", "33.5 263.5", "x", "34 263"});
    OutlineCache cache;
    const auto draw = [&](OutlineCache *with) {
        f.surface.ops.clear();
        f.pen = {};
        f.map.outlines = with;
        DrawRegionOutline(f.map);
        std::string trace;
        for (const DrawOp &op : f.ops())
            trace += TraceLine(op) + "\n";
        return trace;
    };
    for (const auto &[lat, lon, scale] :
         {std::tuple{32.78f, 96.8f, 1000.0f}, {32.78f, 96.8f, 7071.07f},
          {45.5f, 73.6f, 100.0f}}) {
        f.settings.homeLatitude = lat;
        f.settings.homeLongitude = lon;
        f.settings.scaleFactor = scale;
        EXPECT_EQ(draw(&cache), draw(nullptr)) << scale;
    }
    const std::string before = draw(&cache);
    const std::string path = f.dir + "/REGION2.dat";
    const auto written = std::filesystem::last_write_time(path);
    f.Write("REGION2.dat", {"-100 -100", "33 263", "33.5 263.5", "x", "34 264"});
    std::filesystem::last_write_time(path, written + std::chrono::seconds(1));
    const std::string changed = draw(&cache);
    EXPECT_EQ(changed, draw(nullptr));
    EXPECT_NE(changed, before);
    EXPECT_EQ(cache.Size(), 1u);
}

// The pen carries over between the drawers and from one redraw to the next:
// a vertex more than 2000 units from the last one in x or y starts anew.
TEST(Outlines, PenJoinsVerticesOnlyWithin2000Units) {
    const struct {
        float dx, dy; // vertex minus previous point, map units
        bool joined;
    } rows[] = {{2000, 0, true}, {2001, 0, false}, {-2001, 0, false},
                {0, 2000, true}, {0, 2001, false}, {2000, -2000, true}};
    for (const auto &row : rows) {
        MapFixture f;
        const MapPoint v = At(f, 33, 97), w = At(f, 33.2f, 96.75f);
        const MapPoint from = {v.x - row.dx, v.y - row.dy};
        f.pen = {0, from.x, from.y};
        f.Write("STATES.dat", {"33 263"});
        f.Write("REGION2.dat", {"33.2 263.25"});
        DrawStateOutline(f.map);
        DrawRegionOutline(f.map);
        const Ops lines = OfKind(f.ops(), OpKind::Line);
        ASSERT_EQ(lines.size(), 4u);
        const MapPoint start = row.joined ? from : v; // else a white dot
        ExpectLine(lines[0], start.x, start.y, v.x, v.y,
                   row.joined ? kStates : kWhite);
        ExpectLine(lines[3], v.x, v.y, w.x, w.y, kRegion);
    }
}

// Unlike the region drawer, the state drawer draws no segment from a
// previous point with x or y at 0, and forgets the point at a pen-up line.
TEST(Outlines, StatesTreatAPreviousPointOnAnAxisAsNone) {
    MapFixture f;
    const MapPoint v = At(f, 32.78f, 101.5f); // x within 2000 units of 0
    ASSERT_LT(std::fabs(v.x), 2000.0f);
    f.Write("STATES.dat", {"32.78 258.5", "-100 -100"});
    f.Write("REGION2.dat", {"32.78 258.5", "-100 -100"});
    f.pen = {0, 0, v.y};
    DrawStateOutline(f.map);
    EXPECT_EQ(f.pen.prevX, 0.0f);
    EXPECT_EQ(f.pen.prevY, 0.0f);
    f.pen = {0, 0, v.y};
    DrawRegionOutline(f.map);
    EXPECT_FLOAT_EQ(f.pen.prevX, v.x);
    EXPECT_EQ(f.pen.penUp, 1);
    EXPECT_EQ(Layers(f.ops()), "home region");
    EXPECT_EQ(OfKind(f.ops(), OpKind::Line).size(), 3u); // no white dot
}

// Each line gives a vertex, drawn clamped to the map square. A far vertex
// (2300 km east, x 36996 y 772) is compared with the previous point before
// clamping: (29000, 800) is within 2000 units of the clamped point only.
TEST(Outlines, LineGivesThisVertex) {
    const OutlinePen up = {1, 0, 0}, near = {0, 29000, 800};
    const struct {
        const char *line;
        float lat, lonWest;
        OutlinePen pen;
    } rows[] = {
        {"33 260", 33, 100, up},  {"33 -100", 33, 100, up},
        {"33 620", 33, 100, up},  {"33 -260", 33, -100, up},
        {"33", 33, -33, up},      {"' coast of Maine", 0, 0, up},
        {"> 40 263", 0, -40, up}, {"32.78 288.25", 32.78f, 71.75f, near}};
    for (const auto &row : rows) {
        MapFixture f;
        f.pen = row.pen;
        f.Write("REGION2.dat", {row.line});
        DrawRegionOutline(f.map);
        const MapPoint p = At(f, row.lat, row.lonWest);
        const float x = ClampToMap(p.x), y = ClampToMap(p.y);
        ASSERT_EQ(f.ops().size(), 3u) << row.line;
        ExpectLine(f.ops()[1], x, y, x, y, kWhite);
    }
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
        EXPECT_EQ(Messages(f.ops()),
                  (Texts{"We had a problem plotting the USA data from "
                         "STATES.dat",
                         "We had a problem printing REGION2.dat"}));
        EXPECT_EQ(OfKind(f.ops(), OpKind::Line).size(), *bad ? 4u : 0u);
        ExpectOp(f.ops()[f.ops().size() - 2], OpKind::SetDrawWidth, {1});
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
    EXPECT_EQ(OfKind(ops, OpKind::Line).size(), 9u + 14u);
    const MapPoint a = At(f, 15, 60), b = At(f, 15, 125), c = At(f, 55, 125);
    ASSERT_GT(a.x, 30000.0f);
    ExpectLine(ops[0], a.x, a.y, a.x, a.y, kGrid, 0.5f);
    ExpectOp(ops[13], OpKind::LineTo, {b.x, b.y}, kGrid, 0.5f);
    ExpectLine(ops[126], a.x, a.y, a.x, a.y, kGrid, 0.5f);
    ExpectOp(ops[251], OpKind::LineTo, {c.x, c.y}, kGrid, 0.5f);
}

// 10 fine rings every 10 km or miles, then 50 coarse every 100 from the 100
// ring, each a closed polygon of 181 points starting north of home, 2 pixels
// wide at each 1000; then the legend.
TEST(Layers, RingsAndTheirLegend) {
    const struct {
        int16_t unit;
        float scale;
        int ring;
        float radius;
        Color colour;
        const char *legend;
    } rows[] = {{0, 1000, 0, 133.5f, kFineRing, "km"},
                {0, 1000, 10, 1335, kCoarseRing, "km"},
                {1, 1000, 0, 214.85f, kFineRing, "mile"},
                {1, 100, 11, 429.7f, kCoarseRing, "mile"},
                {2, 1000, 0, 133.5f, kFineRing, "km"}};
    for (const auto &row : rows) {
        MapFixture f;
        f.settings.ringsOn = 1;
        f.settings.distanceUnit = row.unit;
        f.settings.scaleFactor = row.scale;
        DrawRings(f.map);
        const Ops starts = OfKind(f.ops(), OpKind::Line);
        ASSERT_EQ(starts.size(), 60u);
        const float y = 4500 - row.radius;
        ExpectLine(starts[row.ring], 6000, y, 6000, y, row.colour);
        EXPECT_EQ(f.ops().back().text, std::string("Rings are at 10 and 100 ") +
                                           row.legend + " intervals");
    }
    MapFixture f;
    f.settings.ringsOn = 1;
    DrawRings(f.map);
    const Ops &ops = f.ops();
    ASSERT_EQ(ops.size(), 1 + 60 * 181 + 50 + 4u);
    ExpectOp(ops[1 + 45], OpKind::LineTo, {6133.5f, 4500}, kFineRing);
    ExpectOp(ops[181], OpKind::LineTo, {ops[1].a[0], ops[1].a[1]}, kFineRing);
    std::vector<float> wide; // rings drawn 2 pixels wide (-1: another width)
    for (std::size_t i = 0; i + 1 < ops.size(); ++i)
        if (ops[i].kind == OpKind::SetDrawWidth && ops[i].a[0] != 1)
            wide.push_back(ops[i].a[0] == 2 ? 4500 - ops[i + 1].a[1] : -1);
    EXPECT_EQ(wide, (std::vector<float>{13350, 26700, 40050, 53400, 66750}));
    const std::size_t n = ops.size();
    ExpectOp(ops[n - 4], OpKind::SetDrawWidth, {1});
    ExpectOp(ops[n - 3], OpKind::FilledBox, {150, 590, 3900, 890}, 0xF0F0FF);
    ExpectPSet(ops[n - 2], 200, 590);
}

// Per spoke: a white box under the label, the label about centred on the
// outer end, 45 units a character, then the spoke from home at the quarters
// and from 800 units out elsewhere.
TEST(Layers, CompassSpokesWithTheirLabels) {
    MapFixture f;
    f.settings.compassOn = 1;
    DrawCompass(f.map);
    ASSERT_EQ(f.ops().size(), 36u * 4);
    const struct {
        int angle;
        float innerX, innerY, x, y;
        const char *label;
    } rows[] = {{0, 6000, 4500, 6000, 500, " 0"},
                {90, 6000, 4500, 10000, 4500, " 90"},
                {100, 6787.85f, 4638.92f, 9939.23f, 5194.59f, " 100"},
                {10, 6138.92f, 3712.15f, 6694.59f, 560.77f, " 10"},
                {350, 5861.08f, 3712.15f, 5305.41f, 560.77f, " 350"}};
    for (const auto &r : rows) {
        const DrawOp *op = &f.ops()[r.angle / 10 * 4];
        ExpectOp(op[0], OpKind::FilledBox,
                 {r.x - 165, r.y - 120, r.x + 210, r.y + 165}, kWhite, 0.05f);
        ExpectPSet(op[1], r.x - 45 * std::strlen(r.label), r.y - 105, 0.05f);
        EXPECT_EQ(op[2].text, r.label);
        ExpectLine(op[3], r.innerX, r.innerY, r.x, r.y, kSpoke, 0.05f);
    }
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
        EXPECT_EQ(OfKind(f.ops(), OpKind::Cls).size(), i + 1);
    }
}

TEST(Commands, ViewStepsBySqrt2ToItsLimits) {
    Presses(
        ZoomIn, &S::scaleFactor, &M::zoomIn, &M::zoomOut, 1000,
        {1414.2136f, 2000, 2828.4272f, 4000, 5656.8542f, 8000, 10000, 10000},
        6);
    Presses(ZoomOut, &S::scaleFactor, &M::zoomOut, &M::zoomIn, 150,
            {106.06602f, 100, 100}, 1);
    Presses(Smaller, &S::patternSize, &M::smaller, &M::larger, 0.03f,
            {0.021213203f, 0.02f}, 1);
    Presses(Larger, &S::patternSize, &M::larger, &M::smaller, 1.2f,
            {1.6970563f, 2.0f}, 1);
}

// Each press: rings, day/night, licensed and grid settings after it, the
// layers drawn and the last text printed (" 350" is the compass's). Rings go
// over the picture; the day/night banner comes again over the compass; the
// night-time permit hides by day and when licensed only; the grid redraws
// all but the compass; a layer that fails does not stop the later ones.
TEST(Commands, DisplayChangesItsSettingAndDrawsWhatItNeeds) {
    const std::string o = "cls grid states home region ";
    const char *day = "Day & critical patterns only",
               *home = "Home:  Dallas TX";
    const struct {
        void (*command)(MapContext &);
        const char *settings;
        std::string drawn;
        const char *lastText;
    } presses[] = {
        {ToggleRings, "1001", "rings pattern cross compass", " 350"},
        {RedrawMap, "1001", o + "rings pattern cross compass", " 350"},
        {ToggleRings, "0001", o + "pattern cross compass", " 350"},
        {CycleDayNight, "0101", o + "daynight compass daynight", day},
        {CycleDayNight, "0201", o + "pattern cross daynight compass daynight",
         "Night & critical patterns only"},
        {CycleDayNight, "0001", o + "pattern cross compass", " 350"},
        {ToggleLicensed, "0011", o + "licensed compass", " 350"},
        {ToggleLicensed, "0001", o + "pattern cross compass", " 350"},
        {ToggleGrid, "0000", "cls states home region pattern cross", home},
        {ToggleGrid, "0001", o + "pattern cross", home},
        {[](MapContext &map) {
             std::filesystem::remove(map.dataDir + "/1340.DAT");
             RedrawMap(map);
         },
         "0001", o + "message compass", " 350"}};
    MapFixture f;
    f.settings.compassOn = f.settings.gridOn = 1;
    f.Write("STATES.dat", {"-100 -100", "33 263", "33.25 263"});
    f.Write("REGION2.dat", {"-100 -100", "30 265", "30.25 265"});
    f.Write("1340.DAT", {Station("KAAA", "N", "CP"), kTower});
    for (const auto &press : presses) {
        f.surface.ops.clear();
        press.command(f.map);
        const S &s = f.settings;
        EXPECT_EQ(std::to_string(s.ringsOn) + std::to_string(s.dayNightMode) +
                      std::to_string(s.licensedOnly) + std::to_string(s.gridOn),
                  press.settings);
        EXPECT_EQ(Layers(f.ops()), press.drawn) << press.settings;
        EXPECT_EQ(Printed(f.ops()).back(), press.lastText);
    }
}

// The call signs drawn, in order.
Texts Calls(const Ops &ops) {
    Texts calls;
    for (const std::string &t : Printed(ops))
        if (t.size() == 4 && t[0] == 'K')
            calls.push_back(t);
    return calls;
}

// Outside 530..1700 nothing happens. Inside, a missing file, a bad record
// (13 towers) or a pattern that cannot be formed (towers, but no field ratio
// above 0) ends the plot with a message, without the legend. The station
// before stays: its closed pattern, channel number, call sign and cross.
TEST(ChannelPlot, FailuresAndChannelsOutsideTheBand) {
    const char *big = "KBIG,USA,TX,WACO,L,U,31.5,97.25,5,0,13";
    const struct {
        float channel;
        Texts bad;          // between two good stations
        const char *failed; // the file the message names
    } rows[] = {{529.9f, {}, ""},
                {1705, {}, ""},
                {530, {}, "530.DAT"},
                {1700, {}, "1700.DAT"},
                {1340, {big, kTower}, "1340.DAT"},
                {1340, {Station("KBAD"), "0,0,0,0,0,0"}, "1340.DAT"}};
    for (const auto &row : rows) {
        MapFixture f;
        f.settings.channelKHz = row.channel;
        f.settings.dayNightMode = f.settings.licensedOnly = 1;
        if (!row.bad.empty())
            f.Write("1340.DAT", {Station("KAAA"), kTower, row.bad[0],
                                 row.bad[1], Station("KZZZ"), kTower});
        PlotChannel(f.map);
        const bool says = *row.failed != '\0';
        EXPECT_EQ(Messages(f.ops()), says ? Texts{"We had a problem plotting " +
                                                  std::string(row.failed)}
                                          : Texts{})
            << row.channel;
        EXPECT_EQ(Printed(f.ops()),
                  (row.bad.empty() ? Texts{} : Texts{" 1340", "KAAA"}));
        // KAAA's pattern (181 operations), labels and cross (8), message.
        ASSERT_EQ(f.ops().size(), row.bad.empty() ? says : 181 + 8 + 1u);
        if (row.bad.empty())
            continue;
        const Ops &ops = f.ops();
        const MapPoint p = At(f, 33.25f, 97.25f);
        ExpectOp(ops[181], OpKind::SetFontSize, {8});
        ExpectPSet(ops[182], p.x - 60, p.y - 210);
        ExpectPSet(ops[184], p.x - 15, p.y - 30);
        ExpectOp(ops[186], OpKind::SetFontSize, {10});
        ExpectLine(ops[187], p.x - 30, p.y, p.x + 30, p.y, kRed);
        ExpectLine(ops[188], p.x, p.y - 30, p.x, p.y + 30, kRed);
    }
}

// The hours, status and class filters reach the plot (a hidden station's
// towers are skipped with it); then come the legend, naming the home city
// from four characters on, and in the top left corner the banner of each
// filter in use.
TEST(ChannelPlot, FiltersThenLegendAndBanners) {
    const char *night = "Night & critical patterns only";
    const char *lic = "Licensed patterns only";
    const struct {
        int16_t dayNight, licensed;
        const char *city;
        bool named; // the legend's last line names the city
        Texts calls, banners;
    } rows[] = {{0, 0, "Waco", true, {"KNNN", "KDDD", "KUUU", "KCCC"}, {}},
                {2, 1, "Ada", false, {"KNNN", "KCCC"}, {night, lic}}};
    const Texts texts = {"Unlimited",         "Daytime",
                         "Critical",          "Nighttime",
                         "Channel: 1340 kHz", "Home lat: 32.78  Home lon: 96.8",
                         "Home:  Waco"};
    const Color colours[] = {0x000099, 0x119911, 0xCCCC11, kBlack};
    for (const auto &row : rows) {
        MapFixture f;
        f.settings.dayNightMode = row.dayNight;
        f.settings.licensedOnly = row.licensed;
        f.settings.homeCity = row.city;
        f.settings.show.showNew = 0;
        f.Write("1340.DAT",
                {"NEW,USA,TX,DENTON,L,U,33.25,97.25,50,0,2", "0,1,0,0,0,0",
                 "1,1,0,90,90,0", Station("KNNN", "N"), kTower,
                 Station("KDDD", "D"), kTower, Station("KUUU", "U", "CP"),
                 kTower, Station("KCCC", "C"), kTower});
        PlotChannel(f.map);
        EXPECT_EQ(Calls(f.ops()), row.calls);
        const std::size_t n = 18 + 2 * row.named + 3 * row.banners.size();
        ASSERT_GE(f.ops().size(), n);
        const DrawOp *op = &f.ops()[f.ops().size() - n];
        ExpectOp(op[0], OpKind::FilledBox, {200, 6500, 2100, 7680}, kWhite, 0);
        ExpectOp(op[1], OpKind::FilledBox, {200, 7680, 4200, 8400}, kWhite, 0);
        op += 2;
        for (std::size_t k = 0; k < 6u + row.named; ++k, ++op) {
            ExpectPSet(*op, 500, 6700 + 240 * k);
            if (k < 4)
                ExpectOp(*++op, OpKind::SetForeColor, {}, colours[k]);
            EXPECT_EQ((++op)->text, texts[k]);
        }
        EXPECT_EQ(f.surface.state.foreColor, kBlack);
        for (std::size_t b = 0; b < row.banners.size(); ++b)
            EXPECT_EQ(op[3 * b + 2].text, row.banners[b]);
        if (row.dayNight == 2) {
            ExpectOp(op[0], OpKind::FilledBox, {150, 10, 3900, 285}, 0xFFF0E0);
            ExpectPSet(op[1], 200, 10);
            ExpectOp(op[3], OpKind::FilledBox, {150, 290, 3900, 590}, 0xE0FFE0);
            ExpectPSet(op[4], 200, 290);
        }
    }
}

// Every channel file of the band, with `lines` in each.
void WriteBand(MapFixture &f, const Texts &lines) {
    for (int c = 530; c <= 1700; c += 10)
        f.Write(std::to_string(c) + ".DAT", lines);
}

// Cleared, outlines, then for each of the 117 channels (1610 is never
// opened) a channel number in 8 points and a small cross 3 pixels wide per
// station; no grid, rings, compass, patterns or legend. Only the class
// filters apply: the night-time permit and the Mexican station show; NEW and
// the station of "Canada " (no listed country) do not.
TEST(AllStations, EveryChannelButThe1610InOrderUntilAFailure) {
    MapFixture f;
    WriteBand(f, {Station("KAAA"), kTower});
    f.Write("1610.DAT", {"KCCC,USA,TX,WACO,L,U,31.5,97.25,50,0,13"});
    f.Write("540.DAT",
            {Station("KNNN", "N", "CP"), kTower, Station("NEW"), kTower,
             "XEAA,Mexico,NL,MTY,L,D,25.75,100.25,50,0,1", kTower,
             "CJAA,Canada ,ON,TOR,L,D,43.75,79.5,50,0,1", kTower});
    f.Write("STATES.dat", {"-100 -100", "33 263", "33.25 263"});
    f.Write("REGION2.dat", {"-100 -100", "30 265", "30.25 265"});
    f.settings.dayNightMode = f.settings.licensedOnly = f.settings.gridOn = 1;
    f.settings.ringsOn = f.settings.compassOn = 1;
    f.settings.show.showNew = 0;
    f.surface.Line(1, 2, 3, 4, kGrid); // an old picture
    DrawAllStationsMap(f.map);
    EXPECT_EQ(Layers(f.ops()), "grid cls states home region cross");
    Texts printed = Printed(f.ops());
    ASSERT_EQ(printed.size(), 118u);
    EXPECT_EQ(
        (Texts{printed[0], printed[1], printed[2], printed[3], printed[108],
               printed[109], printed[117]}),
        (Texts{" 530", " 540", " 540", " 550", " 1600", " 1620", " 1700"}));
    EXPECT_TRUE(Messages(f.ops()).empty());
    const MapPoint p = At(f, 33.25f, 97.25f);
    const DrawOp *op = &f.ops()[f.ops().size() - 9]; // at 1700
    ExpectOp(op[0], OpKind::SetFontSize, {8});
    ExpectPSet(op[1], p.x - 60, p.y - 210);
    ExpectOp(op[4], OpKind::SetDrawWidth, {3});
    ExpectLine(op[5], p.x - 16, p.y, p.x + 16, p.y, kRed);
    ExpectLine(op[6], p.x, p.y - 16, p.x, p.y + 16, kRed);

    // A bad record stops the overview after the crosses before it; a
    // missing 530.DAT at once.
    f.Write("700.DAT", {Station("KAAA"), kTower,
                        "KBIG,USA,TX,DENTON,L,U,33.25,97.25,50,0,40000"});
    f.surface.ops.clear();
    PlotAllStations(f.map);
    printed = Printed(f.ops());
    EXPECT_EQ(printed.size(), 19u); // 530 ... 700
    EXPECT_EQ(printed.back(), " 700");
    EXPECT_EQ(Messages(f.ops()), Texts{"We had a problem plotting 700.DAT"});
    EXPECT_EQ(f.surface.state.fontSize, 10.0f);
    EXPECT_EQ(f.surface.state.drawWidth, 1);
    std::filesystem::remove(f.dir + "/530.DAT");
    f.surface.ops.clear();
    PlotAllStations(f.map);
    ASSERT_EQ(f.ops().size(), 3u);
    ExpectOp(f.ops()[0], OpKind::SetFontSize, {8});
    ExpectOp(f.ops()[1], OpKind::SetFontSize, {10});
    EXPECT_EQ(Messages(f.ops()), Texts{"We had a problem plotting 530.DAT"});
}

} // namespace
} // namespace tavik
