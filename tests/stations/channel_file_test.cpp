#include "stations/channel_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace tavik {
namespace {

namespace fs = std::filesystem;

std::string Lines(const std::vector<std::string> &lines,
                  const std::string &end = "\r\n") {
    std::string text;
    for (const auto &line : lines)
        text += line + end;
    return text;
}

const std::string kKaaa = "KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1";
const std::string kOmni = "0,1,90,0,0,0";
const std::string kNext = "KBBB,USA,TX,X,L,U,1,2,3,0,0";

std::string RandomBytes(std::size_t size) {
    std::mt19937 random(1340);
    std::string bytes(size, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A fresh folder per test.
class ChannelFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto *info =
            ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("tavik-stations-") +
                           info->test_suite_name() + "-" + info->name();
        for (char &c : name)
            if (c == '/')
                c = '_';
        dir_ = fs::temp_directory_path() / name;
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string &name, const std::string &bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    // Every record read, then how the read ended; a runaway reader is cut
    // off instead of hanging the test.
    std::vector<StationRecord> ReadAll(const std::string &bytes,
                                       ReadResult &last) {
        Write("1340.DAT", bytes);
        std::vector<StationRecord> records;
        ChannelFile file;
        EXPECT_TRUE(file.Open(dir_.string(), "1340.DAT"));
        StationRecord record;
        for (int guard = 0; guard < 100000; ++guard) {
            if ((last = file.ReadStation(record)) != ReadResult::Record)
                break;
            records.push_back(record);
        }
        return records;
    }

    // "KAAA 0 1, KBBB 0 0; End": call, Field10 and Towers of each record.
    std::string Summary(const std::string &bytes) {
        ReadResult last = ReadResult::Record;
        std::string text;
        for (const StationRecord &r : ReadAll(bytes, last))
            text += (text.empty() ? "" : ", ") + r.Call + " " +
                    std::to_string(r.Field10) + " " + std::to_string(r.Towers);
        return text + (last == ReadResult::End       ? "; End"
                       : last == ReadResult::Failure ? "; Failure"
                                                     : "; Runaway");
    }

    fs::path dir_;
};

TEST(ChannelFileName, ShortestTextOfTheChannelAndExtension) {
    EXPECT_EQ(ChannelFileName(1340.0f), "1340.DAT");
    EXPECT_EQ(ChannelFileName(1700.0f, true), "1700.dat");
    EXPECT_EQ(ChannelFileName(1610.5f), "1610.5.DAT");
}

TEST_F(ChannelFileTest, KaaaExampleGivesOneNonDirectionalRecord) {
    ReadResult last;
    const auto records = ReadAll(Lines({kKaaa, kOmni}), last);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(last, ReadResult::End);
    const StationRecord &r = records[0];
    EXPECT_EQ(r.Call + "|" + r.Country + "|" + r.State + "|" + r.City + "|" +
                  r.Status + "|" + r.Hours,
              "KAAA|USA|TX|DALLAS|L|U");
    EXPECT_FLOAT_EQ(r.Latitude, 32.78f);
    EXPECT_FLOAT_EQ(r.Longitude, 96.8f);
    EXPECT_FLOAT_EQ(r.Power, 50.0f);
    EXPECT_EQ(r.Field10, 0);
    EXPECT_EQ(r.Towers, 1);
    const Tower &t = r.Tower[1];
    EXPECT_EQ(t.TowerRef, "0");
    EXPECT_FLOAT_EQ(t.FieldRatio, 1.0f);
    EXPECT_FLOAT_EQ(t.Field3, 90.0f);
    EXPECT_EQ(t.Phase + t.Spacing + t.Orientation, 0.0f);
}

TEST_F(ChannelFileTest, CrOnlyAndCrLfGiveTheSameRecords) {
    const std::vector<std::string> lines = {
        kKaaa, kOmni, "CJAB,Canada,ON,TORONTO,CP,N,43.65,79.38,10,-7,2",
        "0,1,0,0,0,0", "1,0.5,90,-90,90,45.5",
        // Short lines repeat the last field taken: Towers is 2.5 -> 2, and
        // the second tower line repeats 0.25 into its last four fields.
        "XEA,Mexico,NL,MONTERREY,L,D,25.67,100.31,2.5", kOmni, "1,0.25"};
    ReadResult lastCrLf, lastCr;
    const auto crlf = ReadAll(Lines(lines, "\r\n"), lastCrLf);
    const auto cr = ReadAll(Lines(lines, "\r"), lastCr);
    EXPECT_EQ(lastCrLf, ReadResult::End);
    EXPECT_EQ(lastCr, ReadResult::End);
    ASSERT_EQ(crlf.size(), 3u);
    ASSERT_EQ(cr.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(cr[i].Call, crlf[i].Call);
        EXPECT_EQ(cr[i].Hours, crlf[i].Hours);
        EXPECT_EQ(cr[i].Latitude, crlf[i].Latitude);
        EXPECT_EQ(cr[i].Field10, crlf[i].Field10);
        ASSERT_EQ(cr[i].Towers, crlf[i].Towers);
        for (int t = 1; t <= cr[i].Towers; ++t) {
            EXPECT_EQ(cr[i].Tower[t].TowerRef, crlf[i].Tower[t].TowerRef);
            EXPECT_EQ(cr[i].Tower[t].Phase, crlf[i].Tower[t].Phase);
            EXPECT_EQ(cr[i].Tower[t].Orientation, crlf[i].Tower[t].Orientation);
        }
    }
    EXPECT_EQ(crlf[1].Field10, -7);
    EXPECT_FLOAT_EQ(crlf[1].Tower[2].Phase, -90.0f);
    EXPECT_FLOAT_EQ(crlf[1].Tower[2].Orientation, 45.5f);
    EXPECT_FLOAT_EQ(crlf[2].Power, 2.5f);
    EXPECT_EQ(crlf[2].Field10, 2);
    EXPECT_EQ(crlf[2].Towers, 2);
    EXPECT_FLOAT_EQ(crlf[2].Tower[2].Orientation, 0.25f);
}

TEST_F(ChannelFileTest, NumbersAreReadFromTheHeadOfTheField) {
    ReadResult last;
    const auto r = ReadAll(
        Lines({",,KAAA,,USA,TX,, SAN ANTONIO ,L,U, 3 2.5 N,-9.68E1,5D1,abc,0",
               "KBBB,USA,TX,X,L,U,12abc,\t7,-,1E2,0"}),
        last);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].City, " SAN ANTONIO ");
    EXPECT_FLOAT_EQ(r[0].Latitude, 32.5f);
    EXPECT_FLOAT_EQ(r[0].Longitude, -96.8f);
    EXPECT_FLOAT_EQ(r[0].Power, 50.0f);
    EXPECT_EQ(r[0].Field10, 0);
    EXPECT_FLOAT_EQ(r[1].Latitude, 12.0f);
    EXPECT_FLOAT_EQ(r[1].Longitude, 7.0f);
    EXPECT_FLOAT_EQ(r[1].Power, 0.0f);
    EXPECT_EQ(r[1].Field10, 100);
}

