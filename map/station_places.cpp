#include "map/station_places.h"

#include <cstring>

namespace tavik {

namespace {

std::uint64_t Bits(float a, float b) {
    std::uint32_t x = 0, y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return (std::uint64_t{x} << 32) | y;
}

} // namespace

MapPoint StationPlaces::Place(const Placement &placement, const MapView &view,
                              float lat, float lonWest) {
    const std::uint64_t home = Bits(view.homeLatitude, view.homeLongitude);
    if (home != home_ || placement.kmPerDegree != kmPerDegree_ ||
        polar_.size() >= kMaxEntries) {
        polar_.clear();
        home_ = home;
        kmPerDegree_ = placement.kmPerDegree;
    }
    auto found = polar_.find(Bits(lat, lonWest));
    if (found == polar_.end())
        found = polar_
                    .emplace(Bits(lat, lonWest),
                             PolarFromHome(view, lat, lonWest,
                                           placement.kmPerDegree))
                    .first;
    return Limit(placement, PlaceOnMap(found->second, view.scaleFactor,
                                       placement.centreX, placement.centreY));
}

} // namespace tavik
