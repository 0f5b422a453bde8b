#pragma once
// Stations' distance and bearing from home, worked out once per home: the
// overview places every station of every channel at each drawing, and after
// the first a zoom or a redraw only multiplies.
//
// Entries are found by the station's exact latitude and longitude, so a
// station moved on disk is simply a new entry; another home starts afresh.

#include "core/geodesy.h"
#include "core/placement.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace tavik {

class StationPlaces {
  public:
    // Place(placement, view, lat, lonWest), exactly.
    MapPoint Place(const Placement &placement, const MapView &view, float lat,
                   float lonWest);
    std::size_t Size() const { return polar_.size(); }

  private:
    // Every station of the band fits many times over.
    static constexpr std::size_t kMaxEntries = 65536;
    std::uint64_t home_ = 0; // the bits of home latitude and longitude
    double kmPerDegree_ = 0;
    std::unordered_map<std::uint64_t, PolarPosition> polar_;
};

} // namespace tavik
