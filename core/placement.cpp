#include "core/placement.h"

#include <algorithm>
#include <cmath>

namespace tavik {

namespace {
// Degrees per radian of the placing step, the literal 57.29578.
constexpr double kPlaceDegPerRad = 57.29578;
// Far beyond the clamp square; keeps the conversion to single in range.
constexpr double kFar = 1e30;
} // namespace

MapPoint PlaceUnlimited(const Placement &placement, const MapView &view,
                        float lat, float lonWest) {
    const DistanceBearing db =
        GreatCircle(view.homeLatitude, view.homeLongitude, -lonWest, lat,
                    placement.kmPerDegree);
    const double r = db.distanceKm * view.scaleFactor / 75.0;
    const double angle = db.bearingDeg / kPlaceDegPerRad;
    const double x =
        std::clamp(placement.centreX + r * std::sin(angle), -kFar, kFar);
    const double y =
        std::clamp(placement.centreY - r * std::cos(angle), -kFar, kFar);
    return {static_cast<float>(x), static_cast<float>(y)};
}

MapPoint Limit(const Placement &placement, MapPoint p) {
    if (placement.far == FarPoints::Clamp)
        return {ClampToMap(p.x), ClampToMap(p.y)};
    return p;
}

MapPoint Place(const Placement &placement, const MapView &view, float lat,
               float lonWest) {
    return Limit(placement, PlaceUnlimited(placement, view, lat, lonWest));
}

bool InWindow(const Placement &placement, MapPoint p) {
    if (placement.far == FarPoints::Clamp)
        return true;
    return p.x >= 0 && p.x <= placement.windowWidth && p.y >= 0 &&
           p.y <= placement.windowHeight;
}

} // namespace tavik
