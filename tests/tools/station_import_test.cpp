// The importer end to end on small hand-made inputs: the exact lines of the
// channel files and call-sign lists it writes, and what it reports.

#include "tools/import/station_import.h"

#include "stations/channel_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

namespace tavik::import {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string TestDir() {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    fs::path dir =
        fs::path(::testing::TempDir()) / "tavik_import" / info->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string Write(const std::string &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string Read(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Lines(std::initializer_list<std::string> lines,
                  const char *end = "\n") {
    std::string text;
    for (const std::string &line : lines)
        text += line + end;
    return text;
}

// Where the fields of the FCC list start.
constexpr int kCall = 1, kKhz = 14, kHours = 34, kStatus = 68, kCity = 76,
              kState = 102, kPower = 134, kDirectional = 145, kFacility = 175,
              kLat = 187, kLon = 205, kModeKey = 384;

// One line of the FCC list: WTST, a licensed 5 kW daytime station on 1000 kHz
// in Testville, Michigan, but for the (column, text) pairs given.
std::string Fcc() {
    return " WTST         1000  kHz  AM       DAY                              "
           " LIC     TESTVILLE                 MI  US  BL-20000101AA           "
           "5.0    kW                                111         N  42  30  0.0"
           "    W  85  15  0.0     TEST LICENSEE, INC.                         "
           "                                                                 "
           "1234567    7bbf849224d04ab39ef7c1b6063ebeb7    "
           "0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f    ";
}
template <typename... More>
std::string Fcc(int column, const std::string &text, More... more) {
    static const int starts[] = {1,   14,  20,  34,  68,  76,  102, 106, 134,
                                 141, 145, 175, 187, 205, 224, 384, 420};
    const int end = *std::upper_bound(starts, starts + 17, column);
    std::string line = Fcc(more...);
    line.replace(column, end - column, end - column, ' ');
    return line.replace(column, text.size(), text);
}

// Line 1 of the real list, verbatim, as an anchor for the column layout.
const std::string kRealFccLine =
    " WASG         540   kHz  AM       DAY  Daytime              D   -   LIC "
    "    DAPHNE                    AL  US  BML-20161101ABQ         2.5    kW "
    "             A        -        51141       N  30  44  45.7   W  88   5 "
    "  39.0   ALABAMA RADIO CORPORATION                                      "
    "                 0.00 km     0.00 mi    0.00 deg  1743823    7bbf849224"
    "d04ab39ef7c1b6063ebeb7    a19231e367e14be68b97c1b6063ebeb7    ";

// A record line of a channel file and its first tower's line.
std::string Rec(const std::string &record) {
    return record + "\r\n0,1,0,0,0,0\r\n";
}

TEST(FccImport, WritesRecordsAndSkipsWhatCannotBeDrawn) {
    const std::string dir = TestDir();
    const auto wxyz = [](auto... changes) {
        return Fcc(changes..., kCall, "WXYZ", kKhz, "1700", kHours, "CRI",
                   kState, "NC", kCity, "WINSTON,SALEM", kPower, "0.019", kLat,
                   "N  36  6   0.0", kLon, "W  80  15  0.0");
    };
    ImportOptions opts;
    opts.outDir = dir + "/out";
    opts.fccPath =
        Write(dir + "/amRadioSta.txt",
              Lines({kRealFccLine,
                     Fcc(kCall, "KRXA", kKhz, "540", kHours, "NIG", kStatus,
                         "APP", kCity, "CARMEL VALLEY", kState, "CA", kPower,
                         "0.5", kDirectional, "Directional", kLat,
                         "N  36  39  35.9", kLon, "W  121  32  32.8"),
                     Fcc(kCall, "KGUM", kKhz, "567"),
                     Fcc(kCall, "KICH", kKhz, "630", kHours, "UNL", kCity,
                         "AGANA", kState, "GU", kPower, "10.0", kLat,
                         "N  13  26  53.0", kLon, "E  144  45  22.0"),
                     // cut one column before and at the end of the longitude
                     wxyz().substr(0, 223), wxyz(kHours, "XYZ"),
                     wxyz().substr(0, 224), "",
                     wxyz(kCall, "DWCND", kHours, "DAY", kCity, "", kLat,
                          "N  35  20  60.0"),
                     wxyz(kLat, "N  35  20  61.0"), "      " + wxyz()}));
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;

    EXPECT_EQ(Read(opts.outDir + "/540.DAT"),
              Rec("WASG,USA,AL,DAPHNE,L,D,30.746,88.0942,2.5,0,1") +
                  "KRXA,USA,CA,CARMEL VALLEY,A,N,36.66,121.5424,0.5,0,0\r\n");
    // Guam's east longitude becomes a west one of more than 180 degrees.
    EXPECT_EQ(Read(opts.outDir + "/630.DAT"),
              Rec("KICH,USA,GU,AGANA,L,U,13.4481,215.2439,10,0,1"));
    EXPECT_EQ(Read(opts.outDir + "/1700.DAT"),
              Rec("WXYZ,USA,NC,WINSTON SALEM,L,C,36.1,80.25,0.019,0,1") +
                  Rec("DWCND,USA,NC,UNKNOWN,L,D,35.35,80.25,0.019,0,1"));
    EXPECT_EQ(std::make_tuple(
                  summary.channelFiles, summary.fccLines, summary.fccRecords,
                  summary.writtenUsa, summary.directional,
                  summary.directionalWithoutTowers, summary.unreadableLines),
              std::make_tuple(118, 10, 6, 5, 1, 1, 4));
    EXPECT_EQ(summary.offRaster, (std::map<int, int>{{567, 1}}));
    EXPECT_THAT(
        summary.problems,
        ElementsAre("amRadioSta.txt line 5: line too short; skipped",
                    "amRadioSta.txt line 6: hours not UNL, DAY, NIG or CRI; "
                    "skipped",
                    "amRadioSta.txt line 10: latitude not hemisphere, degrees, "
                    "minutes, seconds; skipped",
                    "amRadioSta.txt line 11: columns out of place; skipped"));
    EXPECT_THAT(FormatSummary(summary),
                HasSubstr("Left out off the 10-kHz raster: 1 (1 on 567 kHz)"));
}

TEST(FccImport, CallListsTakeOneRecordPerCallLicensedDayFirst) {
    const std::string dir = TestDir();
    ImportOptions opts;
    opts.outDir = dir;
    opts.fccPath = Write(
        dir + "/fcc.txt",
        Lines({Fcc(kCall, "WAAA", kHours, "NIG", kCity, "NIGHT TOWN"),
               Fcc(kCall, "WAAA", kHours, "UNL", kStatus, "APP", kCity,
                   "PERMIT TOWN"),
               Fcc(kCall, "WAAA", kKhz, "1010", kCity, "DAY TOWN", kLat,
                   "N  42  0   0.0", kLon, "W  85  0   0.0"),
               Fcc(kCall, "WA", kKhz, "1600", kCity, "SHORT"),
               Fcc(kCall, "KICH", kKhz, "630", kCity, "AGANA", kState, "GU",
                   kLat, "N  13  26  53.0", kLon, "E  144  45  22.0"),
               Fcc(kCall, "DKPSF")}));
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;
    // Call 1-8, channel 9-14, "CITY, ST" 15-44, latitude 45-54, longitude 55-64
    EXPECT_EQ(Read(dir + "/SortedCallsWspaces.DAT"),
              "WA      1600  SHORT, MI                     "
              "      42.5     85.25\r\n"
              "WAAA    1010  DAY TOWN, MI                  "
              "        42        85\r\n");
    EXPECT_EQ(Read(dir + "/SortedCallsKspaces.DAT"),
              "KICH    630   AGANA, GU                     "
              "   13.4481  215.2439\r\n");
    EXPECT_EQ(
        std::make_tuple(summary.callsK, summary.callsW, summary.callsWLeftOut),
        std::make_tuple(1, 2, 0));
}

// Columns in another order than the regulator's, the licensee (with a comma
// inside its quotes) first: columns are found by their names.
const std::string kCanadaHeader =
    "\"Licensee name\",\"Channel Type\",\"Frequency [MHz]\",\"Tx transmitter "
    "power [W]\",\"Call sign\",\"Latitude (WGS84)\",\"Longitude (WGS84)\"";
const std::string kCanadaRows = Lines({
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

TEST(CanadaImport, OneRecordPerCallAndFrequencyPlacedAtTheNearestCity) {
    const std::string dir = TestDir();
    ImportOptions opts;
    opts.canadaPath = Write(dir + "/canadianStations.csv", kCanadaRows);
    opts.placesPath =
        Write(dir + "/places.csv",
              Lines({"country,admin,name,lat,lon",
                     "CA,ON,Owen Sound,44.56717,-80.94349",
                     "CA,NL,Corner Brook,48.95001,-57.95202",
                     "CA,ON,Mississauga,43.5789,-79.6583",
                     "CA,ON,Toronto,43.70011,-79.4163",
                     "CA,QC,\"Montr\xc3\xa9"
                     "al\",45.50884,-73.58781",
                     // nearer to CFOS than Owen Sound, but not Canadian
                     "US,NY,Border Town,44.545,-80.9"}));
    opts.outDir = dir + "/out";
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;

    EXPECT_EQ(Read(opts.outDir + "/560.DAT"),
              Rec("CFOS,Canada,ON,OWEN SOUND,L,U,44.5444,80.9019,7.5,0,1"));
    EXPECT_EQ(
        Read(opts.outDir + "/570.DAT"),
        Rec("CFCB-AX1,Canada,NL,CORNER BROOK,L,U,48.9369,57.9911,10,0,1") +
            Rec("CFCB,Canada,NL,CORNER BROOK,L,U,48.9369,57.9911,1,0,1"));
    // The strongest row's site, the other one's is 40 km east.
    EXPECT_EQ(Read(opts.outDir + "/1540.DAT"),
              Rec("CHIN,Canada,ON,MISSISSAUGA,L,U,43.5906,79.8892,50,0,1"));
    EXPECT_EQ(Read(opts.outDir + "/690.DAT"),
              Rec("CBF,Canada,QC,MONTREAL,L,U,45.5,73.6,1,0,1"));
    EXPECT_EQ(std::make_tuple(summary.canadaRows, summary.canadaStations,
                              summary.writtenCanada),
              std::make_tuple(10, 7, 5));
    EXPECT_EQ(summary.offRaster, (std::map<int, int>{{563, 1}}));
    EXPECT_EQ(summary.outOfBand, (std::map<int, int>{{1710, 1}}));
    EXPECT_THAT(
        summary.problems,
        ElementsAre(HasSubstr("line 8: frequency not a number of MHz")));
}

// LMS tables in dir/lms, in the form of the FCC's dump (rows ending in
// "|^|"), for directional FCC records on 1000 ... 1070 kHz.
ImportOptions LmsInputs(const std::string &dir) {
    const std::string lms = dir + "/lms";
    fs::create_directories(lms);
    ImportOptions opts;
    opts.lmsDir = lms;
    opts.outDir = dir + "/out";
    const auto da = [](const char *call, const char *khz, const char *hours,
                       const char *facility) {
        return Fcc(kCall, call, kDirectional, "Directional", kKhz, khz, kHours,
                   hours, kFacility, facility);
    };
    opts.fccPath = Write(
        dir + "/fcc.txt",
        Lines({da("WTWR", "1000", "DAY", "111"),
               Fcc(kCall, "WTWR", kDirectional, "Directional", kHours, "NIG",
                   kPower, "1.0"),
               da("WBIG", "1010", "UNL", "222"),
               da("WNOP", "1020", "DAY", "333"),
               // Found by its mode key alone: its facility has no application.
               Fcc(kCall, "WKEY", kDirectional, "Directional", kKhz, "1030",
                   kHours, "CRI", kFacility, "444", kModeKey,
                   "a19231e367e14be68b97c1b6063ebeb7"),
               // a permit: the permit's array, not the licence's
               Fcc(kCall, "WTWE", kDirectional, "Directional", kKhz, "1040",
                   kHours, "UNL", kFacility, "222", kStatus, "APP"),
               Fcc(kCall, "WBLK", kDirectional, "Directional", kKhz, "1050",
                   kModeKey, "40"),
               Fcc(kCall, "WINF", kDirectional, "Directional", kKhz, "1060",
                   kModeKey, "50"),
               Fcc(kCall, "WOFF", kDirectional, "Directional", kKhz, "1070",
                   kModeKey, "60")}));
    Write(lms + "/facility.dat",
          Lines({"facility_id|callsign|comm_city|comm_state|fac_freq|"
                 "service_code|fac_status|^|",
                 "111|WTWR|TESTVILLE|MI|1000|AM|LICEN|^|",
                 "222|WBIG|TESTVILLE|MI|1010|AM|LICEN|^|",
                 "333|WNOP|TESTVILLE|MI|1020|AM|LICEN|^|"}));
    // The AM engineering records: facility to application.
    Write(lms + "/am_eng.dat",
          Lines({"facility_id|application_id|eng_record_type|^|",
                 "111|APP-1|C|^|", "111|APP-2|C|^|", "222|APP-3|C|^|"}));
    // Another table pairing the two, not read while engineering records are
    // there: it would give WNOP towers.
    Write(lms + "/gis_application.dat",
          Lines({"application_id|facility_id|^|", "APP-1|333|^|"}));
    Write(lms + "/gis_am_ant_sys.dat",
          Lines({"ant_sys_id|hours_operation|application_id|am_dom_status|"
                 "eng_record_type|ant_mode|power|tower_count|^|",
                 // the superseded record before the current one
                 "13|D|APP-1|L|P|DA|5|2|^|", "10|D|APP-1|L|C|DA|5|3|^|",
                 "11|N|APP-1|L|C|DA|1|2|^|",
                 // a permit for the same hours
                 "12|D|APP-2|C|C|DA|5|2|^|", "20|U|APP-3|L|C|DA|10|13|^|",
                 "A19231E3-67E1-4BE6-8B97-C1B6063EBEB7|C|APP-9|L|C|DA|1|2|^|",
                 "30|U|APP-3|C|C|DA|5|12|^|", "40|D|APP-5|L|C|DA|5|2|^|",
                 "50|D|APP-5|L|C|DA|5|2|^|", "60|D|APP-5|L|C|DA|5|2|^|"}));
    std::string towers = Lines(
        {"tower_ref_switch|ant_sys_id|tower_num|field_ratio|phasing_deg|"
         "spacing_deg|orientation_deg|elec_hgt_deg|^|",
         // out of order; tower 3 is measured from tower 2
         "1|10|3|1.0|-120.5|90|180|90|^|", "|10|1|1.0|0|0|0|90|^|",
         "0|10|2|0.95|95.25|90|45.5|88.5|^|", "0|11|1|1|0|0|0||^|",
         "0|11|2|0.5|180|180|270||^|", "0|12|1|2|0|0|0||^|",
         "0|12|2|2|10|10|10||^|", "0|13|1|3|0|0|0||^|",
         "0|13|2|3|10|10|10||^|",
         "0|A19231E3-67E1-4BE6-8B97-C1B6063EBEB7|1|1|0|0|0||^|",
         "1|A19231E3-67E1-4BE6-8B97-C1B6063EBEB7|2|0.8|90|90|0||^|",
         // blank field ratios; a ratio beyond single precision
         "0|40|1||0|0|0||^|", "0|40|2||90|90|0||^|", "0|50|1|1|0|0|0||^|",
         "0|50|2|1e39|90|90|0||^|",
         // the first tower a quarter wave east of the reference point, the
         // second a quarter wave north of the first
         "0|60|1|1|0|90|90|90|^|", "0|60|2|1|90|90|0|90|^|",
         "0|13|x|1|0|0|0||^|", "0|10"},
        "\r\n");
    for (int t = 1; t <= 13; ++t)
        towers += "0|20|" + std::to_string(t) + "|1|0|90|0||^|\r\n";
    for (int t = 1; t <= 12; ++t)
        towers += "1|30|" + std::to_string(t) + "|1|" + std::to_string(t) +
                  "|90|0|90|^|\r\n";
    Write(lms + "/gis_am_towers.dat", towers);
    return opts;
}

TEST(LmsImport, DirectionalRecordsGetTheirTowersOrNoneWhenUndrawable) {
    const ImportOptions opts = LmsInputs(TestDir());
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;
    const auto read = [&](int khz) {
        return Read(opts.outDir + "/" + std::to_string(khz) + ".DAT");
    };

    // The current system of the licence, its electrical heights in the third
    // field, whatever order the rows come in.
    EXPECT_EQ(read(1000), "WTWR,USA,MI,TESTVILLE,L,D,42.5,85.25,5,0,3\r\n"
                          "0,1,90,0,0,0\r\n0,0.95,88.5,95.25,90,45.5\r\n"
                          "1,1,90,-120.5,90,180\r\n" +
                              Rec("WTWR,USA,MI,TESTVILLE,L,N,42.5,85.25,1,0,2") +
                              "0,0.5,0,180,180,270\r\n");
    EXPECT_EQ(read(1030), Rec("WKEY,USA,MI,TESTVILLE,L,C,42.5,85.25,5,0,2") +
                              "1,0.8,0,90,90,0\r\n");
    // A tower measured from a first tower that is not at the reference point
    // is placed from the reference point.
    EXPECT_EQ(read(1070), "WOFF,USA,MI,TESTVILLE,L,D,42.5,85.25,5,0,2\r\n"
                          "0,1,90,0,90,90\r\n0,1,90,90,127.2792,45\r\n");
    // Twelve towers fit the program's table; 13, no ratio above 0 and a
    // ratio beyond single precision do not; WNOP has no engineering record.
    std::string twelve;
    for (int t = 1; t <= 12; ++t)
        twelve += "1,1,90," + std::to_string(t) + ",90,0\r\n";
    EXPECT_EQ(read(1040),
              "WTWE,USA,MI,TESTVILLE,A,U,42.5,85.25,5,0,12\r\n" + twelve);
    for (int khz : {1010, 1020, 1050, 1060})
        EXPECT_THAT(read(khz), ::testing::EndsWith(",5,0,0\r\n")) << khz;
    EXPECT_EQ(
        std::make_tuple(summary.directional, summary.directionalWithTowers,
                        summary.directionalWithoutTowers, summary.arraysRefused,
                        summary.directionalOverTwelve, summary.unreadableLines),
        std::make_tuple(9, 5, 4, 3, 1, 3));
    EXPECT_THAT(
        summary.problems,
        ElementsAre("gis_am_towers line 16: field ratio, phase, spacing, "
                    "orientation or height not a number the program can hold",
                    "gis_am_towers line 19: tower number not a whole number",
                    "gis_am_towers line 20: fewer fields than the header names",
                    "WBIG 1010 kHz U: written without towers: more than 12 "
                    "towers",
                    "WBLK 1050 kHz D: written without towers: no field ratio "
                    "above 0",
                    "WINF 1060 kHz D: written without towers: field ratio, "
                    "phase, spacing, orientation or height not a number the "
                    "program can hold"));
}

TEST(Import, EveryNumberReadsBackOrItsLineIsSkippedAndNoPositionNoRecord) {
    const std::string dir = TestDir();
    ImportOptions opts;
    opts.outDir = dir + "/out";
    opts.fccPath = Write(
        dir + "/fcc.txt",
        Lines({Fcc(kCall, "WBIG", kPower, "1e39"),
               Fcc(kCall, "WTNY", kPower, "1e-50"),
               Fcc(kCall, "WMAX", kPower, "3.4e38"),
               Fcc(kCall, "WSML", kPower, "1.5e-7"),
               Fcc(kCall, "WZRO", kLat, "N  0   0   0.0", kLon,
                   "W  0   0   0.0")}));
    opts.canadaPath = Write(
        dir + "/canada.csv",
        Lines({kCanadaHeader, "\"C\",\"TX_RES\",1.0,1e71,\"CBIG\",45,-75",
               "\"C\",\"TX_RES\",1.0,3e40,\"CMAX\",45,-75",
               "\"C\",\"TX_RES\",0.73,50000,\"CKNW\",0.0,0.0",
               "\"C\",\"TX_RES\",0.73,250,\"CKNW-AX2\",0.0,0.0",
               // a row with a position wins over a stronger one without
               "\"C\",\"TX_RES\",0.73,50000,\"CKXX\",0.0,0.0",
               "\"C\",\"TX_RES\",0.73,1000,\"CKXX\",49.1,-123"}));
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;

    EXPECT_EQ(Read(opts.outDir + "/1000.DAT"),
              Rec("WMAX,USA,MI,TESTVILLE,L,D,42.5,85.25,3.4E38,0,1") +
                  Rec("WSML,USA,MI,TESTVILLE,L,D,42.5,85.25,1.5E-7,0,1") +
                  Rec("CMAX,Canada,CAN,UNKNOWN,L,U,45,75,3E37,0,1"));
    EXPECT_EQ(Read(opts.outDir + "/730.DAT"),
              Rec("CKXX,Canada,CAN,UNKNOWN,L,U,49.1,123,1,0,1"));
    EXPECT_THAT(summary.withoutCoordinates,
                ElementsAre("WZRO", "CKNW", "CKNW-AX2"));
    EXPECT_THAT(FormatSummary(summary),
                HasSubstr("Left out without coordinates (0, 0): 3 (WZRO, CKNW, "
                          "CKNW-AX2)"));
    EXPECT_THAT(summary.problems,
                ElementsAre("fcc.txt line 1: power beyond the program's number "
                            "range; skipped",
                            "fcc.txt line 2: power beyond the program's number "
                            "range; skipped",
                            dir + "/canada.csv line 2: power beyond the "
                                  "program's number range"));

    // The program reads the whole file, each power as the value meant.
    ChannelFile file;
    ASSERT_TRUE(file.Open(opts.outDir, "1000.DAT"));
    StationRecord record;
    std::vector<float> powers;
    while (file.ReadStation(record) == ReadResult::Record)
        powers.push_back(record.Power);
    EXPECT_THAT(powers, ElementsAre(3.4e38f, 1.5e-7f, 3e37f));
}

TEST(Import, AFailedRunLeavesThePreviousFilesByteForByte) {
    const std::string dir = TestDir();
    ImportOptions opts;
    opts.outDir = dir + "/out";
    opts.fccPath = Write(dir + "/fcc.txt", Lines({kRealFccLine}));
    ImportSummary first;
    ASSERT_EQ(RunImport(opts, first), ImportResult::Done) << first.error;
    const auto snapshot = [&] {
        std::map<std::string, std::string> files;
        for (const auto &entry : fs::directory_iterator(opts.outDir))
            files[entry.path().filename().string()] =
                entry.is_directory() ? "folder" : Read(entry.path().string());
        return files;
    };
    std::map<std::string, std::string> before = snapshot();
    ASSERT_EQ(before.size(), 120u);

    // An error page in place of the list: refused, nothing written.
    Write(opts.fccPath, "<html><body>Service unavailable</body></html>\n");
    ImportSummary refused;
    EXPECT_EQ(RunImport(opts, refused), ImportResult::InputFailed);
    EXPECT_THAT(refused.error,
                HasSubstr("refused: not one line of it reads as a record"));
    EXPECT_EQ(snapshot(), before);

    // A file that cannot be put in place: none of the others is replaced.
    Write(opts.fccPath, Lines({Fcc(kKhz, "540")}));
    fs::remove(opts.outDir + "/SortedCallsWspaces.DAT");
    fs::create_directory(opts.outDir + "/SortedCallsWspaces.DAT");
    before = snapshot();
    ImportSummary failed;
    EXPECT_EQ(RunImport(opts, failed), ImportResult::OutputFailed);
    EXPECT_THAT(failed.error, HasSubstr("SortedCallsWspaces.DAT is a folder"));
    EXPECT_EQ(snapshot(), before);
}

TEST(Import, RefusedOrMissingInputsStopItBeforeAnythingIsWritten) {
    // An input file removed (no text) or rewritten, and what the error says.
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"fcc.txt", nullptr, "fcc.txt cannot be opened"},
        {"canada.csv", "\"TX_RES\",0.56,1000,\"CFOS\",44.5,-80.9,\"B\"\n",
         "canada.csv refused: its first line does not name the columns "
         "\"Frequency [MHz]\", \"Tx transmitter power [W]\", \"Call sign\""},
        {"canada.csv", "\"Frequency [MHz]\",\"Tx transmitter power [W]\","
                       "\"Call sign\",\"Latitude (WGS84)\",\"Longitude "
                       "(WGS84)\"\n0.56,abc,CFOS,44.5,-80.9\n",
         "canada.csv refused: not one row of it reads as a station"},
        {"lms/gis_am_ant_sys.dat", "ant_sys_id|application_id|"
                                   "hours_operation|am_dom_status|"
                                   "eng_record_type|^|\n",
         "refused: not one row of it reads as an antenna system"},
        {"lms/facility.dat", nullptr, "LMS table facility"}};
    for (const auto &[file, text, error] : rows) {
        const std::string dir = TestDir();
        ImportOptions opts = LmsInputs(dir);
        opts.canadaPath = Write(dir + "/canada.csv", kCanadaRows);
        if (text)
            Write(dir + "/" + file, text);
        else
            fs::remove(dir + "/" + file);
        ImportSummary summary;
        EXPECT_EQ(RunImport(opts, summary), ImportResult::InputFailed) << file;
        EXPECT_THAT(summary.error, HasSubstr(error));
        EXPECT_FALSE(fs::exists(opts.outDir)) << file;
    }
}

} // namespace
} // namespace tavik::import
