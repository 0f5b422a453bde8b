#pragma once
// Great-circle distance and bearing, and the azimuthal equidistant placing of
// a point on the 12000 x 9000 map around home (north up, east right).

#include <cstdint>

namespace tavik {

// Degrees per radian, 45 / atan(1) held in single precision (57.29578).
float DegPerRad();

// Kilometres per degree of great-circle arc on the map and in the distance
// window; the start-up display uses its own 111.1234.
constexpr double kKmPerDegree = 111.44;
constexpr double kStartupKmPerDegree = 111.1234;

// Map user units: 12000 x 9000, y downward; home sits at the centre. Other
// pictures state their own centre in a Placement (core/placement.h).
constexpr float kMapCentreX = 6000.0f;
constexpr float kMapCentreY = 4500.0f;
// Map coordinates are held to this square; far points pile up on its edges.
constexpr float kMapClamp = 30000.0f;

// Arc cosine in radians for x in [-1, 1] (0 to pi); x = -1 gives 3.14159265.
double ArcCos(double x);

struct DistanceBearing {
    double distanceKm = 0; // great-circle distance, kilometres
    float bearingDeg = 0;  // degrees clockwise from true north, 0 <= B < 360
};

// From the origin (lat1 north, lon1 WEST positive) to the target (lon2 EAST
// positive, lat2 north), all in degrees.
DistanceBearing GreatCircle(float lat1, float lon1West, float lon2East,
                            float lat2, double kmPerDegree = kKmPerDegree);

// What the projection needs of the session: home and scale. One kilometre
// is scaleFactor / 75 map units.
struct MapView {
    float homeLatitude = 0;  // degrees north
    float homeLongitude = 0; // degrees WEST positive
    float scaleFactor = 1000;
};

struct MapPoint {
    float x = 0;
    float y = 0;
};

float ClampToMap(float v); // to -30000 ... 30000

// Where a place lies seen from home, before the scale: the two steps of
// MapPositionUnclamped apart, so that a drawing can keep the first for a
// home and redo only the second, a multiplication, when the scale changes.
// PlaceOnMap(PolarFromHome(view, ...), view.scaleFactor) is exactly
// MapPositionUnclamped(view, ...).
struct PolarPosition {
    double distanceKm = 0;
    double sinBearing = 0;
    double cosBearing = 1;
};
PolarPosition PolarFromHome(const MapView &view, float lat, float lonWest,
                            double kmPerDegree = kKmPerDegree);
// The position around (centreX, centreY), before clamping.
MapPoint PlaceOnMap(const PolarPosition &p, float scaleFactor,
                    float centreX = kMapCentreX, float centreY = kMapCentreY);

// Position of (lat north, lon WEST positive) on the map, before clamping.
MapPoint MapPositionUnclamped(const MapView &view, float lat, float lonWest,
                              double kmPerDegree = kKmPerDegree);
// The same, each coordinate clamped to +-30000.
MapPoint MapPosition(const MapView &view, float lat, float lonWest,
                     double kmPerDegree = kKmPerDegree);

} // namespace tavik
