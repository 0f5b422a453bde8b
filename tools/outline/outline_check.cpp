#include "tools/outline/outline_check.h"

#include "core/geodesy.h"
#include "core/number_text.h"
#include "core/text_file.h"
#include "map/map_layers.h"
#include "map/recording_surface.h"
#include "session/session_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

namespace tavik::outline {

namespace {

// The map's centre, where home is, and its jump limit (map units).
constexpr float kCentreX = 6000, kCentreY = 4500;
constexpr float kJumpLimit = 2000;
constexpr float kUnitsPerKm = kClosestScale / 75;

double DistanceToSegment(double px, double py, const DrawOp &op) {
    const double x1 = op.a[0], y1 = op.a[1], x2 = op.a[2], y2 = op.a[3];
    const double dx = x2 - x1, dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - x1) * dx + (py - y1) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

std::string Format(const char *format, double a, double b, double c = 0) {
    char text[256];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// A file's longitude (east, 0 to 360 or -180 to 180) as the drawers take
// it, turned into degrees west.
float WestOf(float east) {
    if (east > 180)
        east -= 360;
    if (east > 180)
        east -= 360;
    if (east < -180)
        east += 360;
    return -east;
}

} // namespace

const std::vector<BorderProbe> &WellKnownBorders() {
    static const std::vector<BorderProbe> probes = {
        // US states
        {"STATES.dat", "Texas-Louisiana, 94.04 W", 32.25f, 94.043f},
        {"STATES.dat", "Texas-Louisiana, 94.04 W", 32.75f, 94.043f},
        {"STATES.dat", "Texas-New Mexico, 103.06 W", 33.0f, 103.06f},
        {"STATES.dat", "Texas-New Mexico, 103.06 W", 34.0f, 103.05f},
        {"STATES.dat", "Texas-New Mexico, 32 N", 32.0f, 104.0f},
        {"STATES.dat", "Texas-New Mexico, 32 N", 32.0f, 105.5f},
        {"STATES.dat", "Texas-Oklahoma, 36.5 N", 36.5f, 101.0f},
        {"STATES.dat", "Texas-Oklahoma, 100 W", 35.0f, 100.0f},
        {"STATES.dat", "Oklahoma-Kansas, 37 N", 37.0f, 97.0f},
        {"STATES.dat", "Kansas-Nebraska, 40 N", 40.0f, 99.0f},
        {"STATES.dat", "Colorado-Wyoming, 41 N", 41.0f, 106.0f},
        {"STATES.dat", "Colorado-New Mexico, 37 N", 37.0f, 104.0f},
        {"STATES.dat", "Colorado-Kansas, 102.05 W", 39.0f, 102.05f},
        {"STATES.dat", "Colorado-Utah, 109.05 W", 39.0f, 109.05f},
        {"STATES.dat", "Arizona-New Mexico, 109.05 W", 34.0f, 109.05f},
        {"STATES.dat", "Utah-Arizona, 37 N", 37.0f, 112.0f},
        {"STATES.dat", "Utah-Idaho, 42 N", 42.0f, 113.0f},
        {"STATES.dat", "Nevada-Oregon, 42 N", 42.0f, 118.0f},
        {"STATES.dat", "California-Oregon, 42 N", 42.0f, 122.0f},
        {"STATES.dat", "California-Nevada, 120 W", 40.0f, 120.0f},
        {"STATES.dat", "Wyoming-Montana, 45 N", 45.0f, 108.0f},
        {"STATES.dat", "Wyoming-Idaho, 111.05 W", 43.0f, 111.05f},
        {"STATES.dat", "Wyoming-South Dakota, 104.05 W", 44.0f, 104.05f},
        {"STATES.dat", "Montana-North Dakota, 104.05 W", 47.5f, 104.045f},
        {"STATES.dat", "North Dakota-South Dakota", 45.94f, 100.0f},
        {"STATES.dat", "Idaho-Washington, 117.04 W", 47.0f, 117.04f},
        {"STATES.dat", "Washington-Oregon, 46 N", 46.0f, 118.0f},
        {"STATES.dat", "Iowa-Minnesota, 43.5 N", 43.5f, 94.0f},
        {"STATES.dat", "Missouri-Arkansas, 36.5 N", 36.5f, 92.5f},
        {"STATES.dat", "Tennessee-Mississippi, 35 N", 35.0f, 89.0f},
        {"STATES.dat", "Tennessee-Alabama, 35 N", 35.0f, 87.0f},
        {"STATES.dat", "Pennsylvania-New York, 42 N", 42.0f, 77.0f},
        {"STATES.dat", "Pennsylvania-Maryland, 39.72 N", 39.72f, 77.5f},
        // Canadian provinces and territories
        {"STATES.dat", "Alberta-Saskatchewan, 110 W", 52.0f, 110.0f},
        {"STATES.dat", "Alberta-Saskatchewan, 110 W", 57.0f, 110.0f},
        {"STATES.dat", "British Columbia-Alberta, 120 W", 57.0f, 120.0f},
        {"STATES.dat", "Saskatchewan-Manitoba, 102 W", 58.0f, 102.0f},
        {"STATES.dat", "Yukon-British Columbia, 60 N", 60.0f, 130.0f},
        {"STATES.dat", "Northwest Territories-Alberta, 60 N", 60.0f, 115.0f},
        {"STATES.dat", "Northwest Territories-Saskatchewan, 60 N", 60.0f,
         105.0f},
        {"STATES.dat", "Nunavut-Manitoba, 60 N", 60.0f, 98.0f},
        {"STATES.dat", "Ontario-Quebec, 79.52 W", 50.0f, 79.52f},
        {"STATES.dat", "Quebec-Newfoundland and Labrador, 52 N", 52.0f,
         60.0f},
        // Mexican states
        {"STATES.dat", "Baja California-Baja California Sur, 28 N", 28.0f,
         113.5f},
        // national borders
        {"REGION2.dat", "USA-Canada, 49 N", 49.0f, 97.5f},
        {"REGION2.dat", "USA-Canada, 49 N", 49.0f, 105.0f},
        {"REGION2.dat", "USA-Canada, 49 N", 49.0f, 115.0f},
        {"REGION2.dat", "USA-Canada, 49 N", 49.0f, 121.0f},
        {"REGION2.dat", "USA-Canada, 45 N", 45.0f, 73.0f},
        {"REGION2.dat", "Maine-New Brunswick, 67.79 W", 46.5f, 67.79f},
        {"REGION2.dat", "Alaska-Yukon, 141 W", 62.0f, 141.0f},
        {"REGION2.dat", "Alaska-Yukon, 141 W", 66.0f, 141.0f},
        {"REGION2.dat", "USA-Mexico, 31.33 N", 31.33f, 110.5f},
        {"REGION2.dat", "USA-Mexico, 31.78 N", 31.78f, 107.5f},
        {"REGION2.dat", "USA-Mexico, 108.21 W", 31.5f, 108.21f},
        {"REGION2.dat", "California-Baja California", 32.62f, 116.0f},
        {"REGION2.dat", "Mexico-Guatemala, 17.82 N", 17.82f, 90.0f},
        {"REGION2.dat", "Belize-Guatemala, 89.2 W", 16.5f, 89.18f},
    };
    return probes;
}

std::vector<std::string> CheckProbes(const std::string &dataDir,
                                     const std::vector<BorderProbe> &probes) {
    std::vector<std::string> faults;
    for (const BorderProbe &probe : probes) {
        SessionSettings settings;
        settings.homeLatitude = probe.latitude;
        settings.homeLongitude = probe.longitudeWest;
        settings.scaleFactor = kClosestScale;
        RecordingSurface surface;
        OutlinePen pen;
        MapContext map{settings, surface, surface, pen, dataDir};
        const bool states = std::string(probe.file) == "STATES.dat";
        if (states)
            DrawStateOutline(map);
        else
            DrawRegionOutline(map);
        double nearest = std::numeric_limits<double>::infinity();
        for (const DrawOp &op : surface.ops) {
            if (op.kind == OpKind::Message)
                faults.push_back(std::string(probe.file) + ": " + op.text);
            // Pen moves are white lines, the home mark is red.
            if (op.kind == OpKind::Line && op.colour != kWhite &&
                op.colour != kRed)
                nearest = std::min(
                    nearest, DistanceToSegment(kCentreX, kCentreY, op));
        }
        const double km = nearest / kUnitsPerKm;
        if (!(km <= kProbeKm))
            faults.push_back(
                std::string(probe.file) + ": " + probe.border +
                Format(" at %.2f N %.2f W: the nearest line drawn is %.1f km "
                       "away",
                       probe.latitude, probe.longitudeWest, km));
    }
    return faults;
}

std::vector<std::string> CheckJumps(const std::string &dataDir,
                                    const char *file) {
    std::vector<std::string> faults;
    TextFileReader reader;
    if (!reader.OpenNoCase(dataDir, file))
        return {std::string(file) + " cannot be opened in " + dataDir};
    std::string line;
    bool havePrevious = false;
    float prevLat = 0, prevLonWest = 0;
    while (reader.ReadLine(line)) {
        std::string_view rest = line, word;
        double lat = 0, lon = 0;
        TakeWord(rest, word);
        if (word.empty())
            continue;
        if (!ReadPlainNumber(word, lat) || lat == -2000)
            break;
        TakeWord(rest, word);
        if (!ReadPlainNumber(word, lon) || (lat == -100 && lon == -100)) {
            havePrevious = false;
            continue;
        }
        const float latitude = static_cast<float>(lat);
        const float lonWest = WestOf(static_cast<float>(lon));
        if (havePrevious) {
            const MapView view{prevLat, prevLonWest, kClosestScale};
            const MapPoint p = MapPositionUnclamped(view, latitude, lonWest);
            if (std::fabs(p.x - kCentreX) > kJumpLimit ||
                std::fabs(p.y - kCentreY) > kJumpLimit)
                faults.push_back(
                    std::string(file) +
                    Format(" line %.0f: %.0f map units from the vertex before "
                           "it at the closest zoom, more than the 2000 the map "
                           "joins",
                           static_cast<double>(reader.LineNumber()),
                           std::max(std::fabs(p.x - kCentreX),
                                    std::fabs(p.y - kCentreY))));
        }
        havePrevious = true;
        prevLat = latitude;
        prevLonWest = lonWest;
    }
    return faults;
}

std::vector<std::string> CheckOutlines(const std::string &dataDir) {
    std::vector<std::string> faults = CheckProbes(dataDir, WellKnownBorders());
    for (const char *file : {"STATES.dat", "REGION2.dat"}) {
        std::vector<std::string> more = CheckJumps(dataDir, file);
        faults.insert(faults.end(), more.begin(), more.end());
    }
    return faults;
}

} // namespace tavik::outline
