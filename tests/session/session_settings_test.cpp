#include "session/session_settings.h"

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace tavik {
namespace {

namespace fs = std::filesystem;

const char *const kFailureText =
    "The Tavik last-session file was not written correctly.";

class SessionFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("tavik_session_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "Tavik.cfg").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteRaw(const std::string &bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    std::string ReadRaw() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    // Only Tavik.cfg may be left in the directory: no temporary files.
    int FilesInDir() const {
        int n = 0;
        for (const auto &entry : fs::directory_iterator(dir_)) {
            (void)entry;
            ++n;
        }
        return n;
    }

    fs::path dir_;
    std::string path_;
};

SessionSettings Dallas() {
    SessionSettings s;
    s.channelKHz = 1080;
    s.homeCity = "Dallas TX";
    s.homeLatitude = 32.78f;
    s.homeLongitude = 96.82f;
    s.patternSize = 0.2f;
    s.scaleFactor = 1000;
    return s;
}

// Every field, saved or not, so that a test can see what a read left alone.
void ExpectSame(const SessionSettings &a, const SessionSettings &b) {
    EXPECT_EQ(a.channelKHz, b.channelKHz);
    EXPECT_EQ(a.homeCity, b.homeCity);
    EXPECT_EQ(a.homeLatitude, b.homeLatitude);
    EXPECT_EQ(a.homeLongitude, b.homeLongitude);
    EXPECT_EQ(a.patternSize, b.patternSize);
    EXPECT_EQ(a.scaleFactor, b.scaleFactor);
    EXPECT_EQ(a.showNew, b.showNew);
    EXPECT_EQ(a.showShort, b.showShort);
    EXPECT_EQ(a.showXenva2, b.showXenva2);
    EXPECT_EQ(a.showLong, b.showLong);
    EXPECT_EQ(a.showDeleted, b.showDeleted);
    EXPECT_EQ(a.distanceUnit, b.distanceUnit);
    EXPECT_EQ(a.gridOn, b.gridOn);
    EXPECT_EQ(a.ringsOn, b.ringsOn);
    EXPECT_EQ(a.compassOn, b.compassOn);
    EXPECT_EQ(a.dayNightMode, b.dayNightMode);
    EXPECT_EQ(a.licensedOnly, b.licensedOnly);
    EXPECT_EQ(a.allStationsGo, b.allStationsGo);
}

// ------------------------------------------------------- number writing

TEST(SessionNumberText, SevenDigitsNoLeadingZeroPointAlways) {
    struct Row {
        float value;
        const char *text;
    };
    const Row rows[] = {
        {1340, "1340"},
        {1080, "1080"},
        {0.2f, ".2"},
        {0.02f, ".02"},
        {32.78f, "32.78"},
        {96.82f, "96.82"},
        {-84.32f, "-84.32"},
        {-0.5f, "-.5"},
        {1, "1"},
        {0, "0"},
        {-0.0f, "0"},
        {10000, "10000"},
        {1234567, "1234567"},
        {0.1234567891f, ".1234568"},
        {33.333333f, "33.33333"},
        {2.5e-5f, ".000025"},
        {1e-5f, ".00001"},
        {1e-6f, "1E-06"},
        {12345678, "1.234568E+07"},
        {1e10f, "1E+10"},
        {-3e9f, "-3E+09"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(SessionNumberText(row.value), row.text);
    }
}

TEST(SessionNumberText, BothReadersGetTheValueBack) {
    for (const float v : {1340.0f, 0.2f, 0.02f, 32.78f, -84.32f, 0.5f, 9999.5f,
                          1234567.0f, 1e-6f, 12345670.0f, -3e9f}) {
        SCOPED_TRACE(v);
        const std::string text = SessionNumberText(v);
        EXPECT_EQ(ParseNumberText(text), v);
        double plain = 0;
        ASSERT_TRUE(ReadPlainNumber(text, plain));
        EXPECT_EQ(static_cast<float>(plain), v);
    }
}

// ------------------------------------------------------------- writing

TEST_F(SessionFileTest, WritesTheFifteenLinesByteForByte) {
    SessionSettings s = Dallas();
    RecordedMessages messages;
    ASSERT_TRUE(WriteSessionFile(s, messages, path_, "01/02/2024 03:04:05 PM"));
    EXPECT_EQ(ReadRaw(), "* Tavik last-session file\r\n"
                         "* 01/02/2024 03:04:05 PM\r\n"
                         "\r\n"
                         "Channel displayed: 1080\r\n"
                         "Home: Dallas TX\r\n"
                         "Home latitude: 32.78\r\n"
                         "Home longitude: 96.82\r\n"
                         "Relative size of pattern: .2\r\n"
                         "Scale factor: 1000\r\n"
                         "Show NEW callsigns: 0\r\n"
                         "Show short callsigns: 0\r\n"
                         "Show XENVA2 callsigns: 0\r\n"
                         "Show long callsigns: 0\r\n"
                         "Show deleted facilities: 0\r\n"
                         "Distance km or miles: 0\r\n");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(messages.beeps, 0);
    EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(SessionFileTest, DateLineIsTheLocalDateAndTime) {
    SessionSettings s = Dallas();
    RecordedMessages messages;
    ASSERT_TRUE(WriteSessionFile(s, messages, path_));
    const std::string text = ReadRaw();
    const std::size_t second = text.find("\r\n") + 2;
    const std::string line2 =
        text.substr(second, text.find("\r\n", second) - second);
    EXPECT_TRUE(std::regex_match(
        line2, std::regex(R"(\* \d\d/\d\d/\d{4} \d\d:\d\d:\d\d (AM|PM))")))
        << line2;
}

TEST_F(SessionFileTest, WrittenFileReadsBackToEverySavedField) {
    SessionSettings saved;
    saved.channelKHz = 1340;
    saved.homeCity = "Oak Ridge, TN: home";
    saved.homeLatitude = 36.0234f;
    saved.homeLongitude = -105.5f; // east of Greenwich
    saved.patternSize = 0.55f;
    saved.scaleFactor = 2500;
    saved.showNew = 1;
    saved.showShort = 0;
    saved.showXenva2 = 1;
    saved.showLong = 0;
    saved.showDeleted = 1;
    saved.distanceUnit = 1;
    saved.gridOn = 1; // not saved
    saved.dayNightMode = 2;
    RecordedMessages messages;
    SessionSettings live = saved;
    ASSERT_TRUE(WriteSessionFile(live, messages, path_, "date"));
    ExpectSame(live, saved); // nothing needed fixing

    SessionSettings read; // as at start-up: all zero
    ReadSessionFile(read, path_);
    SessionSettings expected = saved;
    expected.gridOn = 0;
    expected.dayNightMode = 0;
    ExpectSame(read, expected);
}

TEST_F(SessionFileTest, WriteTimeFixes) {
    struct Row {
        const char *name;
        SessionSettings before;
        SessionSettings after; // live settings after writing
    };
    auto with = [](auto change) {
        SessionSettings s = Dallas();
        change(s);
        return s;
    };
    const Row rows[] = {
        {"channel 0 becomes Oak Ridge on 1340",
         with([](SessionSettings &s) { s.channelKHz = 0; }),
         with([](SessionSettings &s) {
             s.channelKHz = 1340;
             s.homeCity = "Oak Ridge";
             s.homeLongitude = 84.32f;
         })},
        {"longitude 0 becomes Oak Ridge on 1340", with([](SessionSettings &s) {
             s.homeLongitude = 0;
             s.channelKHz = 680;
         }),
         with([](SessionSettings &s) {
             s.channelKHz = 1340;
             s.homeCity = "Oak Ridge";
             s.homeLongitude = 84.32f;
         })},
        {"pattern size 2 from Larger is saved as 1",
         with([](SessionSettings &s) { s.patternSize = 2.0f; }),
         with([](SessionSettings &s) { s.patternSize = 1.0f; })},
        {"pattern size below .02",
         with([](SessionSettings &s) { s.patternSize = 0.001f; }),
         with([](SessionSettings &s) { s.patternSize = 0.02f; })},
        {"scale above 10000",
         with([](SessionSettings &s) { s.scaleFactor = 20000; }),
         with([](SessionSettings &s) { s.scaleFactor = 10000; })},
        {"scale below 100",
         with([](SessionSettings &s) { s.scaleFactor = 99.9f; }),
         with([](SessionSettings &s) { s.scaleFactor = 100; })},
        {"scale 0 of a fresh session",
         with([](SessionSettings &s) { s.scaleFactor = 0; }),
         with([](SessionSettings &s) { s.scaleFactor = 100; })},
        {"limits themselves kept", with([](SessionSettings &s) {
             s.patternSize = 0.02f;
             s.scaleFactor = 10000;
         }),
         with([](SessionSettings &s) {
             s.patternSize = 0.02f;
             s.scaleFactor = 10000;
         })},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SessionSettings live = row.before;
        RecordedMessages messages;
        ASSERT_TRUE(WriteSessionFile(live, messages, path_, "d"));
        ExpectSame(live, row.after);
        SessionSettings read;
        read.distanceUnit = row.after.distanceUnit;
        ReadSessionFile(read, path_);
        ExpectSame(read, row.after);
    }
}

TEST_F(SessionFileTest, FailedWriteBeepsShowsTheMessageAndKeepsTheOldFile) {
    const std::string good = "* an earlier, good file\r\nChannel: 1340\r\n";
    WriteRaw(good);

    struct Row {
        const char *name;
        std::string path;
    };
    fs::create_directories(dir_ / "Tavik.cfg.dir");
    std::ofstream(dir_ / "Tavik.cfg.dir" / "inside") << "x";
    const Row rows[] = {
        {"directory that does not exist",
         (dir_ / "missing" / "Tavik.cfg").string()},
        {"parent is a file", (dir_ / "Tavik.cfg" / "Tavik.cfg").string()},
        {"target is a directory", (dir_ / "Tavik.cfg.dir").string()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SessionSettings s = Dallas();
        RecordedMessages messages;
        EXPECT_FALSE(WriteSessionFile(s, messages, row.path, "d"));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], kFailureText);
        EXPECT_EQ(messages.beeps, 1);
    }
    EXPECT_EQ(ReadRaw(), good);
    EXPECT_TRUE(fs::is_directory(dir_ / "Tavik.cfg.dir"));
    EXPECT_EQ(FilesInDir(), 2); // Tavik.cfg and the directory, no leftovers
}

TEST_F(SessionFileTest, WriteFailingHalfwayLeavesTheOldFileWhole) {
    const std::string good = "* an earlier, good file\r\n";
    WriteRaw(good);

    // Files may grow to 64 bytes only: the new file fails partway through.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    SessionSettings s = Dallas();
    RecordedMessages messages;
    const bool written = WriteSessionFile(s, messages, path_, "d");
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], kFailureText);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(ReadRaw(), good);
    EXPECT_EQ(FilesInDir(), 1);
}

// ------------------------------------------------------------- reading

TEST_F(SessionFileTest, MissingFileGivesTheDefaults) {
    SessionSettings s;
    s.channelKHz = 530;
    s.homeCity = "Somewhere";
    s.showLong = 1;
    s.distanceUnit = 1; // not part of the defaults
    s.ringsOn = 1;
    ReadSessionFile(s, (dir_ / "Tavik.cfg").string());
    SessionSettings expected = Dallas();
    expected.distanceUnit = 1;
    expected.ringsOn = 1;
    ExpectSame(s, expected);
}

TEST_F(SessionFileTest, NameIsMatchedWithoutRegardToCase) {
    std::ofstream(dir_ / "TAVIK.CFG", std::ios::binary)
        << "Channel displayed: 1340\r\n";
    SessionSettings s;
    ReadSessionFile(s, path_);
    EXPECT_EQ(s.channelKHz, 1340.0f);
}

// A settings record whose every field is set, so that a read that ends early
// shows which fields it left alone.
SessionSettings Earlier() {
    SessionSettings s;
    s.channelKHz = 600;
    s.homeCity = "Earlier";
    s.homeLatitude = 10;
    s.homeLongitude = 20;
    s.patternSize = 7;
    s.scaleFactor = 30;
    s.showNew = 5;
    s.showShort = 5;
    s.showXenva2 = 5;
    s.showLong = 5;
    s.showDeleted = 5;
    s.distanceUnit = 9;
    s.compassOn = 1;
    return s;
}

TEST_F(SessionFileTest, ReadsValueLinesByPosition) {
    struct Row {
        const char *name;
        std::string text;
        SessionSettings expected; // starting from Earlier()
    };
    auto from = [](auto change) {
        SessionSettings s = Earlier();
        change(s);
        return s;
    };
    const std::string full = "Channel displayed: 1340\r\n"
                             "Home: Oak Ridge\r\n"
                             "Home latitude: 36.02\r\n"
                             "Home longitude: 84.32\r\n"
                             "Relative size of pattern: .5\r\n"
                             "Scale factor: 2000\r\n"
                             "Show NEW callsigns: 1\r\n"
                             "Show short callsigns: 0\r\n"
                             "Show XENVA2 callsigns: 1\r\n"
                             "Show long callsigns: 0\r\n"
                             "Show deleted facilities: 1\r\n"
                             "Distance km or miles: 1\r\n";
    auto fullValues = [](SessionSettings &s) {
        s.channelKHz = 1340;
        s.homeCity = "Oak Ridge";
        s.homeLatitude = 36.02f;
        s.homeLongitude = 84.32f;
        s.patternSize = 0.5f;
        s.scaleFactor = 2000;
        s.showNew = 1;
        s.showShort = 0;
        s.showXenva2 = 1;
        s.showLong = 0;
        s.showDeleted = 1;
        s.distanceUnit = 1;
    };
    const std::string twelveNoLabels =
        "1340\r\nOak Ridge\r\n36.02\r\n84.32\r\n"
        ".5\r\n2000\r\n1\r\n0\r\n1\r\n0\r\n1\r\n";
    const Row rows[] = {
        {"full file", full, from(fullValues)},
        {"comments and empty lines anywhere",
         "* c\r\n\r\nChannel displayed: 1340\r\n*x: 5\r\n\r\n" +
             full.substr(full.find("Home:")) + "* trailing\r\n",
         from(fullValues)},
        {"lines without labels taken whole", twelveNoLabels + "1\r\n",
         from(fullValues)},
        {"other labels",
         "a: 1340\r\nb: Oak Ridge\r\nc: 36.02\r\nd:84.32\r\n"
         "e:.5\r\nf:2000\r\ng:1\r\nh:0\r\ni:1\r\nj:0\r\nk:1\r\n"
         "l:1\r\n",
         from(fullValues)},
        {"CR alone ends lines too",
         std::regex_replace(full, std::regex("\r\n"), "\r"), from(fullValues)},
        {"value after the first colon, blanks trimmed",
         "Channel displayed:   1340  \r\nHome:  Time: 12:30 \r\n",
         from([](SessionSettings &s) {
             s.channelKHz = 1340;
             s.homeCity = "Time: 12:30";
         })},
        {"ends after the deleted line: unit kept, no limits",
         "1340\r\nOak "
         "Ridge\r\n36.02\r\n84.32\r\n5\r\n50\r\n1\r\n0\r\n1\r\n0\r\n"
         "1\r\n* comment only\r\n\r\n",
         from([&](SessionSettings &s) {
             fullValues(s);
             s.patternSize = 5;
             s.scaleFactor = 50;
             s.distanceUnit = 9;
         })},
        {"ends after the latitude: later fields kept, no defaults",
         "1340\r\nOak Ridge\r\n36.02\r\n", from([](SessionSettings &s) {
             s.channelKHz = 1340;
             s.homeCity = "Oak Ridge";
             s.homeLatitude = 36.02f;
         })},
        {"empty file changes nothing", "", Earlier()},
        {"LF line ends make one comment line", "* Tavik\nChannel: 1340\n",
         Earlier()},
        {"pattern 5 and scale above 10000 held",
         "1340\r\nX\r\n1\r\n2\r\n5\r\n20000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n",
         from([](SessionSettings &s) {
             s.channelKHz = 1340;
             s.homeCity = "X";
             s.homeLatitude = 1;
             s.homeLongitude = 2;
             s.patternSize = 1;
             s.scaleFactor = 10000;
             s.showNew = s.showShort = s.showXenva2 = s.showLong =
                 s.showDeleted = s.distanceUnit = 0;
         })},
        {"pattern .001 and scale below 100 held",
         "1340\r\nX\r\n1\r\n2\r\n.001\r\n50\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n",
         from([](SessionSettings &s) {
             s.channelKHz = 1340;
             s.homeCity = "X";
             s.homeLatitude = 1;
             s.homeLongitude = 2;
             s.patternSize = 0.02f;
             s.scaleFactor = 100;
             s.showNew = s.showShort = s.showXenva2 = s.showLong =
                 s.showDeleted = s.distanceUnit = 0;
         })},
        // Engineering notation for channel and home, plain reading for
        // pattern and scale ("0,5" is 0 there, "1.5k" is 1.5).
        {"each field by its own reading",
         "1,34k\r\nX\r\n-84,32\r\n1e2\r\n0,5\r\n1.5k\r\n1.5\r\n2.5\r\n0.5\r\n"
         "-1\r\n1k\r\n1\r\n",
         from([](SessionSettings &s) {
             s.channelKHz = 1340;
             s.homeCity = "X";
             s.homeLatitude = -84.32f;
             s.homeLongitude = 100;
             s.patternSize = 0.02f;
             s.scaleFactor = 100;
             s.showNew = 2;    // 1.5 to the even 2
             s.showShort = 2;  // 2.5 to the even 2
             s.showXenva2 = 0; // 0.5 to the even 0
             s.showLong = -1;
             s.showDeleted = 1000;
             s.distanceUnit = 1;
         })},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WriteRaw(row.text);
        SessionSettings s = Earlier();
        ReadSessionFile(s, path_);
        ExpectSame(s, row.expected);
    }
}

TEST_F(SessionFileTest, ValuesThatCannotBeHeldGiveTheDefaults) {
    struct Row {
        const char *name;
        std::string text;
    };
    const std::string head = "1340\r\nX\r\n1\r\n2\r\n";
    const Row rows[] = {
        {"flag beyond 16 bits", head + ".5\r\n2000\r\n40000\r\n"},
        {"flag just beyond 16 bits", head + ".5\r\n2000\r\n0\r\n32767.5\r\n"},
        {"unit below 16 bits",
         head + ".5\r\n2000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n-32769\r\n"},
        {"pattern size beyond double", head + "1E999\r\n"},
        {"scale beyond single", head + ".5\r\n1e300\r\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WriteRaw(row.text);
        SessionSettings s = Earlier();
        ReadSessionFile(s, path_);
        SessionSettings expected = Dallas();
        expected.distanceUnit = 9;
        expected.compassOn = 1;
        ExpectSame(s, expected);
    }
}

TEST_F(SessionFileTest, UnreadableFileGivesTheDefaults) {
    fs::remove(path_);
    fs::create_directories(path_); // a directory where the file should be
    SessionSettings s = Earlier();
    ReadSessionFile(s, path_);
    SessionSettings expected = Dallas();
    expected.distanceUnit = 9;
    expected.compassOn = 1;
    ExpectSame(s, expected);
}

} // namespace
} // namespace tavik

TEST(HoldToMapRanges, KeepsTheMapDrawableAfterAnEarlyEndedFile) {
    struct Row {
        float scale, size, wantScale, wantSize;
    };
    for (const Row &r : {Row{0, 0, 100, 0.02f}, Row{99999, 5, 10000, 2},
                         Row{750, 0.3f, 750, 0.3f}}) {
        tavik::SessionSettings s;
        s.scaleFactor = r.scale;
        s.patternSize = r.size;
        tavik::HoldToMapRanges(s);
        EXPECT_EQ(s.scaleFactor, r.wantScale) << r.scale;
        EXPECT_EQ(s.patternSize, r.wantSize) << r.size;
    }
}
