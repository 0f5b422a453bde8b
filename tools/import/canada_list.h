#pragma once
// The Canadian regulator's list of AM transmitters: CSV rows with frequency
// (MHz), transmitter power (W), call sign and WGS84 coordinates. Day and
// night powers of one station are separate, unlabelled and often repeated
// rows, so each call sign on a frequency becomes one station.

#include <string>
#include <vector>

namespace tavik::import {

struct CanadaStation {
    std::string call;         // "CFOS", "CFCB-AX1"
    int frequencyKHz = 0;     // 0.56 MHz -> 560
    bool onKHzRaster = true;  // false when the MHz value is no whole kHz
    double powerKw = 0;       // the largest power listed for the call, in kW
    double latitude = 0;      // degrees north, of the row with that power
    double longitudeEast = 0; // degrees east (negative: west)
    // false when no row of the call gives a position: the list writes
    // 0.0, 0.0 where it has none
    bool located = true;
};

struct CanadaList {
    std::vector<CanadaStation> stations; // in the order first listed
    int rowsRead = 0;                    // data rows, the header not counted
};

enum class CanadaListResult {
    Read,
    CannotOpen,
    NoHeader, // the first line does not name the columns read
};

// Reads the list; rows that cannot be read are listed in `problems` with
// their line number and skipped.
CanadaListResult LoadCanadaList(const std::string &path, CanadaList &list,
                                std::vector<std::string> &problems);

} // namespace tavik::import