struct FileRow {
    const char *name;
    std::string bytes;
    std::string want;
};

void PrintTo(const FileRow &row, std::ostream *os) { *os << row.name; }

class Files : public ChannelFileTest,
              public ::testing::WithParamInterface<FileRow> {};

TEST_P(Files, ReadAsTheseRecords) {
    EXPECT_EQ(Summary(GetParam().bytes), GetParam().want);
}

// A station line with these Field10 and Towers texts, `towers` tower lines
// and then the next station.
std::string Counted(const char *field10, const char *towers, int lines) {
    std::vector<std::string> all = {std::string("KAAA,USA,TX,X,L,U,1,2,3,") +
                                    field10 + "," + towers};
    all.insert(all.end(), lines, kOmni);
    all.push_back(kNext);
    return Lines(all);
}

const std::string kMegabyte(1 << 20, '9');

INSTANTIATE_TEST_SUITE_P(
    ChannelFile, Files,
    ::testing::Values(
        FileRow{"Empty", "", "; End"},
        FileRow{"LastLineWithoutLineEnd", Lines({kKaaa}) + kOmni,
                "KAAA 0 1; End"},
        // The LF is part of field 11, "0\nKBBB", which reads as 0.
        FileRow{"LoneLineFeedDoesNotEndALine",
                "KAAA,USA,TX,X,L,U,1,2,3,4,0\n" + kNext + "\r\n",
                "KAAA 4 0; End"},
        FileRow{"BlankAndStrayLinesSkipped",
                Lines({"", "List, channel 1340", kKaaa, kOmni, "", ",,,", kNext,
                       ""}),
                "KAAA 0 1, KBBB 0 0; End"},
        // A blank tower line repeats the station line's last field.
        FileRow{"BlankTowerLine", Lines({kKaaa, "", kNext}),
                "KAAA 0 1, KBBB 0 0; End"},
        FileRow{"UnlistedCountriesSkippedWithTheirTowers",
                Lines({"CAAA,Canada ,ON,X,L,U,1,2,3,0,2", kOmni, kOmni,
                       "KAAA,usa,TX,X,L,U,1,2,3,0,1", kOmni,
                       "KCCC, USA,TX,X,L,U,1,2,3,0,1", kOmni,
                       "XEAA,MEXICO,NL,X,L,U,1,2,3,0,1", kOmni, kNext,
                       "CMAA,Cuba,HA,X,L,N,1,2,3,0,0",
                       "CBBB,Canada,BC,X,L,C,1,2,3,0,0",
                       "XEBB,Mexico,JA,X,L,D,1,2,3,0,0"}),
                "KBBB 0 0, CMAA 0 0, CBBB 0 0, XEBB 0 0; End"},
        FileRow{
            "EndInsideARecordDropsIt",
            Lines({kKaaa, kOmni, "KCCC,USA,TX,X,L,U,1,2,3,0,3", kOmni, kOmni}),
            "KAAA 0 1; End"},
        FileRow{"NulBytesStayInTheField",
                std::string("K\0AA,USA,TX,X,L,U,1,2,3,0,0\r\n", 29) + kNext,
                std::string("K\0AA 0 0, KBBB 0 0; End", 23)},
        FileRow{"RandomBytesSkipped", RandomBytes(1 << 18) + "\r\n" + kNext,
                "KBBB 0 0; End"},
        FileRow{"MegabyteLinesCut",
                Lines({kKaaa + "," + kMegabyte, kOmni,
                       std::string(1 << 20, ','), kMegabyte, kNext}),
                "KAAA 0 1, KBBB 0 0; End"},
        FileRow{"NoTowers", Counted("0", "0", 0), "KAAA 0 0, KBBB 0 0; End"},
        FileRow{"NegativeTowersReadNoLine", Counted("0", "-3", 0),
                "KAAA 0 -3, KBBB 0 0; End"},
        FileRow{"TowersTwoAndAHalfIsTwo", Counted("0", "2.5", 2),
                "KAAA 0 2, KBBB 0 0; End"},
        FileRow{"TowersThreeAndAHalfIsFour", Counted("0", "3.5", 4),
                "KAAA 0 4, KBBB 0 0; End"},
        FileRow{"TwelveTowers", Counted("0", "12", 12),
                "KAAA 0 12, KBBB 0 0; End"},
        FileRow{"ThirteenTowersFail", Counted("0", "13", 13), "; Failure"},
        FileRow{"TowersOutOfRangeFail", Counted("0", "32768", 0), "; Failure"},
        FileRow{"Field10HalvesToEven", Counted("-2.5", "0.5", 0),
                "KAAA -2 0, KBBB 0 0; End"},
        FileRow{"Field10OneAndAHalfIsTwo", Counted("1.5", "0", 0),
                "KAAA 2 0, KBBB 0 0; End"},
        FileRow{"Field10Top", Counted("32767", "0", 0),
                "KAAA 32767 0, KBBB 0 0; End"},
        FileRow{"Field10BottomHalfRoundsIn", Counted("-32768.5", "0", 0),
                "KAAA -32768 0, KBBB 0 0; End"},
        FileRow{"Field10TopHalfRoundsOut", Counted("32767.5", "0", 0),
                "; Failure"},
        FileRow{"Field10BelowRange", Counted("-32769", "0", 0), "; Failure"},
        FileRow{"PowerBeyondFloat", Lines({"KAAA,USA,TX,X,L,U,1,2,1E39,0,0"}),
                "; Failure"},
        FileRow{"LargestFloatReads",
                Lines({"KAAA,USA,TX,X,L,U,1,2,3.4E38,0,0"}), "KAAA 0 0; End"},
        FileRow{"LatitudeBeyondDouble",
                Lines({"KAAA,USA,TX,X,L,U,1E400,2,3,0,0"}), "; Failure"},
        FileRow{"NegativeLongitudeBeyondFloat",
                Lines({"KAAA,USA,TX,X,L,U,1,-4D38,3,0,0"}), "; Failure"},
        FileRow{"TowerSpacingBeyondFloat",
                Lines({"KAAA,USA,TX,X,L,U,1,2,3,0,1", "0,1,0,0,5E38,0"}),
                "; Failure"}),
    [](const auto &info) { return info.param.name; });

