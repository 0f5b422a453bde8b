#pragma once
// Checks the map outline files as the map draws them at its closest zoom:
// every well-known border is drawn where it runs, and no two vertices of a
// polyline lie so far apart that the map's jump test would lift the pen
// between them (a straight border held by its two end points alone).

#include <string>
#include <vector>

namespace tavik::outline {

// The closest zoom of the map, where a missing stretch shows most.
constexpr float kClosestScale = 10000;
// A probe must lie within this of a drawn line.
constexpr double kProbeKm = 3.0;

// A point on a border that the file must draw.
struct BorderProbe {
    const char *file;   // "STATES.dat" or "REGION2.dat"
    const char *border; // "Texas-Louisiana"
    float latitude;     // degrees north
    float longitudeWest;
};

// Points on state, province and national borders that are straight lines
// or well surveyed, from the Gulf to the Arctic.
const std::vector<BorderProbe> &WellKnownBorders();

// With home at each probe and the closest zoom, draws the probe's file
// with the map's own drawer and measures from home to the nearest line
// drawn; one fault for each probe farther than kProbeKm.
std::vector<std::string> CheckProbes(const std::string &dataDir,
                                     const std::vector<BorderProbe> &probes);

// One fault for each pair of successive vertices of a polyline that lie
// more than the jump limit apart in x or y on a map at the closest zoom
// centred on the first of them.
std::vector<std::string> CheckJumps(const std::string &dataDir,
                                    const char *file);

// Both checks on REGION2.dat and STATES.dat with the well-known borders.
std::vector<std::string> CheckOutlines(const std::string &dataDir);

} // namespace tavik::outline
