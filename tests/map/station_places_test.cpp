// Stations placed from the remembered distance and bearing land exactly
// where Place puts them, for every home, scale and placement.

#include "map/station_places.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tavik {
namespace {

bool SameBits(MapPoint a, MapPoint b) {
    return std::memcmp(&a.x, &b.x, sizeof a.x) == 0 &&
           std::memcmp(&a.y, &b.y, sizeof a.y) == 0;
}

TEST(StationPlacesTest, PlacesExactlyAsPlaceAndStartsAfreshForANewHome) {
    const float stations[][2] = {
        {32.78f, 96.82f}, {39.1f, 94.6f}, {19.43f, 99.13f}, {64.8f, 147.7f}};
    const MapView views[] = {{39.1f, 94.6f, 1000},
                             {39.1f, 94.6f, 100},
                             {39.1f, 94.6f, 10000},
                             {45.5f, 73.6f, 283}};
    Placement page = kMapPlacement;
    page.far = FarPoints::PageWindow;
    StationPlaces places;
    for (const MapView &view : views) {
        for (const Placement &placement : {kMapPlacement, page})
            for (const auto &s : stations)
                EXPECT_TRUE(SameBits(places.Place(placement, view, s[0], s[1]),
                                     Place(placement, view, s[0], s[1])))
                    << view.scaleFactor << " " << s[0];
        EXPECT_EQ(places.Size(), 4u); // one entry a station and home
    }
    Placement otherEarth = kMapPlacement;
    otherEarth.kmPerDegree = 111.1234;
    const MapView view = views[3];
    EXPECT_TRUE(SameBits(places.Place(otherEarth, view, 30, 90),
                         Place(otherEarth, view, 30, 90)));
    EXPECT_EQ(places.Size(), 1u);
}

} // namespace
} // namespace tavik