TEST_F(ChannelFileTest, NamesMatchWithoutRegardToCaseAndMissingFilesFail) {
    Write("1340.dat", Lines({kKaaa, kOmni}));
    StationRecord record;
    for (const std::string name : {"1340.DAT", "1340.dat"}) {
        ChannelFile file;
        ASSERT_TRUE(file.Open(dir_.string(), name)) << name;
        EXPECT_EQ(file.FileName(), name);
        EXPECT_EQ(file.ReadStation(record), ReadResult::Record) << name;
    }
    ChannelFile missing;
    EXPECT_FALSE(missing.Open(dir_.string(), "1350.DAT"));
    EXPECT_EQ(missing.FileName(), "1350.DAT");
    EXPECT_EQ(missing.ReadStation(record), ReadResult::Failure);
}

TEST_F(ChannelFileTest, ReopeningForgetsTheLastFieldOfTheOldFile) {
    // Without the reset the blank line would repeat "USA" into a record.
    Write("1340.DAT", Lines({"KAAA,USA"}));
    Write("1350.DAT", Lines({"", kNext}));
    ChannelFile file;
    StationRecord record;
    ASSERT_TRUE(file.Open(dir_.string(), "1340.DAT"));
    EXPECT_EQ(file.ReadStation(record), ReadResult::Record);
    ASSERT_TRUE(file.Open(dir_.string(), "1350.DAT"));
    EXPECT_EQ(file.ReadStation(record), ReadResult::Record);
    EXPECT_EQ(record.Call, "KBBB");
}

