#pragma once
// Named places (cities and towns) with their state or province, used to give
// the Canadian transmitters, which the regulator's list locates only by
// coordinates, a province and a city of licence.

#include <string>
#include <string_view>
#include <vector>

namespace tavik::import {

struct Place {
    std::string country;  // "CA", "US", "MX", "CU"
    std::string admin;    // postal-style state or province code: "ON"
    std::string name;     // as in the file
    double latitude = 0;  // degrees north
    double longitude = 0; // degrees EAST positive (negative in the Americas)
};

// The CSV "country,admin,name,lat,lon" (an optional header line; names may
// be quoted). Rows that cannot be read are listed in `problems` and skipped.
// False when the file cannot be opened.
bool LoadPlaces(const std::string &path, std::vector<Place> &places,
                std::vector<std::string> &problems);

// The place of `country` nearest to (latitude north, longitude EAST) by
// great-circle distance, or nullptr when there is none.
const Place *NearestPlace(const std::vector<Place> &places,
                          std::string_view country, double latitude,
                          double longitudeEast);

} // namespace tavik::import
