// The two outline layers of the map: the state outlines of "STATES.dat" with
// the home mark, and the coasts and borders of "REGION2.dat". Each line of a
// file is "lat lon" (longitude EAST positive, 0..360), "-100 -100" lifts the
// pen, and a line reading -2000 ends the data.

#include "core/number_text.h"
#include "core/text_file.h"
#include "map/map_layers.h"

#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

namespace tavik {

namespace {

constexpr const char *kRegionFile = "REGION2.dat";
constexpr const char *kStatesFile = "STATES.dat";

constexpr Color kRegionColour = 0xCC8888; // (136, 136, 204) RGB
constexpr Color kStatesColour = 0xDD9999; // (153, 153, 221) RGB

// A vertex further than this from the previous one in x or in y (map
// units) starts a new polyline: far points pile up on the clamp square, and
// a marker line reads as (0, 0), thousands of km away.
constexpr float kJumpLimit = 2000.0f;
constexpr float kPenUpMarker = -100.0f;
constexpr double kEndOfData = -2000.0;

constexpr float kHomeMarkRadius = 50.0f;
constexpr float kHomeMarkArm = 50.0f;

struct OutlineStyle {
    Color colour;
    // The state outlines forget the previous point at a pen-up line and
    // draw no segment from a previous point on the x = 0 or y = 0 line.
    bool statesRules;
};

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

// A field's number as single precision; false when it overflows that type.
bool ReadSingle(std::string_view text, float &value) {
    double v = 0;
    if (!ReadPlainNumber(text, v) || std::fabs(v) > FLT_MAX) {
        return false;
    }
    value = static_cast<float>(v);
    return true;
}

// Draws every vertex of an open outline file with the shared pen. False on
// a number that overflows, a point that is not a number, or a read error.
bool DrawOutlineLines(MapContext &map, TextFileReader &file,
                      const OutlineStyle &style) {
    const MapView view = map.View();
    DrawingSurface &surface = map.surface;
    OutlinePen &pen = map.pen;
    std::string line;
    // The last word taken stays as it was when a line runs short of words:
    // a line of one number gives that number as latitude and longitude.
    float word = 0;

    while (file.ReadLine(line)) {
        if (line.empty()) {
            continue;
        }
        std::string_view rest = TrimBlanks(line);

        double head = 0;
        if (!ReadPlainNumber(rest, head)) {
            return false;
        }
        if (head == kEndOfData) {
            break;
        }

        std::string_view text;
        TakeWord(rest, text);
        if (!text.empty() && !ReadSingle(text, word)) {
            return false;
        }
        const float lat = word;
        text = {};
        TakeWord(rest, text);
        if (!text.empty() && !ReadSingle(text, word)) {
            return false;
        }
        float lon = word;

        if (lat == kPenUpMarker && lon == kPenUpMarker) {
            pen.penUp = 1;
            if (style.statesRules) {
                pen.prevX = 0;
                pen.prevY = 0;
            }
            continue;
        }

        // Values up to 540 and down to -540 fold into -180..180.
        if (lon > 180) {
            lon -= 360;
        }
        if (lon > 180) {
            lon -= 360;
        }
        if (lon < -180) {
            lon += 360;
        }

        const MapPoint p = MapPositionUnclamped(view, lat, -lon);
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return false;
        }
        // The jump is measured before clamping, from the clamped previous
        // point, so a far vertex never joins one on the clamp square.
        if (std::fabs(pen.prevX - p.x) > kJumpLimit ||
            std::fabs(pen.prevY - p.y) > kJumpLimit) {
            pen.penUp = 1;
        }
        const float x = ClampToMap(p.x);
        const float y = ClampToMap(p.y);

        if (pen.penUp == 1) {
            // A white dot only moves the current point.
            surface.Line(x, y, x, y, kWhite);
            pen.penUp = 0;
        } else if (!style.statesRules || (pen.prevX != 0 && pen.prevY != 0)) {
            surface.Line(pen.prevX, pen.prevY, x, y, style.colour);
        }
        pen.prevX = x;
        pen.prevY = y;
    }
    return !file.Failed();
}

} // namespace

void DrawStateOutline(MapContext &map) {
    DrawingSurface &surface = map.surface;
    surface.SetDrawWidth(1);

    TextFileReader file;
    bool ok = file.OpenNoCase(map.dataDir, kStatesFile);
    if (ok) {
        ok = DrawOutlineLines(map, file, {kStatesColour, true});
    }
    file.Close();
    if (!ok) {
        map.messages.ShowMessage(
            "We had a problem plotting the USA data from STATES.dat");
        return;
    }

    surface.Circle(kMapCentreX, kMapCentreY, kHomeMarkRadius, kRed);
    surface.Line(kMapCentreX - kHomeMarkArm, kMapCentreY,
                 kMapCentreX + kHomeMarkArm, kMapCentreY, kRed);
    surface.Line(kMapCentreX, kMapCentreY - kHomeMarkArm, kMapCentreX,
                 kMapCentreY + kHomeMarkArm, kRed);
}

void DrawRegionOutline(MapContext &map) {
    DrawingSurface &surface = map.surface;

    TextFileReader file;
    bool ok = file.OpenNoCase(map.dataDir, kRegionFile);
    if (ok) {
        surface.SetDrawWidth(2);
        ok = DrawOutlineLines(map, file, {kRegionColour, false});
    }
    file.Close();
    surface.SetDrawWidth(1);
    if (!ok) {
        // The message says printing, though the window is drawing.
        map.messages.ShowMessage("We had a problem printing REGION2.dat");
    }
}

} // namespace tavik
