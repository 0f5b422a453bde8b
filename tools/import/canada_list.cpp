#include "tools/import/canada_list.h"

#include "core/text_file.h"

#include "tools/import/import_text.h"

#include <cmath>
#include <map>
#include <utility>

namespace tavik::import {

namespace {

constexpr const char *kColumnNames[] = {
    "Frequency [MHz]", "Tx transmitter power [W]", "Call sign",
    "Latitude (WGS84)", "Longitude (WGS84)"};
enum Column { kFrequency, kPower, kCall, kLatitude, kLongitude, kColumns };

} // namespace

CanadaListResult LoadCanadaList(const std::string &path, CanadaList &list,
                                std::vector<std::string> &problems) {
    TextFileReader reader(LineEnds::Lf);
    if (!reader.Open(path))
        return CanadaListResult::CannotOpen;

    std::string line;
    std::vector<std::string> fields;
    if (!reader.ReadLine(line))
        return CanadaListResult::NoHeader;
    SplitCsv(line, fields);
    std::size_t index[kColumns];
    for (int c = 0; c < kColumns; ++c) {
        index[c] = fields.size();
        for (std::size_t f = 0; f < fields.size(); ++f)
            if (Trim(fields[f]) == kColumnNames[c])
                index[c] = f;
        if (index[c] == fields.size())
            return CanadaListResult::NoHeader;
    }

    // (call, kHz) -> position in list.stations
    std::map<std::pair<std::string, int>, std::size_t> seen;
    auto problem = [&](const char *what) {
        problems.push_back(path + " line " +
                           std::to_string(reader.LineNumber()) + ": " + what);
    };
    while (reader.ReadLine(line)) {
        if (Trim(line).empty())
            continue;
        ++list.rowsRead;
        SplitCsv(line, fields);
        bool complete = true;
        for (std::size_t i : index)
            complete = complete && i < fields.size();
        if (!complete) {
            problem("fewer columns than the header names");
            continue;
        }
        std::string_view call = Trim(fields[index[kCall]]);
        auto mhz = ParseNumber(fields[index[kFrequency]]);
        auto watts = ParseNumber(fields[index[kPower]]);
        // Blank coordinates, like 0.0, 0.0, mean the row has no position.
        const bool blank = Trim(fields[index[kLatitude]]).empty() &&
                           Trim(fields[index[kLongitude]]).empty();
        auto lat = blank ? 0.0 : ParseNumber(fields[index[kLatitude]]);
        auto lon = blank ? 0.0 : ParseNumber(fields[index[kLongitude]]);
        if (call.empty()) {
            problem("no call sign");
            continue;
        }
        if (!mhz || *mhz <= 0 || *mhz > 100) {
            problem("frequency not a number of MHz");
            continue;
        }
        if (!watts || *watts <= 0) {
            problem("power not a number of watts above 0");
            continue;
        }
        const std::optional<float> kw = ToChannelSingle(*watts / 1000.0);
        if (!kw || !(*kw > 0)) {
            problem("power beyond the program's number range");
            continue;
        }
        if (!lat || !lon || std::fabs(*lat) > 90 || std::fabs(*lon) > 180) {
            problem("coordinates not degrees");
            continue;
        }
        const bool located = *lat != 0 || *lon != 0;
        const double khz = *mhz * 1000.0;
        const int rounded = static_cast<int>(std::lround(khz));
        auto key = std::make_pair(std::string(call), rounded);
        auto found = seen.find(key);
        if (found == seen.end()) {
            seen.emplace(key, list.stations.size());
            CanadaStation station;
            station.call = key.first;
            station.frequencyKHz = rounded;
            station.onKHzRaster = std::fabs(khz - rounded) < 0.01;
            station.powerKw = *watts / 1000.0;
            station.latitude = *lat;
            station.longitudeEast = *lon;
            station.located = located;
            list.stations.push_back(std::move(station));
        } else {
            // The strongest row with a position gives power and site.
            CanadaStation &station = list.stations[found->second];
            if (located > station.located ||
                (located == station.located &&
                 *watts / 1000.0 > station.powerKw)) {
                station.located = located;
                station.powerKw = *watts / 1000.0;
                station.latitude = *lat;
                station.longitudeEast = *lon;
            }
        }
    }
    return CanadaListResult::Read;
}

} // namespace tavik::import
