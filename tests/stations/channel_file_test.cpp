#include "stations/channel_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

namespace tavik {
namespace {

namespace fs = std::filesystem;

const std::string kKaaa = "KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1|";
const std::string kOmni = "0,1,90,0,0,0|";
const std::string kNext = "KBBB,USA,TX,X,L,U,1,2,3,0,0|";

// `text` with each "|" made a line end.
std::string L(std::string text, const std::string &end = "\r\n") {
    for (std::size_t i = 0; (i = text.find('|', i)) != std::string::npos;)
        text.replace(i, 1, end);
    return text;
}

// A KAAA line ending in `tail`, `towers` tower lines, then the KBBB line.
std::string Kaaa(const std::string &tail, int towers = 0) {
    std::string text = "KAAA,USA,TX,X,L,U," + tail + "|";
    while (towers-- > 0)
        text += kOmni;
    return L(text + kNext);
}

// The record in the file's layout, with floats to 7 digits.
std::string Text(const StationRecord &r) {
    std::ostringstream s;
    s.precision(7);
    s << r.Call << ',' << r.Country << ',' << r.State << ',' << r.City << ','
      << r.Status << ',' << r.Hours << ',' << r.Latitude << ',' << r.Longitude
      << ',' << r.Power << ',' << r.Field10 << ',' << r.Towers;
    for (int i = 1; i <= r.Towers; ++i) {
        const Tower &t = r.Tower[i];
        s << '|' << t.TowerRef << ',' << t.FieldRatio << ',' << t.Field3 << ','
          << t.Phase << ',' << t.Spacing << ',' << t.Orientation;
    }
    return s.str() + "\n";
}

struct ChannelFileTest : ::testing::Test {
    const fs::path dir =
        fs::temp_directory_path() /
        ("tavik-stations-" + std::to_string(std::random_device()()));
    ChannelFileTest() { fs::create_directories(dir); }
    ~ChannelFileTest() override { fs::remove_all(dir); }
    void Write(const std::string &name, const std::string &bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }

