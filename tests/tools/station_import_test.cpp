// The importer end to end on small hand-made inputs: the exact lines of the
// channel files and call-sign lists it writes, and what it reports.

#include "tests/tools/import_test_inputs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace tavik::import {
namespace {

using namespace tavik::import::test_inputs;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(Import, WritesWhatTheProgramCanReadAndSkipsAndCountsTheRest) {
    const auto wxyz = [](auto... changes) {
        return Fcc(changes..., kCall, "WXYZ", kKhz, "1700", kHours, "CRI",
                   kState, "NC", kCity, "WINSTON,SALEM", kPower, "0.019", kLat,
                   "N  36  6   0.0", kLon, "W  80  15  0.0");
    };
    const ImportOptions opts = Inputs(
        Lines(
            {kRealFccLine,
             Fcc(kCall, "KRXA", kKhz, "540", kHours, "NIG", kStatus, "APP",
                 kCity, "CARMEL VALLEY", kState, "CA", kPower, "0.5",
                 kDirectional, "Directional", kLat, "N  36  39  35.9", kLon,
                 "W  121  32  32.8"),
             Fcc(kCall, "KGUM", kKhz, "567"),
             Fcc(kCall, "KICH", kKhz, "630", kHours, "UNL", kCity, "AGANA",
                 kState, "GU", kPower, "10.0", kLat, "N  13  26  53.0", kLon,
                 "E  144  45  22.0"),
             // cut one column before and at the end of the longitude
             wxyz().substr(0, 223), wxyz(kHours, "XYZ"), wxyz().substr(0, 224),
             "",
             wxyz(kCall, "DWCND", kHours, "DAY", kCity, "", kLat,
                  "N  35  20  60.0"),
             wxyz(kLat, "N  35  20  61.0"), "      " + wxyz(),
             Fcc(kCall, "WBIG", kPower, "1e39"),
             Fcc(kCall, "WTNY", kPower, "1e-50"),
             Fcc(kCall, "WMAX", kPower, "3.4e38"),
             Fcc(kCall, "WSML", kPower, "1.5e-7"),
             Fcc(kCall, "WZRO", kLat, "N  0   0   0.0", kLon, "W  0   0   0.0"),
             Fcc(kCall, "WBLA", kLat, "", kLon, "")}),
        Lines({kCanadaHeader, "\"C\",\"TX_RES\",1.0,1e71,\"CBIG\",45,-75",
               "\"C\",\"TX_RES\",1.0,3e40,\"CMAX\",45,-75",
               "\"C\",\"TX_RES\",0.73,50000,\"CKNW\",0.0,0.0",
               "\"C\",\"TX_RES\",0.73,250,\"CKNW-AX2\",,",
               // a row with a position wins over a stronger one without
               "\"C\",\"TX_RES\",0.73,50000,\"CKXX\",0.0,0.0",
               "\"C\",\"TX_RES\",0.73,1000,\"CKXX\",49.1,-123"}));
    const ImportSummary summary = Imported(opts);

    EXPECT_EQ(Output(opts, 540),
              Rec("WASG,USA,AL,DAPHNE,L,D,30.746,88.0942,2.5,0,1") +
                  "KRXA,USA,CA,CARMEL VALLEY,A,N,36.66,121.5424,0.5,0,0\r\n");
    // Guam's east longitude becomes a west one of more than 180 degrees.
    EXPECT_EQ(Output(opts, 630),
              Rec("KICH,USA,GU,AGANA,L,U,13.4481,215.2439,10,0,1"));
    EXPECT_EQ(Output(opts, 1700),
              Rec("WXYZ,USA,NC,WINSTON SALEM,L,C,36.1,80.25,0.019,0,1") +
                  Rec("DWCND,USA,NC,UNKNOWN,L,D,35.35,80.25,0.019,0,1"));
    // Powers as the program reads them back: 3.4E38 is the largest it holds;
    // without a places file a Canadian record has no province and city.
    EXPECT_EQ(Output(opts, 1000),
              Rec("WMAX,USA,MI,TESTVILLE,L,D,42.5,85.25,3.4E38,0,1") +
                  Rec("WSML,USA,MI,TESTVILLE,L,D,42.5,85.25,1.5E-7,0,1") +
                  Rec("CMAX,Canada,CAN,UNKNOWN,L,U,45,75,3E37,0,1"));
    EXPECT_EQ(Output(opts, 730),
              Rec("CKXX,Canada,CAN,UNKNOWN,L,U,49.1,123,1,0,1"));
    EXPECT_EQ(std::make_tuple(
                  summary.channelFiles, summary.fccLines, summary.fccRecords,
                  summary.writtenUsa, summary.directional,
                  summary.directionalWithoutTowers, summary.unreadableLines),
              std::make_tuple(118, 16, 10, 7, 1, 1, 7));
    const std::string range = "power beyond the program's number range";
    EXPECT_THAT(
        summary.problems,
        ElementsAre(
            "fcc.txt line 5: line too short; skipped",
            "fcc.txt line 6: hours not UNL, DAY, NIG or CRI; skipped",
            "fcc.txt line 10: latitude not hemisphere, degrees, minutes, "
            "seconds; skipped",
            "fcc.txt line 11: columns out of place; skipped",
            "fcc.txt line 12: " + range + "; skipped",
            "fcc.txt line 13: " + range + "; skipped",
            opts.canadaPath + " line 2: " + range));
    EXPECT_THAT(FormatSummary(summary),
                AllOf(HasSubstr("off the 10-kHz raster: 1 (1 on 567 kHz)\n"),
                      HasSubstr("without coordinates (0, 0): 4 (WZRO, WBLA, "
                                "CKNW, CKNW-AX2)\n")));
}

TEST(FccImport, CallListsTakeOneRecordPerCallLicensedDayFirst) {
    const ImportOptions opts = Inputs(
        Lines({Fcc(kCall, "WAAA", kHours, "NIG", kCity, "NIGHT TOWN"),
               Fcc(kCall, "WAAA", kHours, "UNL", kStatus, "APP", kCity,
                   "PERMIT TOWN"),
               Fcc(kCall, "WAAA", kKhz, "1010", kCity, "DAY TOWN", kLat,
                   "N  42  0   0.0", kLon, "W  85  0   0.0"),
               Fcc(kCall, "WA", kKhz, "1600", kCity, "SHORT"),
               Fcc(kCall, "KICH", kKhz, "630", kCity, "AGANA", kState, "GU",
                   kLat, "N  13  26  53.0", kLon, "E  144  45  22.0"),
               Fcc(kCall, "DKPSF")}));
    const ImportSummary summary = Imported(opts);
    // Call 1-8, channel 9-14, "CITY, ST" 15-44, latitude 45-54, longitude 55-64
    EXPECT_EQ(Read(opts.outDir + "/SortedCallsWspaces.DAT"),
              "WA      1600  SHORT, MI                     "
              "      42.5     85.25\r\n"
              "WAAA    1010  DAY TOWN, MI                  "
              "        42        85\r\n");
    EXPECT_EQ(Read(opts.outDir + "/SortedCallsKspaces.DAT"),
              "KICH    630   AGANA, GU                     "
              "   13.4481  215.2439\r\n");
    EXPECT_EQ(
        std::make_tuple(summary.callsK, summary.callsW, summary.callsWLeftOut),
        std::make_tuple(1, 2, 0));
}

TEST(CanadaImport, OneRecordPerCallAndFrequencyPlacedAtTheNearestCity) {
    const ImportOptions opts =
        Inputs("", kCanadaRows,
               Lines({"country,admin,name,lat,lon",
                      "CA,ON,Owen Sound,44.56717,-80.94349",
                      "CA,NL,Corner Brook,48.95001,-57.95202",
                      "CA,ON,Mississauga,43.5789,-79.6583",
                      "CA,ON,Toronto,43.70011,-79.4163",
                      "CA,QC,\"Montr\xc3\xa9"
                      "al\",45.50884,-73.58781",
                      // nearer to CFOS than Owen Sound, but not Canadian
                      "US,NY,Border Town,44.545,-80.9"}));
    const ImportSummary summary = Imported(opts);

    EXPECT_EQ(Output(opts, 560),
              Rec("CFOS,Canada,ON,OWEN SOUND,L,U,44.5444,80.9019,7.5,0,1"));
    EXPECT_EQ(
        Output(opts, 570),
        Rec("CFCB-AX1,Canada,NL,CORNER BROOK,L,U,48.9369,57.9911,10,0,1") +
            Rec("CFCB,Canada,NL,CORNER BROOK,L,U,48.9369,57.9911,1,0,1"));
    // The strongest row's site, the other one's is 40 km east.
    EXPECT_EQ(Output(opts, 1540),
              Rec("CHIN,Canada,ON,MISSISSAUGA,L,U,43.5906,79.8892,50,0,1"));
    EXPECT_EQ(Output(opts, 690),
              Rec("CBF,Canada,QC,MONTREAL,L,U,45.5,73.6,1,0,1"));
    EXPECT_EQ(std::make_tuple(summary.canadaRows, summary.canadaStations,
                              summary.writtenCanada),
              std::make_tuple(10, 7, 5));
    EXPECT_EQ(summary.offRaster, (std::map<int, int>{{563, 1}}));
    EXPECT_EQ(summary.outOfBand, (std::map<int, int>{{1710, 1}}));
    EXPECT_THAT(summary.problems,
                ElementsAre(opts.canadaPath +
                            " line 8: frequency not a number of MHz"));
}

TEST(Import, AFailedRunLeavesThePreviousFilesByteForByte) {
    ImportOptions opts = Inputs(Lines({kRealFccLine}));
    ASSERT_EQ(Imported(opts).channelFiles, 118);
    // A file that cannot be put in place: none of the others is replaced.
    Write(opts.fccPath, Lines({Fcc(kKhz, "540")}));
    fs::remove(opts.outDir + "/SortedCallsWspaces.DAT");
    fs::create_directory(opts.outDir + "/SortedCallsWspaces.DAT");
    const auto snapshot = [&] {
        std::map<std::string, std::string> files;
        for (const auto &entry : fs::directory_iterator(opts.outDir))
            files[entry.path().filename().string()] =
                entry.is_directory() ? "folder" : Read(entry.path().string());
        return files;
    };
    const std::map<std::string, std::string> before = snapshot();
    ASSERT_EQ(before.size(), 120u);
    ImportSummary failed;
    EXPECT_EQ(RunImport(opts, failed), ImportResult::OutputFailed);
    EXPECT_THAT(failed.error, HasSubstr("SortedCallsWspaces.DAT is a folder"));
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace tavik::import
