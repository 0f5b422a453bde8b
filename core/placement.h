#pragma once
// Where a picture puts a latitude and longitude on its drawing area.
//
// How a new picture uses it: state the picture's Placement once (centre,
// kilometres per degree, what happens to far points) and pass it with the
// view to Place(); the map, the start-up plot and the printed page differ
// only in that value. A picture that draws on a fixed latitude/longitude
// grid instead of around home uses PlateCarree.
//
//   const Placement page{7000, 5500, kKmPerDegree, FarPoints::PageWindow,
//                        15000, 11000};
//   const MapPoint p = Place(page, view, lat, lonWest);
//   if (!InWindow(page, p)) ...leave it out...

#include "core/geodesy.h"

namespace tavik {

// What a placement does with a point far from home.
enum class FarPoints {
    Clamp,      // each coordinate held to +-30000 (the map window)
    PageWindow, // left as computed; InWindow tells whether it lies on the page
};

// An azimuthal equidistant placement around home (north up): a point at
// great-circle distance D km and bearing B lies r = D * scaleFactor / 75
// units from the centre, at (cx + r sin B, cy - r cos B).
struct Placement {
    float centreX = kMapCentreX;
    float centreY = kMapCentreY;
    double kmPerDegree = kKmPerDegree;
    FarPoints far = FarPoints::Clamp;
    // The page window 0..windowWidth x 0..windowHeight (PageWindow only).
    float windowWidth = 0;
    float windowHeight = 0;
};

// The map window: home at (6000, 4500), 111.44 km a degree, clamped.
constexpr Placement kMapPlacement{};
// The start-up window: as the map, with 111.1234 km a degree.
constexpr Placement kStartupPlacement{kMapCentreX, kMapCentreY,
                                      kStartupKmPerDegree, FarPoints::Clamp};

// The position before any clamping (held within +-1e30 so that it stays a
// finite single; NaN when the distance is not a number).
MapPoint PlaceUnlimited(const Placement &placement, const MapView &view,
                        float lat, float lonWest);
// The position with the placement's far-point rule applied: clamped for
// Clamp, as computed for PageWindow.
MapPoint Place(const Placement &placement, const MapView &view, float lat,
               float lonWest);
// Holds a computed point as the placement does (Clamp: to +-30000).
MapPoint Limit(const Placement &placement, MapPoint p);
// Whether a point is drawn: always for Clamp; for PageWindow when
// 0 <= x <= windowWidth and 0 <= y <= windowHeight.
bool InWindow(const Placement &placement, MapPoint p);

// The outline viewer's fixed latitude/longitude grid: 160 units a degree of
// longitude, 200 a degree of latitude, 133.125 W / 57.5 N at the top left.
// Longitudes are EAST of Greenwich as written in the outline files (0..360,
// 100 W is 260), used as given.
struct PlateCarree {
    static MapPoint ToPoint(float lat, float lonEast) {
        return {160.0f * lonEast - 36300.0f, 11500.0f - 200.0f * lat};
    }
    // The readout's inverse: degrees WEST under x and degrees north under y.
    // 133 rather than the exact 133.125: the longitude read out lies 0.125
    // degree east of the drawn point.
    static double LonWestAt(double x) { return 133.0 - x / 160.0; }
    static double LatAt(double y) { return 57.5 - y / 200.0; }
};

} // namespace tavik
