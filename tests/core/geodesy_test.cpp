#include "core/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tavik {
namespace {

// Angles in the program are degrees divided by the single-precision
// degrees-per-radian; the expected values below use the same conversion but
// their own closed forms (haversine distance, atan2 bearing).
constexpr double kDpr = 57.29578f;

struct Expected {
    double distanceKm;
    double bearingDeg; // 0 <= B < 360
};

// Independent reference: haversine central angle and the atan2 form of the
// initial course. Longitudes here are EAST positive.
Expected Reference(double lat1, double lon1East, double lat2, double lon2East) {
    const double p1 = lat1 / kDpr, p2 = lat2 / kDpr;
    const double dl = (lon2East - lon1East) / kDpr;
    const double h =
        std::sin((p2 - p1) / 2) * std::sin((p2 - p1) / 2) +
        std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    const double sigma = 2 * std::asin(std::sqrt(h));
    double bearing =
        std::atan2(std::sin(dl) * std::cos(p2),
                   std::cos(p1) * std::sin(p2) -
                       std::sin(p1) * std::cos(p2) * std::cos(dl)) *
        kDpr;
    if (bearing < 0) {
        bearing += 360;
    }
    return {sigma * kDpr * kKmPerDegree, bearing};
}

TEST(DegPerRad, IsFortyFiveOverArctanOneInSingle) {
    EXPECT_EQ(DegPerRad(), static_cast<float>(45.0 / std::atan(1.0)));
    EXPECT_EQ(DegPerRad(), 57.29578f);
}

TEST(ArcCos, UsesTheShortConstantsAndHasNoResultBeyondOne) {
    EXPECT_EQ(ArcCos(1.0), 0.0);
    EXPECT_EQ(ArcCos(-1.0), 3.14159265);
    EXPECT_EQ(ArcCos(0.0), 1.5707963267949);
    EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), 1e-14);
    EXPECT_NEAR(ArcCos(-0.5), std::acos(-0.5), 1e-14);
    EXPECT_NEAR(ArcCos(0.9999999999), std::acos(0.9999999999), 1e-14);
    EXPECT_TRUE(std::isnan(ArcCos(1.0000001)));
    EXPECT_TRUE(std::isnan(ArcCos(-1.0000001)));
}

// Home at Oak Ridge; places 1, 10, 100 and 1000 km away in the four
// directions. North and south lie on home's meridian, so their distance is
// the difference in latitude; east and west lie on home's parallel, the
// given distance away along it, so the great circle is a little shorter and
// leaves home a little north of east or west.
TEST(GreatCircle, CardinalDirectionsAtFourDistances) {
    const float homeLat = 36.0f;
    const float homeLonWest = 84.32f;
    for (const double km : {1.0, 10.0, 100.0, 1000.0}) {
        const float dLat = static_cast<float>(km / kKmPerDegree);
        const float dLon =
            static_cast<float>(km / (kKmPerDegree * std::cos(homeLat / kDpr)));
        struct Row {
            const char *name;
            float lat, lonWest;
        };
        const Row rows[] = {
            {"north", homeLat + dLat, homeLonWest},
            {"south", homeLat - dLat, homeLonWest},
            {"east", homeLat, homeLonWest - dLon},
            {"west", homeLat, homeLonWest + dLon},
        };
        for (const Row &row : rows) {
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(km));
            const DistanceBearing db =
                GreatCircle(homeLat, homeLonWest, -row.lonWest, row.lat);
            const Expected e =
                Reference(homeLat, -homeLonWest, row.lat, -row.lonWest);
            EXPECT_NEAR(db.distanceKm, e.distanceKm, 1e-6 * km);
            EXPECT_NEAR(db.bearingDeg, e.bearingDeg, 1e-3);

            const std::string dir = row.name;
            if (dir == "north" || dir == "south") {
                // On the meridian: the latitude difference exactly.
                EXPECT_NEAR(db.distanceKm,
                            std::fabs(row.lat - homeLat) * kKmPerDegree,
                            1e-6 * km);
                EXPECT_NEAR(db.bearingDeg, dir == "north" ? 0.0 : 180.0, 1e-3);
            } else {
                // Shorter than the way along the parallel, by little.
                const double alongKm = std::fabs(row.lonWest - homeLonWest) *
                                       kKmPerDegree * std::cos(homeLat / kDpr);
                EXPECT_LT(db.distanceKm, alongKm);
                EXPECT_GT(db.distanceKm, alongKm * 0.99);
                if (dir == "east") {
                    EXPECT_LT(db.bearingDeg, 90.0f);
                    EXPECT_GT(db.bearingDeg, 85.0f);
                } else {
                    EXPECT_GT(db.bearingDeg, 270.0f);
                    EXPECT_LT(db.bearingDeg, 275.0f);
                }
            }
        }
    }
}

