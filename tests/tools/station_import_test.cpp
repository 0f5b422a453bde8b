// The importer end to end on small hand-made inputs (the exact lines of the
// channel files and lists it writes), its text helpers, and the bundled data.

#include "tools/import/fcc_list.h"
#include "tools/import/import_text.h"
#include "tools/import/station_import.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tavik::import {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A fresh, empty folder for one test.
std::string TestDir() {
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    fs::path dir = fs::path(::testing::TempDir()) / "tavik_import" /
                   (std::string(info->test_suite_name()) + "." + info->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string WriteText(const std::string &dir, const std::string &name,
                      const std::string &text) {
    const std::string path = (fs::path(dir) / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string ReadText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// One line of the FCC list in its fixed columns, built from the fields.
struct FccFields {
    std::string call = "WTST";
    std::string khz = "1000";
    std::string hours = "DAY";
    std::string status = "LIC";
    std::string city = "TESTVILLE";
    std::string state = "MI";
    std::string power = "5.0";
    bool directional = false;
    std::string facility = "111";
    std::string latitude = "N  42  30  0.0";
    std::string longitude = "W  85  15  0.0";
    std::string modeKey = "0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f";

    FccFields &Call(std::string v) { return Set(call, v); }
    FccFields &Khz(std::string v) { return Set(khz, v); }
    FccFields &Hours(std::string v) { return Set(hours, v); }
    FccFields &Status(std::string v) { return Set(status, v); }
    FccFields &City(std::string v) { return Set(city, v); }
    FccFields &State(std::string v) { return Set(state, v); }
    FccFields &Power(std::string v) { return Set(power, v); }
    FccFields &Directional() {
        directional = true;
        return *this;
    }
    FccFields &Facility(std::string v) { return Set(facility, v); }
    FccFields &At(std::string lat, std::string lon) {
        latitude = std::move(lat);
        return Set(longitude, lon);
    }
    FccFields &ModeKey(std::string v) { return Set(modeKey, v); }

  private:
    FccFields &Set(std::string &field, std::string &value) {
        field = std::move(value);
        return *this;
    }
};

std::string FccLine(const FccFields &f) {
    std::string line(420, ' ');
    auto put = [&line](std::size_t column, const std::string &text) {
        line.replace(column, text.size(), text);
    };
    put(1, f.call);
    put(14, f.khz);
    put(20, "kHz");
    put(25, "AM");
    put(34, f.hours);
    put(68, f.status);
    put(76, f.city);
    put(102, f.state);
    put(106, "US");
    put(110, "BL-20000101AA");
    put(134, f.power);
    put(141, "kW");
    if (f.directional)
        put(145, "Directional");
    put(175, f.facility);
    put(187, f.latitude);
    put(205, f.longitude);
    put(224, "TEST LICENSEE, INC.");
    put(337, "1234567");
    put(348, "7bbf849224d04ab39ef7c1b6063ebeb7");
    put(384, f.modeKey);
    return line;
}

// Line 1 of the real list, verbatim, as an anchor for the column layout.
const std::string kRealFccLine =
    " WASG         540   kHz  AM       DAY  Daytime              D   -   LIC "
    "    DAPHNE                    AL  US  BML-20161101ABQ         2.5    kW "
    "             A        -        51141       N  30  44  45.7   W  88   5 "
    "  39.0   ALABAMA RADIO CORPORATION                                      "
    "                 0.00 km     0.00 mi    0.00 deg  1743823    7bbf849224"
    "d04ab39ef7c1b6063ebeb7    a19231e367e14be68b97c1b6063ebeb7    ";

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string &line : lines)
        text += line + "\n";
    return text;
}

// ---------------------------------------------------------------------------
// Text helpers

struct NumberRow {
    const char *name;
    double value;
    int decimals; // -1: shortest text
    const char *text;
};

class NumberTextTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(NumberTextTest, WritesCompactText) {
    const NumberRow &row = GetParam();
    EXPECT_EQ(row.decimals < 0 ? ShortestNumber(row.value)
                               : CompactNumber(row.value, row.decimals),
              row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberTextTest,
    ::testing::Values(NumberRow{"FourDecimalsRounded", 32.77972, 4, "32.7797"},
                      NumberRow{"TrailingZerosDropped", 96.8, 4, "96.8"},
                      NumberRow{"WholeHasNoPoint", 30.0, 4, "30"},
                      NumberRow{"NegativeZeroIsZero", -0.00001, 4, "0"},
                      NumberRow{"PowerFraction", 2.5, -1, "2.5"},
                      NumberRow{"PowerSmall", 0.019, -1, "0.019"},
                      NumberRow{"PowerWhole", 10.0, -1, "10"},
                      NumberRow{"WattsToKilowatts", 32.0 / 1000.0, -1,
                                "0.032"}),
    [](const auto &info) { return std::string(info.param.name); });

struct FieldRow {
    const char *name;
    const char *in;
    const char *out;
};

class ChannelFileTextTest : public ::testing::TestWithParam<FieldRow> {};

TEST_P(ChannelFileTextTest, NeverEmptyNeverAComma) {
    EXPECT_EQ(ChannelFileText(GetParam().in, "UNKNOWN"), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChannelFileTextTest,
    ::testing::Values(FieldRow{"Plain", "ST. MARYS", "ST. MARYS"},
                      FieldRow{"CommaBecomesBlank", "WINSTON,SALEM",
                               "WINSTON SALEM"},
                      FieldRow{"BlanksCollapsed", "  A ,, B  ", "A B"},
                      FieldRow{"ControlCharacters", "A\tB\r\n", "A B"},
                      FieldRow{"EmptyGetsPlaceholder", "", "UNKNOWN"},
                      FieldRow{"OnlyCommas", ", ,", "UNKNOWN"}),
    [](const auto &info) { return std::string(info.param.name); });

class PlainCapitalsTest : public ::testing::TestWithParam<FieldRow> {};

TEST_P(PlainCapitalsTest, FoldsAccents) {
    EXPECT_EQ(PlainCapitals(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlainCapitalsTest,
    ::testing::Values(
        FieldRow{"Utf8Acute",
                 "Montr\xc3\xa9"
                 "al",
                 "MONTREAL"},
        FieldRow{"Utf8Grave", "Trois-Rivi\xc3\xa8res", "TROIS-RIVIERES"},
        FieldRow{"Utf8CapitalCircumflex", "Sept-\xc3\x8eles", "SEPT-ILES"},
        FieldRow{"Latin1Byte",
                 "Qu\xe9"
                 "bec",
                 "QUEBEC"},
        FieldRow{"CurlyApostrophe",
                 "L\xe2\x80\x99"
                 "Assomption",
                 "L'ASSOMPTION"},
        FieldRow{"UnknownSignDropped",
                 "A\xe2\x82\xac"
                 "B",
                 "AB"}),
    [](const auto &info) { return std::string(info.param.name); });

struct DmsRow {
    const char *name;
    const char *text;
    bool ok;
    double degrees;
};

class DmsTest : public ::testing::TestWithParam<DmsRow> {};

TEST_P(DmsTest, ReadsHemisphereDegreesMinutesSeconds) {
    const DmsRow &row = GetParam();
    double degrees = -999;
    ASSERT_EQ(ParseDms(row.text, 'W', 'E', 180.0, degrees), row.ok);
    if (row.ok) {
        EXPECT_NEAR(degrees, row.degrees, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DmsTest,
    ::testing::Values(
        DmsRow{"West", "W  88   5   39.0", true, 88 + 5 / 60.0 + 39 / 3600.0},
        DmsRow{"EastNegative", "E  144  45  22.0", true,
               -(144 + 45 / 60.0 + 22 / 3600.0)},
        DmsRow{"SixtySecondsIsNextMinute", "W  86  11  60.0", true,
               86 + 12 / 60.0},
        DmsRow{"MoreThanSixtySeconds", "W  86  11  60.5", false, 0},
        DmsRow{"BeyondRange", "W  180  0  1", false, 0},
        DmsRow{"WrongHemisphere", "N  30  44  45.7", false, 0},
        DmsRow{"MissingSeconds", "W  88  5", false, 0},
        DmsRow{"ExtraPart", "W  88  5  39  1", false, 0},
        DmsRow{"NotANumber", "W  88  5x  39", false, 0},
        DmsRow{"Blank", "", false, 0}),
    [](const auto &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// FCC list

// A line is read only when it reaches past the longitude's columns (224
// characters); a shorter one could hold a cut-off longitude.
TEST(FccLine, CutLinesAreRefusedUpToTheEndOfTheLongitude) {
    FccRecord record;
    for (std::size_t length = 0; length < 224; ++length)
        EXPECT_NE(ParseFccLine(kRealFccLine.substr(0, length), record),
                  FccLineProblem::None)
            << "length " << length;
    for (std::size_t length : {224u, 381u, 420u}) {
        ASSERT_EQ(ParseFccLine(kRealFccLine.substr(0, length), record),
                  FccLineProblem::None)
            << "length " << length;
        EXPECT_NEAR(record.longitudeWest, 88 + 5 / 60.0 + 39 / 3600.0, 1e-9);
        EXPECT_EQ(record.modeKey,
                  length == 420 ? "a19231e367e14be68b97c1b6063ebeb7" : "");
    }
}

TEST(FccImport, WritesRecordsAndSkipsWhatCannotBeDrawn) {
    const std::string dir = TestDir();
    FccFields guam567 =
        FccFields().Call("KGUM").Khz("567").City("AGANA").State("GU").At(
            "N  13  23  28.0", "E  144  45  42.3");
    FccFields guam630 = guam567;
    guam630.call = "KICH";
    guam630.khz = "630";
    guam630.hours = "UNL";
    guam630.power = "10.0";
    guam630.latitude = "N  13  26  53.0";
    guam630.longitude = "E  144  45  22.0";
    FccFields application = FccFields()
                                .Call("KRXA")
                                .Khz("540")
                                .Hours("NIG")
                                .Status("APP")
                                .City("CARMEL VALLEY")
                                .State("CA")
                                .Power("0.5")
                                .Directional()
                                .At("N  36  39  35.9", "W  121  32  32.8");
    FccFields comma = FccFields()
                          .Call("WXYZ")
                          .Khz("1700")
                          .Hours("CRI")
                          .City("WINSTON,SALEM")
                          .State("NC")
                          .Power("0.019")
                          .At("N  36  6   0.0", "W  80  15  0.0");
    FccFields deleted = comma;
    deleted.call = "DWCND";
    deleted.hours = "DAY";
    deleted.city = "";
    deleted.latitude = "N  35  20  60.0";
    FccFields badHours = comma;
    badHours.hours = "XYZ";
    FccFields badLatitude = comma;
    badLatitude.latitude = "N  35  20  61.0";
    FccFields shifted = comma;

    const std::string path = WriteText(
        dir, "amRadioSta.txt",
        Lines({kRealFccLine, FccLine(application), FccLine(guam567),
               FccLine(guam630), "THIS IS NOT A RECORD", FccLine(badHours),
               // a line of 381 characters: its second key is missing
               FccLine(comma).substr(0, 381), "", FccLine(deleted),
               FccLine(badLatitude), "      " + FccLine(shifted)}));

    ImportOptions opts;
    opts.fccPath = path;
    opts.outDir = dir + "/out";
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;

    EXPECT_EQ(ReadText(opts.outDir + "/540.DAT"),
              "WASG,USA,AL,DAPHNE,L,D,30.746,88.0942,2.5,0,1\r\n"
              "0,1,0,0,0,0\r\n"
              "KRXA,USA,CA,CARMEL VALLEY,A,N,36.66,121.5424,0.5,0,0\r\n");
    // Guam's east longitude becomes a west one of more than 180 degrees.
    EXPECT_EQ(ReadText(opts.outDir + "/630.DAT"),
              "KICH,USA,GU,AGANA,L,U,13.4481,215.2439,10,0,1\r\n"
              "0,1,0,0,0,0\r\n");
    EXPECT_EQ(ReadText(opts.outDir + "/1700.DAT"),
              "WXYZ,USA,NC,WINSTON SALEM,L,C,36.1,80.25,0.019,0,1\r\n"
              "0,1,0,0,0,0\r\n"
              "DWCND,USA,NC,UNKNOWN,L,D,35.35,80.25,0.019,0,1\r\n"
              "0,1,0,0,0,0\r\n");
    EXPECT_EQ(ReadText(opts.outDir + "/530.DAT"), "");
    EXPECT_EQ(ReadText(opts.outDir + "/1610.DAT"), "");
    EXPECT_FALSE(fs::exists(opts.outDir + "/567.DAT"));
    EXPECT_EQ(summary.channelFiles, 118);

    EXPECT_EQ(summary.fccLines, 10);
    EXPECT_EQ(summary.fccRecords, 6);
    EXPECT_EQ(summary.writtenUsa, 5);
    EXPECT_EQ(summary.offRaster, (std::map<int, int>{{567, 1}}));
    EXPECT_TRUE(summary.outOfBand.empty());
    EXPECT_EQ(summary.directional, 1);
    EXPECT_EQ(summary.directionalWithoutTowers, 1);
    EXPECT_EQ(summary.unreadableLines, 4);
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
    FccFields night = FccFields().Call("WAAA").Hours("NIG").City("NIGHT TOWN");
    FccFields dayApplication =
        FccFields().Call("WAAA").Hours("UNL").Status("APP").City("PERMIT TOWN");
    FccFields day = FccFields()
                        .Call("WAAA")
                        .Khz("1010")
                        .City("DAY TOWN")
                        .At("N  42  0   0.0", "W  85  0   0.0");
    FccFields second = FccFields().Call("WA").Khz("1600").City("SHORT");
    FccFields kCall =
        FccFields().Call("KICH").Khz("630").City("AGANA").State("GU").At(
            "N  13  26  53.0", "E  144  45  22.0");
    FccFields deleted = FccFields().Call("DKPSF");
    const std::string path =
        WriteText(dir, "fcc.txt",
                  Lines({FccLine(night), FccLine(dayApplication), FccLine(day),
                         FccLine(second), FccLine(kCall), FccLine(deleted)}));
    ImportOptions opts;
    opts.fccPath = path;
    opts.outDir = dir;
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;

    // Columns 1-8 call, 9-14 channel, 15-44 city and state, 45-54
    // latitude, 55-64 longitude.
    EXPECT_EQ(ReadText(dir + "/SortedCallsWspaces.DAT"),
              "WA      "
              "1600  "
              "SHORT, MI                     "
              "      42.5"
              "     85.25\r\n"
              "WAAA    "
              "1010  "
              "DAY TOWN, MI                  "
              "        42"
              "        85\r\n");
    EXPECT_EQ(ReadText(dir + "/SortedCallsKspaces.DAT"),
              "KICH    "
              "630   "
              "AGANA, GU                     "
              "   13.4481"
              "  215.2439\r\n");
    EXPECT_EQ(summary.callsK, 1);
    EXPECT_EQ(summary.callsW, 2);
    EXPECT_EQ(summary.callsWLeftOut, 0);
}

TEST(FccImport, MissingListFailsAndWritesNothing) {
    const std::string dir = TestDir();
    ImportOptions opts;
    opts.fccPath = dir + "/absent.txt";
    opts.outDir = dir + "/out";
    ImportSummary summary;
    EXPECT_EQ(RunImport(opts, summary), ImportResult::InputFailed);
    EXPECT_THAT(summary.error, HasSubstr("absent.txt cannot be opened"));
    EXPECT_FALSE(fs::exists(opts.outDir));
}

// ---------------------------------------------------------------------------
// Canadian list

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

const std::string kPlaces = Lines({
    "country,admin,name,lat,lon",
    "CA,ON,Owen Sound,44.56717,-80.94349",
    "CA,NL,Corner Brook,48.95001,-57.95202",
    "CA,ON,Mississauga,43.5789,-79.6583",
    "CA,ON,Toronto,43.70011,-79.4163",
    "CA,QC,\"Montr\xc3\xa9"
    "al\",45.50884,-73.58781",
    // nearer to CFOS than Owen Sound, but not Canadian
    "US,NY,Border Town,44.545,-80.9",
});

TEST(CanadaImport, OneRecordPerCallAndFrequencyPlacedAtTheNearestCity) {
    const std::string dir = TestDir();
    ImportOptions opts;
    opts.canadaPath = WriteText(dir, "canadianStations.csv", kCanadaRows);
    opts.placesPath = WriteText(dir, "places.csv", kPlaces);
    opts.outDir = dir + "/out";
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;

    EXPECT_EQ(ReadText(opts.outDir + "/560.DAT"),
              "CFOS,Canada,ON,OWEN SOUND,L,U,44.5444,80.9019,7.5,0,1\r\n"
              "0,1,0,0,0,0\r\n");
    EXPECT_EQ(ReadText(opts.outDir + "/570.DAT"),
              "CFCB-AX1,Canada,NL,CORNER BROOK,L,U,48.9369,57.9911,10,0,1\r\n"
              "0,1,0,0,0,0\r\n"
              "CFCB,Canada,NL,CORNER BROOK,L,U,48.9369,57.9911,1,0,1\r\n"
              "0,1,0,0,0,0\r\n");
    // The strongest row's site, the other one's is 40 km east.
    EXPECT_EQ(ReadText(opts.outDir + "/1540.DAT"),
              "CHIN,Canada,ON,MISSISSAUGA,L,U,43.5906,79.8892,50,0,1\r\n"
              "0,1,0,0,0,0\r\n");
    EXPECT_EQ(ReadText(opts.outDir + "/690.DAT"),
              "CBF,Canada,QC,MONTREAL,L,U,45.5,73.6,1,0,1\r\n"
              "0,1,0,0,0,0\r\n");

    EXPECT_EQ(summary.canadaRows, 10);
    EXPECT_EQ(summary.canadaStations, 7);
    EXPECT_EQ(summary.writtenCanada, 5);
    EXPECT_EQ(summary.offRaster, (std::map<int, int>{{563, 1}}));
    EXPECT_EQ(summary.outOfBand, (std::map<int, int>{{1710, 1}}));
    ASSERT_EQ(summary.problems.size(), 1u);
    EXPECT_THAT(summary.problems[0],
                HasSubstr("line 8: frequency not a number of MHz"));
    // Canadian calls are in neither list.
    EXPECT_EQ(ReadText(opts.outDir + "/SortedCallsKspaces.DAT"), "");
}

TEST(CanadaImport, WithoutPlacesProvinceAndCityAreMarkedUnknown) {
    const std::string dir = TestDir();
    ImportOptions opts;
    opts.canadaPath = WriteText(dir, "canada.csv", kCanadaRows);
    opts.outDir = dir;
    ImportSummary summary;
    ASSERT_EQ(RunImport(opts, summary), ImportResult::Done) << summary.error;
    EXPECT_EQ(ReadText(dir + "/560.DAT"),
              "CFOS,Canada,CAN,UNKNOWN,L,U,44.5444,80.9019,7.5,0,1\r\n"
              "0,1,0,0,0,0\r\n");
}

TEST(CanadaImport, ListWithoutHeaderIsRefused) {
    const std::string dir = TestDir();
    ImportOptions opts;
    opts.canadaPath = WriteText(
        dir, "canada.csv",
        Lines(
            {"\"TX_RES\",0.56,1000,\"CFOS\",44.54444444,-80.90194444,\"B\""}));
    opts.outDir = dir + "/out";
    ImportSummary summary;
    EXPECT_EQ(RunImport(opts, summary), ImportResult::InputFailed);
    EXPECT_THAT(summary.error, HasSubstr("refused"));
    EXPECT_THAT(summary.error, HasSubstr("\"Call sign\""));
    EXPECT_FALSE(fs::exists(opts.outDir));
}

// ---------------------------------------------------------------------------
// LMS tower tables

struct LmsFixture {
    std::string dir = TestDir();
    std::string lms = dir + "/lms";
    ImportOptions opts;

    LmsFixture() {
        fs::create_directories(lms);
        FccFields day = FccFields().Call("WTWR").Directional();
        FccFields night = day;
        night.hours = "NIG";
        night.power = "1.0";
        FccFields big = FccFields()
                            .Call("WBIG")
                            .Khz("1010")
                            .Hours("UNL")
                            .Directional()
                            .Facility("222");
        FccFields none =
            FccFields().Call("WNOP").Khz("1020").Directional().Facility("333");
        // Found by its mode key alone: its facility has no application.
        FccFields keyed = FccFields()
                              .Call("WKEY")
                              .Khz("1030")
                              .Hours("CRI")
                              .Directional()
                              .Facility("444")
                              .ModeKey("a19231e367e14be68b97c1b6063ebeb7");
        opts.fccPath =
            WriteText(dir, "fcc.txt",
                      Lines({FccLine(day), FccLine(night), FccLine(big),
                             FccLine(none), FccLine(keyed)}));
        opts.lmsDir = lms;
        opts.outDir = dir + "/out";

        WriteText(lms, "facility",
                  Lines({"facility_id|callsign|comm_city|comm_state|fac_freq|"
                         "service_code|fac_status|^",
                         "111|WTWR|TESTVILLE|MI|1000|AM|LICEN|^",
                         "222|WBIG|TESTVILLE|MI|1010|AM|LICEN|^",
                         "333|WNOP|TESTVILLE|MI|1020|AM|LICEN|^"}));
        WriteText(
            lms, "GIS_APPLICATION.txt",
            Lines({"application_id|app_arn|facility_id|^", "APP-1|BL-1|111|^",
                   "APP-2|BP-2|111|^", "APP-3|BL-3|222|^"}));
        WriteText(lms, "gis_am_ant_sys.dat",
                  Lines({"ant_sys_id|hours_operation|application_id|"
                         "am_dom_status|eng_record_type|power|tower_count|^",
                         "10|D|APP-1|L|C|5|3|^", "11|N|APP-1|L|C|1|2|^",
                         // a permit and an old record for the same hours
                         "12|D|APP-2|C|C|5|2|^", "13|D|APP-1|L|P|5|2|^",
                         "20|U|APP-3|L|C|10|13|^",
                         "A19231E3-67E1-4BE6-8B97-C1B6063EBEB7|C|APP-9|L|C|1|"
                         "2|^"}));
        std::vector<std::string> towers = {
            "tower_ref_switch|ant_sys_id|tower_num|field_ratio|phasing_deg|"
            "spacing_deg|orientation_deg|^",
            // out of order; tower 3 is measured from tower 2
            "1|10|3|1.0|-120.5|90|180|^",
            "|10|1|1.0|0|0|0|^",
            "0|10|2|0.95|95.25|90|45.5|^",
            "0|11|1|1|0|0|0|^",
            "0|11|2|0.5|180|180|270|^",
            "0|12|1|2|0|0|0|^",
            "0|12|2|2|10|10|10|^",
            "0|13|1|3|0|0|0|^",
            "0|13|2|3|10|10|10|^",
            "0|A19231E3-67E1-4BE6-8B97-C1B6063EBEB7|1|1|0|0|0|^",
            "1|A19231E3-67E1-4BE6-8B97-C1B6063EBEB7|2|0.8|90|90|0|^",
            "0|10|x|1|0|0|0|^",
            "0|10",
        };
        for (int t = 1; t <= 13; ++t)
            towers.push_back("0|20|" + std::to_string(t) + "|1|0|90|0|^");
        std::string text;
        for (const std::string &line : towers)
            text += line + "\r\n";
        WriteText(lms, "gis_am_towers.dat", text);
    }
};

TEST(LmsImport, DirectionalRecordsGetTheirTowers) {
    LmsFixture f;
    ImportSummary summary;
    ASSERT_EQ(RunImport(f.opts, summary), ImportResult::Done) << summary.error;

    EXPECT_EQ(ReadText(f.opts.outDir + "/1000.DAT"),
              "WTWR,USA,MI,TESTVILLE,L,D,42.5,85.25,5,0,3\r\n"
              "0,1,0,0,0,0\r\n"
              "0,0.95,0,95.25,90,45.5\r\n"
              "1,1,0,-120.5,90,180\r\n"
              "WTWR,USA,MI,TESTVILLE,L,N,42.5,85.25,1,0,2\r\n"
              "0,1,0,0,0,0\r\n"
              "0,0.5,0,180,180,270\r\n");
    // 13 towers do not fit the program's table: written without towers.
    EXPECT_EQ(ReadText(f.opts.outDir + "/1010.DAT"),
              "WBIG,USA,MI,TESTVILLE,L,U,42.5,85.25,5,0,0\r\n");
    EXPECT_EQ(ReadText(f.opts.outDir + "/1020.DAT"),
              "WNOP,USA,MI,TESTVILLE,L,D,42.5,85.25,5,0,0\r\n");
    EXPECT_EQ(ReadText(f.opts.outDir + "/1030.DAT"),
              "WKEY,USA,MI,TESTVILLE,L,C,42.5,85.25,5,0,2\r\n"
              "0,1,0,0,0,0\r\n"
              "1,0.8,0,90,90,0\r\n");

    EXPECT_EQ(summary.directional, 5);
    EXPECT_EQ(summary.directionalWithTowers, 3);
    EXPECT_EQ(summary.directionalWithoutTowers, 2);
    EXPECT_EQ(summary.directionalOverTwelve, 1);
    EXPECT_EQ(summary.unreadableLines, 2);
    EXPECT_THAT(summary.problems,
                ElementsAre("gis_am_towers line 13: tower number not a whole "
                            "number",
                            "gis_am_towers line 14: fewer fields than the "
                            "header names"));
}

TEST(LmsImport, TableWithoutHeaderIsRefusedAndNothingWritten) {
    LmsFixture f;
    WriteText(f.lms, "gis_am_towers.dat",
              Lines({"0|10|1|1.0|0|0|0|^", "0|10|2|0.95|95.25|90|45.5|^"}));
    ImportSummary summary;
    EXPECT_EQ(RunImport(f.opts, summary), ImportResult::InputFailed);
    EXPECT_THAT(summary.error, HasSubstr("gis_am_towers.dat refused"));
    EXPECT_THAT(summary.error, HasSubstr("tower_num"));
    EXPECT_FALSE(fs::exists(f.opts.outDir));
}

TEST(LmsImport, MissingTableIsNamed) {
    LmsFixture f;
    fs::remove(f.lms + "/GIS_APPLICATION.txt");
    ImportSummary summary;
    EXPECT_EQ(RunImport(f.opts, summary), ImportResult::InputFailed);
    EXPECT_THAT(summary.error, HasSubstr("gis_application"));
    EXPECT_FALSE(fs::exists(f.opts.outDir));
}

} // namespace
} // namespace tavik::import
