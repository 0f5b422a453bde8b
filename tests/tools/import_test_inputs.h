#pragma once
// Small hand-made inputs for the importer's tests: lines of the FCC list in
// its fixed columns, the Canadian list, and the files a test writes and
// reads in a folder of its own.

#include "tools/import/station_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tavik::import::test_inputs {

namespace fs = std::filesystem;

inline std::string Write(const std::string &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

inline std::string Read(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::string Lines(std::initializer_list<std::string> lines,
                         const char *end = "\n") {
    std::string text;
    for (const std::string &line : lines)
        text += line + end;
    return text;
}

// The inputs given (an empty text: none) written as fcc.txt, canada.csv and
// places.csv into a fresh folder named after the running test; the output
// goes to its folder "out".
inline ImportOptions Inputs(const std::string &fcc,
                            const std::string &canada = "",
                            const std::string &places = "") {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string dir =
        ::testing::TempDir() + "/tavik_import/" + info->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
    ImportOptions opts;
    opts.outDir = dir + "/out";
    if (!fcc.empty())
        opts.fccPath = Write(dir + "/fcc.txt", fcc);
    if (!canada.empty())
        opts.canadaPath = Write(dir + "/canada.csv", canada);
    if (!places.empty())
        opts.placesPath = Write(dir + "/places.csv", places);
    return opts;
}

// The summary of a run that must succeed.
inline ImportSummary Imported(const ImportOptions &opts) {
    ImportSummary summary;
    EXPECT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;
    return summary;
}

// A file the run wrote: "540.DAT" for 540.
inline std::string Output(const ImportOptions &opts, int khz) {
    return Read(opts.outDir + "/" + std::to_string(khz) + ".DAT");
}

// Where the fields of the FCC list start.
inline constexpr int kCall = 1, kKhz = 14, kHours = 34, kStatus = 68,
                     kCity = 76, kState = 102, kPower = 134, kDirectional = 145,
                     kFacility = 175, kLat = 187, kLon = 205, kModeKey = 384;

// One line of the FCC list: WTST, a licensed 5 kW daytime station on 1000 kHz
// in Testville, Michigan, but for the (column, text) pairs given.
inline std::string Fcc() {
    return " WTST         1000  kHz  AM       DAY                              "
           " LIC     TESTVILLE                 MI  US  BL-20000101AA           "
           "5.0    kW                                111         N  42  30  0.0"
           "    W  85  15  0.0     TEST LICENSEE, INC.                         "
           "                                                                 "
           "1234567    7bbf849224d04ab39ef7c1b6063ebeb7    "
           "0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f    ";
}
template <typename... More>
inline std::string Fcc(int column, const std::string &text, More... more) {
    static const int starts[] = {1,   14,  20,  34,  68,  76,  102, 106, 134,
                                 141, 145, 175, 187, 205, 224, 384, 420};
    const int end = *std::upper_bound(starts, starts + 17, column);
    std::string line = Fcc(more...);
    line.replace(column, end - column, end - column, ' ');
    return line.replace(column, text.size(), text);
}

// Line 1 of the real list, verbatim, as an anchor for the column layout.
inline const std::string kRealFccLine =
    " WASG         540   kHz  AM       DAY  Daytime              D   -   LIC "
    "    DAPHNE                    AL  US  BML-20161101ABQ         2.5    kW "
    "             A        -        51141       N  30  44  45.7   W  88   5 "
    "  39.0   ALABAMA RADIO CORPORATION                                      "
    "                 0.00 km     0.00 mi    0.00 deg  1743823    7bbf849224"
    "d04ab39ef7c1b6063ebeb7    a19231e367e14be68b97c1b6063ebeb7    ";

// A record line of a channel file and its first tower's line.
inline std::string Rec(const std::string &record) {
    return record + "\r\n0,1,0,0,0,0\r\n";
}

// Columns in another order than the regulator's, the licensee (with a comma
// inside its quotes) first: columns are found by their names.
inline const std::string kCanadaHeader =
    "\"Licensee name\",\"Channel Type\",\"Frequency [MHz]\",\"Tx transmitter "
    "power [W]\",\"Call sign\",\"Latitude (WGS84)\",\"Longitude (WGS84)\"";
inline const std::string kCanadaRows = Lines({
    kCanadaHeader,
    "\"Bayshore, Inc\",\"TX_RES\",0.56,1000,\"CFOS\",44.54444444,-80.90194444",
    "\"Bayshore, Inc\",\"TX_RES\",0.56,7500,\"CFOS\",44.54444444,-80.90194444",
    "\"Stingray\",\"TX_RES\",0.57,10000,\"CFCB-AX1\",48.93694444,-57.99111111",
    "\"Stingray\",\"TX_RES\",0.57,1000,\"CFCB\",48.93694444,-57.99111111",
    "\"X\",\"TX_RES\",1.54,30000,\"CHIN\",43.61527778,-79.38027778",
    "\"X\",\"TX_RES\",1.54,50000,\"CHIN\",43.59055556,-79.88916667",
    "\"X\",\"TX_RES\",abc,1000,\"CKXX\",45,-75",
    "\"X\",\"TX_RES\",0.5625,1000,\"CKOF\",45,-75",
    "\"X\",\"TX_RES\",1.71,1000,\"CKBB\",45,-75",
    "\"X\",\"TX_RES\",0.69,1000,\"CBF\",45.5,-73.6",
});

} // namespace tavik::import::test_inputs