// The channel plot's loop: filters run after the towers are read, so a
// dropped record leaves the next one intact.
TEST_F(ChannelFileTest, DroppedRecordsConsumeTheirTowers) {
    Write("1340.DAT", Lines({"NEW,USA,TX,X,L,U,1,2,3,0,2", kOmni, kOmni,
                             "KEEE,USA,TX,X,L,N,1,2,3,0,1", kOmni,
                             "KCCC,USA,TX,X,CP,N,1,2,3,0,1", kOmni,
                             "KDDD,USA,TX,X,L,D,1,2,3,0,1", kOmni, kNext}));
    ChannelFile file;
    ASSERT_TRUE(file.Open(dir_.string(), "1340.DAT"));
    StationRecord record;
    std::string drawn;
    const ShowFlags flags{0, 1, 1, 1, 1};
    while (file.ReadStation(record) == ReadResult::Record)
        if (PassesHoursFilter(record, 2) && PassesStatusFilter(record, 1) &&
            PassesClassFilters(record.Call, flags))
            drawn += record.Call + " ";
    EXPECT_EQ(drawn, "KEEE KBBB ");
}

struct ClassRow {
    const char *name;
    const char *call;
    ShowFlags flags; // new, short, xenva2, long, deleted
    bool testDeleted;
    bool shown;
};

