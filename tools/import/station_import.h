#pragma once
// The station-data importer: reads the FCC list of US stations, the Canadian
// transmitter list and, when given, the LMS tower tables, and writes the
// program's channel files (530.DAT ... 1700.DAT) and its two call-sign lists.

#include "stations/channel_file.h"

#include <map>
#include <string>
#include <vector>

namespace tavik::import {

// The channels of the band, kHz; every one gets a file, empty or not.
constexpr int kFirstChannel = kBandLowKHz;
constexpr int kLastChannel = kBandHighKHz;
constexpr int kChannelStep = kChannelSpacingKHz;
constexpr int kChannelCount = (kLastChannel - kFirstChannel) / kChannelStep + 1;

// The program keeps at most this many lines of each call-sign list.
constexpr int kMaxCallsK = 2356;
constexpr int kMaxCallsW = 5000;
// The program's tower table holds 12 towers and refuses a file with more.
constexpr std::size_t kMaxTowerLines = 12;

struct OutputTower {
    bool fromPrevious = false; // TowerRef "1", else "0"
    double fieldRatio = 1;
    double height = 0;      // electrical height, degrees (the third field)
    double phase = 0;       // degrees
    double spacing = 0;     // electrical degrees
    double orientation = 0; // degrees clockwise from true north
};

// Why the program could not form a pattern from these towers (no field ratio
// above 0, a value beyond its number range, more than 12 towers), or nullptr
// when it can. Such an array is written without towers.
const char *ArrayProblem(const std::vector<OutputTower> &towers);

// One record of a channel file, before its text is formed.
struct OutputStation {
    std::string call, country, state, city, status, hours;
    int channel = 0;          // kHz, on the 10-kHz raster
    double latitude = 0;      // degrees north
    double longitudeWest = 0; // degrees west, 0 to 360
    double powerKw = 0;
    // The tower lines to write. A non-directional station has the single
    // tower 0,1,0,0,0,0; a directional one whose array is not known has none.
    std::vector<OutputTower> towers;
};

// Appends the station line and its tower lines, each ended by CR LF:
// Call,Country,State,City,Status,Hours,Latitude,Longitude,Power,0,Towers.
// Coordinates get at most 4 decimals, power its shortest text; Field10 is
// written as 0, since nothing in the program reads it. Every number is
// written so that the program reads back the single-precision value meant;
// false, `out` unchanged, when one cannot be (the readers refuse such
// values before they get here).
bool AppendStationLines(const OutputStation &station, std::string &out);

// One line of a call-sign list, without its line end: call sign in columns
// 1-8, channel in 9-14, "CITY, ST" in 15-44, latitude in 45-54 and longitude
// (degrees west) in 55-64, the numbers right-aligned.
std::string CallListLine(const OutputStation &station);

struct ImportOptions {
    std::string fccPath;    // FCC AM Query list, fixed columns
    std::string canadaPath; // Canadian transmitter list, CSV
    std::string lmsDir;     // folder of the LMS tables; "" when not given
    std::string placesPath; // country,admin,name,lat,lon; "" when not given
    std::string outDir;
};

struct ImportSummary {
    int fccLines = 0;   // non-blank lines of the FCC list
    int fccRecords = 0; // of them read as records
    int canadaRows = 0;
    int canadaStations = 0; // one per call sign and frequency
    int canadaWithoutPlace = 0;
    // Records left out because the list gives them no position (0, 0),
    // with their call signs.
    std::vector<std::string> withoutCoordinates;
    int unreadableLines = 0;      // skipped, each listed in `problems`
    std::map<int, int> offRaster; // kHz -> records not on the 10-kHz raster
    std::map<int, int> outOfBand; // kHz -> records outside 530 ... 1700
    int writtenUsa = 0;
    int writtenCanada = 0;
    int directional = 0;
    int directionalWithTowers = 0;
    int directionalWithoutTowers = 0; // written with Towers 0
    int directionalOverTwelve = 0;    // of those, arrays of 13 or more
    // of those, arrays the program could not draw (over 12 towers included),
    // each reported in `problems`
    int arraysRefused = 0;
    int lmsSystems = 0;
    int channelFiles = 0;
    int callsK = 0, callsW = 0;
    int callsKLeftOut = 0, callsWLeftOut = 0;
    std::vector<std::string> problems; // unreadable lines, with their number
    std::string error;                 // why the import stopped
};

enum class ImportResult {
    Done,
    InputFailed,  // an input could not be opened or was refused
    OutputFailed, // a file could not be written
};

// Reads every input given, then writes the channel files and the call-sign
// lists into opts.outDir. Nothing is written when an input fails or yields
// no record (an error page in place of a list). The files are written into
// a temporary folder in opts.outDir and moved over the old ones only when
// all of them were written, so a failed run leaves the old files as they
// were. Lines that cannot be read are skipped and listed; they never stop
// the import.
ImportResult RunImport(const ImportOptions &opts, ImportSummary &summary);

// The summary as printed by tavik-import, several lines.
std::string FormatSummary(const ImportSummary &summary);

} // namespace tavik::import
