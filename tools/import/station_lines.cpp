// The text of a channel file's records and of the call-sign lists.

#include "tools/import/station_import.h"

#include "tools/import/import_text.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace tavik::import {

namespace {

constexpr const char *kEol = "\r\n";
constexpr int kCoordinateDecimals = 4; // 0.0001 degree is about 11 m
constexpr int kTowerDecimals = 4;

std::string Padded(std::string_view text, std::size_t width,
                   bool rightAligned) {
    text = text.substr(0, width);
    std::string blanks(width - text.size(), ' ');
    return rightAligned ? blanks + std::string(text)
                        : std::string(text) + blanks;
}

} // namespace

const char *ArrayProblem(const std::vector<OutputTower> &towers) {
    if (towers.size() > kMaxTowerLines)
        return "more than 12 towers";
    double strongest = 0;
    for (const OutputTower &t : towers) {
        for (double v : {t.fieldRatio, t.height, t.phase, t.spacing,
                         t.orientation})
            if (!CompactNumber(v, kTowerDecimals))
                return "a tower value beyond the program's number range";
        // The ratio as written and read back by the program.
        strongest = std::max(
            strongest,
            std::strtod(CompactNumber(t.fieldRatio, kTowerDecimals)->c_str(),
                        nullptr));
    }
    if (!towers.empty() && !(strongest > 0))
        return "no field ratio above 0";
    return nullptr;
}

bool AppendStationLines(const OutputStation &s, std::string &out) {
    const auto latitude = CompactNumber(s.latitude, kCoordinateDecimals);
    const auto longitude = CompactNumber(s.longitudeWest, kCoordinateDecimals);
    const auto power = ShortestNumber(s.powerKw);
    if (!latitude || !longitude || !power || ArrayProblem(s.towers))
        return false;
    out += s.call;
    out += ',';
    out += s.country;
    out += ',';
    out += s.state;
    out += ',';
    out += s.city;
    out += ',';
    out += s.status;
    out += ',';
    out += s.hours;
    out += ',';
    out += *latitude;
    out += ',';
    out += *longitude;
    out += ',';
    out += *power;
    out += ",0,";
    out += std::to_string(s.towers.size());
    out += kEol;
    for (const OutputTower &t : s.towers) {
        out += t.fromPrevious ? "1" : "0";
        for (double v :
             {t.fieldRatio, t.height, t.phase, t.spacing, t.orientation}) {
            out += ',';
            out += *CompactNumber(v, kTowerDecimals);
        }
        out += kEol;
    }
    return true;
}

std::string CallListLine(const OutputStation &s) {
    return Padded(s.call, 8, false) +
           Padded(std::to_string(s.channel), 6, false) +
           Padded(s.city + ", " + s.state, 30, false) +
           Padded(CompactNumber(s.latitude, kCoordinateDecimals).value_or("0"),
                  10, true) +
           Padded(
               CompactNumber(s.longitudeWest, kCoordinateDecimals).value_or("0"),
               10, true);
}

} // namespace tavik::import