class ClassFilters : public ::testing::TestWithParam<ClassRow> {};

TEST_P(ClassFilters, HideOnlyWhatTheirSwitchHides) {
    const ClassRow &row = GetParam();
    EXPECT_EQ(PassesClassFilters(row.call, row.flags, row.testDeleted),
              row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    ChannelFile, ClassFilters,
    ::testing::Values(
        ClassRow{"NewHidden", "NEW", {0, 1, 1, 1, 1}, true, false},
        ClassRow{"NewShown", "NEW", {-1, 0, 0, 0, 0}, true, true},
        ClassRow{"NewIsCaseSensitive", "New", {0, 1, 1, 1, 1}, true, true},
        ClassRow{"TwoCharsShort", "KA", {1, 0, 1, 1, 1}, true, false},
        ClassRow{"TwoCharsShown", "KA", {0, 1, 0, 0, 0}, true, true},
        ClassRow{"EmptyCallShort", "", {1, 0, 1, 1, 1}, true, false},
        ClassRow{"ThreeCharsNeither", "KAB", {0, 0, 0, 0, 0}, true, true},
        ClassRow{"FiveCharsNotLong", "KABCD", {0, 0, 0, 0, 0}, true, true},
        ClassRow{"SixCharsLong", "KABCDE", {1, 1, 1, 0, 1}, true, false},
        ClassRow{"Xenva2Hidden", "XENVA2", {1, 1, 0, 1, 1}, true, false},
        ClassRow{"Xenva2NeedsLongToo", "XENVA2", {1, 1, 1, 0, 1}, true, false},
        ClassRow{"Xenva2BothOn", "XENVA2", {0, 0, 1, 1, 0}, true, true},
        ClassRow{"DeletedHidden", "DKABC", {1, 1, 1, 1, 0}, true, false},
        ClassRow{"DeletedShown", "DKAB", {0, 0, 0, 0, 1}, true, true},
        ClassRow{
            "DeletedUntestedAtStartUp", "DKAB", {0, 0, 0, 0, 0}, false, true},
        ClassRow{"LowerDIsNotDeleted", "dKAB", {1, 1, 1, 1, 0}, true, true},
        ClassRow{
            "DeletedLongNeedsBoth", "DKABCD", {1, 1, 1, 0, 1}, true, false}),
    [](const auto &info) { return info.param.name; });

TEST(Filters, HoursByDayNightModeAndStatusByLicensedOnly) {
    const struct {
        int16_t mode;
        const char *value;
        bool hoursShown, statusShown;
    } rows[] = {
        {0, "N", true, true},   {0, "D", true, true},  {1, "N", false, false},
        {1, "D", true, false},  {1, "U", true, false}, {1, "C", true, false},
        {1, "L", true, true},   {1, "n", true, false}, {1, "L ", true, false},
        {2, "D", false, false}, {2, "N", true, false}, {2, "U", true, false},
        {2, "C", true, false},  {0, "CP", true, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.mode) + " '" + row.value + "'");
        StationRecord record;
        record.Hours = record.Status = row.value;
        EXPECT_EQ(PassesHoursFilter(record, row.mode), row.hoursShown);
        if (row.mode != 2) {
            EXPECT_EQ(PassesStatusFilter(record, row.mode), row.statusShown);
        }
    }
}

} // namespace
} // namespace tavik