TEST(GreatCircle, OriginEqualToTarget) {
    for (const float lat : {0.0f, 32.78f, 36.0f, -45.5f, 89.0f}) {
        SCOPED_TRACE(lat);
        const DistanceBearing db = GreatCircle(lat, 96.82f, -96.82f, lat);
        EXPECT_EQ(db.distanceKm, 0.0);
        EXPECT_EQ(db.bearingDeg, 90.0f);
    }
}

TEST(GreatCircle, WestSouthWestOfOakRidge) {
    const DistanceBearing db = GreatCircle(36.0f, 84.32f, -96.8f, 32.78f);
    const Expected e = Reference(36.0f, -84.32f, 32.78f, -96.8f);
    EXPECT_GT(db.bearingDeg, 180.0f);
    EXPECT_LT(db.bearingDeg, 270.0f);
    EXPECT_NEAR(db.bearingDeg, e.bearingDeg, 1e-3);
    EXPECT_NEAR(db.distanceKm, e.distanceKm, 1e-4);
}

TEST(GreatCircle, ReferenceTableAcrossTheRegion) {
    struct Row {
        const char *name;
        float lat1, lon1West, lat2, lon2West;
    };
    const Row rows[] = {
        {"Dallas to Havana", 32.78f, 96.82f, 23.13f, 82.38f},
        {"Havana to Dallas", 23.13f, 82.38f, 32.78f, 96.82f},
        {"Anchorage to Miami", 61.22f, 149.9f, 25.77f, 80.19f},
        {"Across the date line", 51.88f, -176.6f, 52.0f, 179.0f},
        {"Equator, quarter of the way round", 0.0f, 0.0f, 0.0f, -90.0f},
        {"Southern hemisphere", -33.9f, 70.6f, -23.5f, 46.6f},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const DistanceBearing db =
            GreatCircle(row.lat1, row.lon1West, -row.lon2West, row.lat2);
        const Expected e =
            Reference(row.lat1, -row.lon1West, row.lat2, -row.lon2West);
        EXPECT_NEAR(db.distanceKm, e.distanceKm, 1e-4);
        EXPECT_NEAR(db.bearingDeg, e.bearingDeg, 1e-3);
    }
    // Equator quarter: exactly 90 degrees of arc, due east.
    const DistanceBearing quarter = GreatCircle(0, 0, 90, 0);
    EXPECT_NEAR(quarter.distanceKm, 90 * kKmPerDegree, 1e-6);
    EXPECT_NEAR(quarter.bearingDeg, 90.0f, 1e-4);
}

TEST(GreatCircle, BearingStaysBelow360AndEverythingIsFinite) {
    // Includes the poles, the antipode of home, and a place due north of
    // home nudged west by less than single precision can show in a bearing.
    for (float lat2 = -90; lat2 <= 90; lat2 += 7.5f) {
        for (float lonWest = -180; lonWest <= 180; lonWest += 15) {
            const DistanceBearing db = GreatCircle(36, 84.32f, -lonWest, lat2);
            ASSERT_TRUE(std::isfinite(db.distanceKm)) << lat2 << " " << lonWest;
            ASSERT_GE(db.bearingDeg, 0.0f) << lat2 << " " << lonWest;
            ASSERT_LT(db.bearingDeg, 360.0f) << lat2 << " " << lonWest;
        }
    }
    const DistanceBearing antipode = GreatCircle(36, 84.32f, 95.68f, -36);
    EXPECT_NEAR(antipode.distanceKm, 3.14159265 * kDpr * kKmPerDegree, 1e-3);
    EXPECT_TRUE(std::isfinite(antipode.bearingDeg));

    const DistanceBearing nudged = GreatCircle(36, 84.32f, -84.3200002f, 45.0f);
    EXPECT_GE(nudged.bearingDeg, 0.0f);
    EXPECT_LT(nudged.bearingDeg, 360.0f);
}

