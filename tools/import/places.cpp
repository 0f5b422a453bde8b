#include "tools/import/places.h"

#include "core/text_file.h"

#include "tools/import/import_text.h"

#include <cmath>

namespace tavik::import {

bool LoadPlaces(const std::string &path, std::vector<Place> &places,
                std::vector<std::string> &problems) {
    TextFileReader reader(LineEnds::Lf);
    if (!reader.Open(path))
        return false;
    std::string line;
    std::vector<std::string> fields;
    while (reader.ReadLine(line)) {
        if (Trim(line).empty())
            continue;
        SplitCsv(line, fields);
        std::optional<double> lat, lon;
        if (fields.size() >= 5) {
            lat = ParseNumber(fields[3]);
            lon = ParseNumber(fields[4]);
        }
        if (!lat || !lon || std::fabs(*lat) > 90 || std::fabs(*lon) > 360) {
            // The header line names the columns; it has no numbers.
            if (reader.LineNumber() > 1 || fields.size() < 5)
                problems.push_back(path + " line " +
                                   std::to_string(reader.LineNumber()) +
                                   ": not country,admin,name,lat,lon");
            continue;
        }
        Place place;
        place.country.assign(Trim(fields[0]));
        place.admin.assign(Trim(fields[1]));
        place.name.assign(Trim(fields[2]));
        place.latitude = *lat;
        place.longitude = *lon;
        places.push_back(std::move(place));
    }
    return !reader.Failed();
}

const Place *NearestPlace(const std::vector<Place> &places,
                          std::string_view country, double latitude,
                          double longitudeEast) {
    constexpr double kRad = 3.14159265358979323846 / 180.0;
    const double lat1 = latitude * kRad;
    const double lon1 = longitudeEast * kRad;
    const double cosLat1 = std::cos(lat1);
    const Place *best = nullptr;
    double bestHaversine = 0;
    for (const Place &place : places) {
        if (place.country != country)
            continue;
        // The haversine grows with the distance, so it is compared as it is.
        const double lat2 = place.latitude * kRad;
        const double sinDLat = std::sin((lat2 - lat1) / 2);
        const double sinDLon = std::sin((place.longitude * kRad - lon1) / 2);
        const double h =
            sinDLat * sinDLat + cosLat1 * std::cos(lat2) * sinDLon * sinDLon;
        if (!best || h < bestHaversine) {
            best = &place;
            bestHaversine = h;
        }
    }
    return best;
}

} // namespace tavik::import
