#pragma once
// Horizontal radiation pattern of a station's tower array, and its drawing
// as a closed outline around the station's map position.

#include "stations/channel_file.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tavik {

// Field toward each whole degree of azimuth 0..360, clockwise from north.
using PatternTable = std::array<float, 361>;

// Fills `table` from the record's towers, power and hours: E[a] is
// 2 * Power^0.31622 * h * |sum r_i e^(j psi_i)| / sqrt(sum r_i^2), with h 1.03
// for "U", 0.97 for "D" and 1 otherwise. The record is left untouched (the
// tower positions are resolved on a copy). Returns false, with the table all
// 0, when the pattern cannot be formed: towers present but no field ratio
// above 0, more than 12 towers, a negative power, or a result that is not a
// finite number. No towers at all give a table of 0 and true.
bool ComputePattern(const StationRecord &record, PatternTable &table);

// The station data window's variant: no hours factor, Power^0.25 * 0.9, and
// only TowerRef "1" measures from the previous tower. Fails as above.
bool CSweepHorizontal(const StationRecord &record, PatternTable &table);

// A tower's place relative to the array's reference point: spacing in
// electrical degrees, orientation in degrees clockwise from true north.
struct TowerPosition {
    float spacing = 0;
    float orientation = 0;
};

// Where a tower lies that sits at `offset` from the tower at `previous`
// (both measured from the reference point's axes): spacing >= 0 and
// orientation in 0..360 (exactly 270 straight west, 90 straight east).
TowerPosition PlaceFromPrevious(TowerPosition previous, TowerPosition offset);

} // namespace tavik
