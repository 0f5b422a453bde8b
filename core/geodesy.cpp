#include "core/geodesy.h"

#include <algorithm>
#include <cmath>

namespace tavik {

namespace {

// pi / 2 written to 14 digits, as the arc cosine has always used it.
constexpr double kHalfPi = 1.5707963267949;
// pi to 9 digits: the arc cosine of -1.
constexpr double kPiShort = 3.14159265;
// Degrees per radian of the map-position step.
constexpr double kMapDegPerRad = 57.29578;

} // namespace

// 45 / atan(1) rounded to single precision; a constant so that hot loops
// over outline vertices do not recompute it.
float DegPerRad() { return 57.29578f; }

double ArcCos(double x) {
    if (std::fabs(x) != 1.0) {
        // NaN for |x| > 1: the square root of a negative number.
        return kHalfPi - std::atan(x / std::sqrt(1.0 - x * x));
    }
    return x >= 1.0 ? 0.0 : kPiShort;
}

DistanceBearing GreatCircle(float lat1, float lon1West, float lon2East,
                            float lat2, double kmPerDegree) {
    const double degPerRad = DegPerRad();
    const double phi1 = lat1 / degPerRad;
    const double phi2 = lat2 / degPerRad;
    const double lambda1 = lon1West / degPerRad;
    const double lambda2 = -static_cast<double>(lon2East) / degPerRad;

    // The cosine of the central angle, sin f1 sin f2 + cos f1 cos f2 cos dl,
    // rearranged as cos(f1 - f2) - 2 cos f1 cos f2 sin^2(dl / 2): equal in
    // exact arithmetic, but it is exactly 1 at home itself and keeps its
    // digits for places a few kilometres away, where the central angle comes
    // from a cosine within 1e-8 of 1. Rounding may still leave it a hair
    // outside [-1, 1]: hold it there so such a place is drawn, not failed.
    const double halfDl = std::sin((lambda2 - lambda1) / 2);
    double c = std::cos(phi1 - phi2) -
               2 * std::cos(phi1) * std::cos(phi2) * halfDl * halfDl;
    c = std::clamp(c, -1.0, 1.0);

    const double d = ArcCos(c);
    DistanceBearing result;
    result.distanceKm = d * degPerRad * kmPerDegree;

    double a = 0;
    if (d != 0) {
        a = (std::sin(phi2) - c * std::sin(phi1)) /
            (std::sin(d) * std::cos(phi1));
    }
    if (!(a <= 1)) { // also a NaN from a pole, where cos f1 is 0
        a = 1;
    }
    if (a < -1) {
        a = -1;
    }
    float bearing = static_cast<float>(ArcCos(a) * degPerRad);
    if (std::sin(lambda1 - lambda2) < 0) {
        bearing = 360.0f - bearing;
    }
    // 360 - a bearing of a few millionths of a degree rounds to 360 in
    // single precision; that direction is north.
    if (bearing >= 360.0f) {
        bearing = 0.0f;
    }
    result.bearingDeg = bearing;
    return result;
}

float ClampToMap(float v) {
    // A NaN (no position at all) lands on the far edge, never on the map.
    if (!(v >= -kMapClamp)) {
        return -kMapClamp;
    }
    return std::min(v, kMapClamp);
}

PolarPosition PolarFromHome(const MapView &view, float lat, float lonWest,
                            double kmPerDegree) {
    const DistanceBearing db = GreatCircle(
        view.homeLatitude, view.homeLongitude, -lonWest, lat, kmPerDegree);
    const double angle = db.bearingDeg / kMapDegPerRad;
    return {db.distanceKm, std::sin(angle), std::cos(angle)};
}

MapPoint PlaceOnMap(const PolarPosition &p, float scaleFactor, float centreX,
                    float centreY) {
    const double r = p.distanceKm * scaleFactor / 75.0;
    // Far beyond the clamp square; keeps the conversion to single in range.
    constexpr double kFar = 1e30;
    const double x = std::clamp(centreX + r * p.sinBearing, -kFar, kFar);
    const double y = std::clamp(centreY - r * p.cosBearing, -kFar, kFar);
    return {static_cast<float>(x), static_cast<float>(y)};
}

MapPoint MapPositionUnclamped(const MapView &view, float lat, float lonWest,
                              double kmPerDegree) {
    return PlaceOnMap(PolarFromHome(view, lat, lonWest, kmPerDegree),
                      view.scaleFactor);
}

MapPoint MapPosition(const MapView &view, float lat, float lonWest,
                     double kmPerDegree) {
    const MapPoint p = MapPositionUnclamped(view, lat, lonWest, kmPerDegree);
    return {ClampToMap(p.x), ClampToMap(p.y)};
}

} // namespace tavik