TEST(MapPosition, PlacesAroundTheCentreAtScale) {
    const MapView view{36.0f, 84.32f, 750.0f};
    const float d100 = static_cast<float>(100 / kKmPerDegree);
    struct Row {
        const char *name;
        float lat, lonWest;
        float x, y;
    };
    // 100 km at scale 750 is 1000 units.
    const Row rows[] = {
        {"home", 36.0f, 84.32f, 6000, 4500},
        {"100 km north", 36.0f + d100, 84.32f, 6000, 3500},
        {"100 km south", 36.0f - d100, 84.32f, 6000, 5500},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const MapPoint p = MapPosition(view, row.lat, row.lonWest);
        EXPECT_NEAR(p.x, row.x, 0.01);
        EXPECT_NEAR(p.y, row.y, 0.01);
    }
    const MapPoint home = MapPosition(view, 36.0f, 84.32f);
    EXPECT_EQ(home.x, kMapCentreX);
    EXPECT_EQ(home.y, kMapCentreY);

    // On home's parallel: right of home (east) or left (west), a little
    // above the centre line since the great circle starts north of due
    // east or west.
    const MapPoint east = MapPosition(view, 36.0f, 83.0f);
    EXPECT_GT(east.x, 6000.0f);
    EXPECT_LT(east.y, 4500.0f);
    const MapPoint west = MapPosition(view, 36.0f, 85.64f);
    EXPECT_LT(west.x, 6000.0f);
    EXPECT_LT(west.y, 4500.0f);
    EXPECT_NEAR(east.x - 6000, 6000 - west.x, 0.01);

    // West-south-west: left of and below home.
    const MapPoint wsw = MapPosition(view, 32.78f, 96.8f);
    EXPECT_LT(wsw.x, 6000.0f);
    EXPECT_GT(wsw.y, 4500.0f);
    const DistanceBearing db = GreatCircle(36.0f, 84.32f, -96.8f, 32.78f);
    const double r = db.distanceKm * 750 / 75;
    EXPECT_NEAR(std::hypot(wsw.x - 6000, wsw.y - 4500), r, 0.01);
}

TEST(MapPosition, PlacesCloseToHomeAreNotLostToRounding) {
    // One kilometre north at scale 1000 is 13.33 units up, straight up.
    const MapView view{36.0f, 84.32f, 1000.0f};
    const float lat1km = 36.0f + static_cast<float>(1 / kKmPerDegree);
    const MapPoint p = MapPosition(view, lat1km, 84.32f);
    EXPECT_NEAR(p.x, 6000.0f, 0.01);
    EXPECT_NEAR(p.y, 4500.0f - 1000.0f / 75, 0.01);

    const float lat11km = 36.0f + static_cast<float>(11 / kKmPerDegree);
    const DistanceBearing db = GreatCircle(36.0f, 84.32f, -84.32f, lat11km);
    EXPECT_NEAR(db.bearingDeg, 0.0f, 0.01);
    EXPECT_NEAR(db.distanceKm, 11.0, 0.001);
}

TEST(MapPosition, FarPointsPileUpOnTheClampSquare) {
    EXPECT_EQ(ClampToMap(45000.0f), 30000.0f);
    EXPECT_EQ(ClampToMap(-45000.0f), -30000.0f);
    EXPECT_EQ(ClampToMap(30000.0f), 30000.0f);
    EXPECT_EQ(ClampToMap(-29999.5f), -29999.5f);
    EXPECT_EQ(ClampToMap(std::nanf("")), -30000.0f);

    // About 2900 km east of Dallas at scale 1000: x near 45000 unclamped.
    const MapView view{32.78f, 96.82f, 1000.0f};
    const MapPoint raw = MapPositionUnclamped(view, 32.78f, 65.0f);
    ASSERT_GT(raw.x, 40000.0f);
    ASSERT_LT(raw.x, 50000.0f);
    const MapPoint p = MapPosition(view, 32.78f, 65.0f);
    EXPECT_EQ(p.x, 30000.0f);
    EXPECT_EQ(p.y, raw.y);

    // Opposite side of the earth at the largest scale: both edges.
    const MapView zoomed{32.78f, 96.82f, 10000.0f};
    const MapPoint far = MapPosition(zoomed, -32.0f, -83.0f);
    EXPECT_LE(std::fabs(far.x), 30000.0f);
    EXPECT_EQ(std::fabs(far.y), 30000.0f);
}

} // namespace
} // namespace tavik
