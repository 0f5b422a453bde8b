// The importer with the FCC's LMS tables: tower arrays joined to the FCC
// list's directional records, arrays the program could not draw, and the
// inputs it refuses before writing anything.

#include "tests/tools/import_test_inputs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace tavik::import {
namespace {

using namespace tavik::import::test_inputs;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// LMS tables in the folder "lms" beside the inputs, in the form of the FCC's
// dump (rows ending in "|^|"), for directional FCC records on 1000 ... 1070
// kHz.
ImportOptions LmsInputs() {
    const auto da = [](const char *call, const char *khz, auto... more) {
        return Fcc(more..., kCall, call, kDirectional, "Directional", kKhz,
                   khz);
    };
    ImportOptions opts = Inputs(Lines(
        {da("WTWR", "1000", kFacility, "111"),
         da("WTWR", "1000", kHours, "NIG", kPower, "1.0"),
         da("WBIG", "1010", kHours, "UNL", kFacility, "222"),
         da("WNOP", "1020", kFacility, "333"),
         // Found by its mode key alone: its facility has no application.
         da("WKEY", "1030", kHours, "CRI", kFacility, "444", kModeKey,
            "a19231e367e14be68b97c1b6063ebeb7"),
         // a permit: the permit's array, not the licence's
         da("WTWE", "1040", kHours, "UNL", kFacility, "222", kStatus, "APP"),
         da("WBLK", "1050", kModeKey, "40"), da("WINF", "1060", kModeKey, "50"),
         da("WOFF", "1070", kModeKey, "60")}));
    const std::string lms = fs::path(opts.fccPath).parent_path() / "lms";
    fs::create_directories(lms);
    opts.lmsDir = lms;
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
         "0|12|2|2|10|10|10||^|", "0|13|1|3|0|0|0||^|", "0|13|2|3|10|10|10||^|",
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
    const ImportOptions opts = LmsInputs();
    const ImportSummary summary = Imported(opts);

    // The current system of the licence, its electrical heights in the third
    // field, whatever order the rows come in.
    EXPECT_EQ(Output(opts, 1000),
              "WTWR,USA,MI,TESTVILLE,L,D,42.5,85.25,5,0,3\r\n"
              "0,1,90,0,0,0\r\n0,0.95,88.5,95.25,90,45.5\r\n"
              "1,1,90,-120.5,90,180\r\n" +
                  Rec("WTWR,USA,MI,TESTVILLE,L,N,42.5,85.25,1,0,2") +
                  "0,0.5,0,180,180,270\r\n");
    EXPECT_EQ(Output(opts, 1030),
              Rec("WKEY,USA,MI,TESTVILLE,L,C,42.5,85.25,5,0,2") +
                  "1,0.8,0,90,90,0\r\n");
    // A tower measured from a first tower that is not at the reference point
    // is placed from the reference point.
    EXPECT_EQ(Output(opts, 1070),
              "WOFF,USA,MI,TESTVILLE,L,D,42.5,85.25,5,0,2\r\n"
              "0,1,90,0,90,90\r\n0,1,90,90,127.2792,45\r\n");
    // Twelve towers fit the program's table; 13, no ratio above 0 and a
    // ratio beyond single precision do not; WNOP has no engineering record.
    std::string twelve;
    for (int t = 1; t <= 12; ++t)
        twelve += "1,1,90," + std::to_string(t) + ",90,0\r\n";
    EXPECT_EQ(Output(opts, 1040),
              "WTWE,USA,MI,TESTVILLE,A,U,42.5,85.25,5,0,12\r\n" + twelve);
    for (int khz : {1010, 1020, 1050, 1060})
        EXPECT_THAT(Output(opts, khz), ::testing::EndsWith(",5,0,0\r\n"))
            << khz;
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

TEST(Import, RefusedOrMissingInputsStopItBeforeAnythingIsWritten) {
    // An input file removed (no text) or rewritten, and what the error says.
    const std::tuple<const char *, std::string, const char *> rows[] = {
        {"fcc.txt", "", "fcc.txt cannot be opened"},
        // an error page in place of the list
        {"fcc.txt", "<html><body>Service unavailable</body></html>\n",
         "fcc.txt refused: not one line of it reads as a record"},
        {"canada.csv", "\"TX_RES\",0.56,1000,\"CFOS\",44.5,-80.9,\"B\"\n",
         "canada.csv refused: its first line does not name the columns "
         "\"Frequency [MHz]\", \"Tx transmitter power [W]\", \"Call sign\""},
        {"canada.csv", Lines({kCanadaHeader, "X,TX_RES,0.56,abc,CFOS,44,-80"}),
         "canada.csv refused: not one row of it reads as a station"},
        {"lms/gis_am_ant_sys.dat",
         "ant_sys_id|application_id|hours_operation|am_dom_status|^|\n",
         "refused: not one row of it reads as an antenna system"},
        {"lms/facility.dat", "", "LMS table facility"}};
    for (const auto &[file, text, error] : rows) {
        ImportOptions opts = LmsInputs();
        const fs::path dir = fs::path(opts.fccPath).parent_path();
        opts.canadaPath = Write((dir / "canada.csv").string(), kCanadaRows);
        if (!text.empty())
            Write((dir / file).string(), text);
        else
            fs::remove(dir / file);
        ImportSummary summary;
        EXPECT_EQ(RunImport(opts, summary), ImportResult::InputFailed) << file;
        EXPECT_THAT(summary.error, HasSubstr(error));
        EXPECT_FALSE(fs::exists(opts.outDir)) << file;
    }
}

} // namespace
} // namespace tavik::import
