#include "core/placement.h"

namespace tavik {

MapPoint PlaceUnlimited(const Placement &placement, const MapView &view,
                        float lat, float lonWest) {
    return PlaceOnMap(
        PolarFromHome(view, lat, lonWest, placement.kmPerDegree),
        view.scaleFactor, placement.centreX, placement.centreY);
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
