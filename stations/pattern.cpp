#include "stations/pattern.h"

#include "core/geodesy.h"

#include <cmath>

namespace tavik {

namespace {

// The channel plot, the printed map and the start-up display share one sweep;
// the station data window has its own older scaling and placement rule.
enum class SweepKind { Channel, StationData };

bool MeasuredFromPrevious(SweepKind kind, const std::string &towerRef) {
    return kind == SweepKind::Channel ? towerRef != "0" : towerRef == "1";
}

bool Sweep(const StationRecord &record, PatternTable &table, SweepKind kind) {
    table.fill(0.0f);
    const int n = record.Towers;
    if (n < 1)
        return true;
    if (n > kMaxTowers)
        return false;
    const auto &tower = record.Tower;

    // Field ratios relative to the strongest tower, then to the root of the
    // sum of their squares, so that only the ratios between towers count.
    float m = 0;
    for (int i = 1; i <= n; ++i)
        if (tower[i].FieldRatio > m)
            m = tower[i].FieldRatio;
    if (!(m > 0))
        return false;
    float f[kMaxTowers + 1] = {};
    for (int i = 1; i <= n; ++i)
        f[i] = tower[i].FieldRatio / m;
    float s = 0;
    for (int i = 1; i <= n; ++i)
        s = f[i] * f[i] + s;
    const float q = std::sqrt(s);

    // A negative power has no real fractional power.
    if (record.Power < 0)
        return false;
    if (kind == SweepKind::Channel) {
        // Patterns of one station for different hours must not lie on top of
        // each other: unlimited is drawn a little larger, daytime smaller.
        double hoursFactor = 1.0;
        if (record.Hours == "U")
            hoursFactor = 1.03;
        else if (record.Hours == "D")
            hoursFactor = 0.97;
        const double powerScale = std::pow(double(record.Power), 0.31622);
        for (int i = 1; i <= n; ++i) {
            f[i] = f[i] / q;
            if (hoursFactor != 1.0)
                f[i] = static_cast<float>(f[i] * hoursFactor);
            f[i] = static_cast<float>(powerScale * f[i]);
            f[i] = f[i] + f[i];
        }
    } else {
        const double powerScale = std::pow(double(record.Power), 0.25);
        for (int i = 1; i <= n; ++i) {
            f[i] = f[i] / q;
            f[i] = static_cast<float>(powerScale * (f[i] * 0.9));
        }
    }

    // Tower positions from the array's reference point: spacing in electrical
    // degrees, orientation in degrees clockwise from north. Entry 0 is the
    // reference point itself, the origin of a relative tower 1.
    TowerPosition position[kMaxTowers + 1] = {};
    for (int i = 1; i <= n; ++i) {
        position[i] = {tower[i].Spacing, tower[i].Orientation};
        if (MeasuredFromPrevious(kind, tower[i].TowerRef))
            position[i] = PlaceFromPrevious(position[i - 1], position[i]);
    }

    // Per-tower constants in radians, so the sweep only does one sine and
    // cosine pair per tower and azimuth.
    double spacingRad[kMaxTowers + 1] = {};
    double orientationRad[kMaxTowers + 1] = {};
    double phaseRad[kMaxTowers + 1] = {};
    const double degPerRad = DegPerRad();
    for (int i = 1; i <= n; ++i) {
        spacingRad[i] = position[i].spacing / degPerRad;
        orientationRad[i] = position[i].orientation / degPerRad;
        phaseRad[i] = tower[i].Phase / degPerRad;
    }
    for (int a = 0; a <= 360; ++a) {
        const double azimuthRad = a / degPerRad;
        float X = 0;
        float Y = 0;
        for (int i = 1; i <= n; ++i) {
            const double psi =
                spacingRad[i] * std::cos(orientationRad[i] - azimuthRad) +
                phaseRad[i];
            X = static_cast<float>(f[i] * std::sin(psi) + X);
            Y = static_cast<float>(f[i] * std::cos(psi) + Y);
        }
        const float e = std::sqrt(Y * Y + X * X);
        if (!std::isfinite(e)) {
            table.fill(0.0f);
            return false;
        }
        table[a] = e;
    }
    return true;
}

} // namespace

TowerPosition PlaceFromPrevious(TowerPosition previous, TowerPosition offset) {
    const double degPerRad = DegPerRad();
    const double previousRad = previous.orientation / degPerRad;
    const double offsetRad = offset.orientation / degPerRad;
    // x east, y north
    const float x =
        static_cast<float>(previous.spacing * std::sin(previousRad) +
                           offset.spacing * std::sin(offsetRad));
    const float y =
        static_cast<float>(previous.spacing * std::cos(previousRad) +
                           offset.spacing * std::cos(offsetRad));
    TowerPosition placed;
    placed.spacing = std::sqrt(y * y + x * x);
    if (y == 0)
        placed.orientation = x > 0 ? 90.0f : (x < 0 ? -90.0f : 0.0f);
    else
        placed.orientation =
            static_cast<float>(std::atan(double(x) / y) * degPerRad);
    // atan covers -90..90 only: bring the other half-plane and the west
    // quadrant of the north half into 0..360.
    if (y < 0)
        placed.orientation = placed.orientation + 180.0f;
    else if (x < 0)
        placed.orientation = placed.orientation + 360.0f;
    return placed;
}

bool ComputePattern(const StationRecord &record, PatternTable &table) {
    return Sweep(record, table, SweepKind::Channel);
}

bool CSweepHorizontal(const StationRecord &record, PatternTable &table) {
    return Sweep(record, table, SweepKind::StationData);
}

} // namespace tavik