    // Each record of `bytes` read from 1340.dat opened as 1340.DAT, in full
    // or as "KAAA 0 1; " (call, Field10, Towers); then how the read ended.
    std::string Read(const std::string &bytes, bool full = false) {
        Write("1340.dat", bytes);
        ChannelFile file;
        EXPECT_TRUE(file.Open(dir.string(), "1340.DAT"));
        StationRecord r;
        std::string text;
        ReadResult last = ReadResult::Record;
        for (int n = 0;
             n < 1e5 && (last = file.ReadStation(r)) == ReadResult::Record; ++n)
            text += full ? Text(r)
                         : r.Call + " " + std::to_string(r.Field10) + " " +
                               std::to_string(r.Towers) + "; ";
        const char *ends[] = {"Runaway", "End", "Failure"};
        return text + ends[int(last)];
    }
};

TEST_F(ChannelFileTest, CrOnlyAndCrLfFilesGiveTheSameRecords) {
    // A short line repeats the last field taken, also into the next line.
    const std::string text =
        kKaaa + kOmni +
        "CJAB,Canada,ON,TORONTO,CP,N,43.65,79.38,10,-7,2|0,1,0,0,0,0|"
        "1,0.5,90,-90,90,45.5|XEA,Mexico,NL,MONTERREY,L,D,25.67,100.31,2.5|"
        "0,1,90,0,0,0|1,0.25|";
    const std::string want =
        R"(KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1|0,1,90,0,0,0
CJAB,Canada,ON,TORONTO,CP,N,43.65,79.38,10,-7,2|0,1,0,0,0,0|1,0.5,90,-90,90,45.5
XEA,Mexico,NL,MONTERREY,L,D,25.67,100.31,2.5,2,2|0,1,90,0,0,0|1,0.25,0.25,0.25,0.25,0.25
End)";
    for (const char *end : {"\r\n", "\r"})
        EXPECT_EQ(Read(L(text, end), true), want);
}

TEST_F(ChannelFileTest, FilesReadAsTheseRecords) {
    const std::string kb = "KBBB 0 0; End",
                      two = ",TX,X,L,U,1,2,3,0,2|" + kOmni + kOmni;
    const std::tuple<const char *, std::string, std::string> rows[] = {
        {"BlankAndStrayLines",
         L("|List, 1340|" + kKaaa + kOmni + "|,,,|" + kNext),
         "KAAA 0 1; " + kb},
        // A blank tower line repeats the station line's last field.
        {"BlankTowerLine", L(kKaaa + "|" + kNext), "KAAA 0 1; " + kb},
        {"UnlistedCountriesSkippedWithTheirTowers",
         L("KAAA,Canada ," + two + "KAAA,usa," + two + "KAAA, USA," + two +
           "KAAA,MEXICO," + two + kNext + "CMAA,Cuba,HA,X,L,N,1,2,3,0,0|" +
           "CBBB,Canada,BC,X,L,C,1,2,3,0,0|XEBB,Mexico,JA,X,L,D,1,2,3,0,0|"),
         "KBBB 0 0; CMAA 0 0; CBBB 0 0; XEBB 0 0; End"},
        {"EndInsideARecord", L(kKaaa + kOmni) + Kaaa("1,2,3,0,3", 1),
         "KAAA 0 1; End"},
        {"TowersTwoAndAHalfIsTwo", Kaaa("1,2,3,0,2.5", 2), "KAAA 0 2; " + kb},
        {"TowersThreeAndAHalf", Kaaa("1,2,3,0,3.5", 4), "KAAA 0 4; " + kb},
        {"TwelveTowers", Kaaa("1,2,3,0,12", 12), "KAAA 0 12; " + kb},
        {"ThirteenTowersFail", Kaaa("1,2,3,0,13", 13), "Failure"},
        {"Field10Top", Kaaa("1,2,3,32767,0"), "KAAA 32767 0; " + kb},
        {"Field10Bottom", Kaaa("1,2,3,-32768.5,0"), "KAAA -32768 0; " + kb},
        {"Field10TopHalfRoundsOut", Kaaa("1,2,3,32767.5,0"), "Failure"},
        {"Field10BelowRange", Kaaa("1,2,3,-32769,0"), "Failure"},
        {"PowerBeyondFloat", Kaaa("1,2,1E39,0,0"), "Failure"},
        {"LargestFloatReads", Kaaa("1,2,3.4E38,0,0"), "KAAA 0 0; " + kb},
        {"NegativeLongitudeBeyondFloat", Kaaa("1,-4D38,3,0,0"), "Failure"},
        {"TowerSpacingBeyondFloat",
         L("KAAA,USA,TX,X,L,U,1,2,3,0,1|0,1,0,0,5E38,0|"), "Failure"},
    };
    for (const auto &[name, bytes, want] : rows)
        EXPECT_EQ(Read(bytes), want) << name;
}

TEST_F(ChannelFileTest, MissingFileFailsAndOpeningForgetsTheOldFile) {
    EXPECT_EQ(ChannelFileName(1340) + ChannelFileName(1610.5f, true),
              "1340.DAT1610.5.dat");
    // Without a reset the blank line would repeat "USA" into a record.
    Write("1340.DAT", L("KAAA,USA|"));
    Write("1360.DAT", L("|" + kNext));
    ChannelFile file;
    StationRecord r;
    for (const std::string name : {"1340.DAT", "1350.DAT", "1360.DAT"}) {
        EXPECT_EQ(file.Open(dir.string(), name), name != "1350.DAT");
        EXPECT_EQ(file.ReadStation(r), name != "1350.DAT"
                                           ? ReadResult::Record
                                           : ReadResult::Failure);
    }
    EXPECT_EQ(r.Call, "KBBB");
}

TEST(Filters, ClassesHoursAndStatus) {
    // Whether the call is shown with all five switches on (-1) but the one
    // for new, short, xenva2, long or deleted calls; off, a class is hidden.
    const std::tuple<const char *, std::string> classes[] = {
        {"NEW", "01111"},    {"KA", "10111"},    {"", "10111"},
        {"KAB", "11111"},    {"KABCD", "11111"}, {"KABCDE", "11101"},
        {"XENVA2", "11001"}, {"DKAB", "11110"},  {"dKAB", "11111"}};
    for (const auto &[call, shown] : classes) {
        EXPECT_EQ(PassesClassFilters(call, {}), shown == "11111") << call;
        for (int i = 0; i < 5; ++i) {
            auto on = [i](int j) { return int16_t(j == i ? 0 : -1); };
            EXPECT_EQ(
                PassesClassFilters(call, {on(0), on(1), on(2), on(3), on(4)}),
                shown[i] == '1')
                << call << i;
        }
    }
    // The start-up display does not test for deleted calls.
    EXPECT_TRUE(PassesClassFilters("DKAB", {}, false));
    // Shown by the hours filter in day/night mode 0, 1 and 2, and by the
    // status filter with licensed-only 0, 1 and 2.
    const std::tuple<const char *, std::string, std::string> rows[] = {
        {"N", "101", "101"}, {"D", "110", "101"}, {"U", "111", "101"},
        {"L", "111", "111"}, {"n", "111", "101"}, {"L ", "111", "101"}};
    for (const auto &[value, hours, status] : rows)
        for (int16_t mode = 0; mode < 3; ++mode) {
            StationRecord record;
            record.Hours = record.Status = value;
            EXPECT_EQ(PassesHoursFilter(record, mode), hours[mode] == '1')
                << value << mode;
            EXPECT_EQ(PassesStatusFilter(record, mode), status[mode] == '1')
                << value << mode;
        }
}

} // namespace
} // namespace tavik
