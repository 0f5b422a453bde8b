#include "session/session_settings.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace tavik {
namespace {

namespace fs = std::filesystem;
using S = SessionSettings;

const char *const kFailureText =
    "The Tavik last-session file was not written correctly.";
const S kDallas{1080, "Dallas TX", 32.78f, 96.82f, 0.2f, 1000, {}};
const S kEarlier{600, "Earlier", 10, 20, 7, 30, 5, 5, 5, 5, 5, 9, 0, 0, 1};
const std::string kUnsaved = "|0|0|1|0|0|0"; // of kEarlier

// Every field in the file's order, '|' between, floats in shortest exact text.
std::string Show(const S &s) {
    auto f = [](float v) {
        char b[32];
        return '|' + std::string(b, std::to_chars(b, b + 32, v).ptr);
    };
    std::string out = f(s.channelKHz).substr(1) + '|' + s.homeCity +
                      f(s.homeLatitude) + f(s.homeLongitude) +
                      f(s.patternSize) + f(s.scaleFactor);
    for (int v :
         {s.show.showNew, s.show.showShort, s.show.showXenva2, s.show.showLong,
          s.show.showDeleted, s.distanceUnit, s.gridOn, s.ringsOn, s.compassOn,
          s.dayNightMode, s.licensedOnly, s.allStationsGo})
        out += '|' + std::to_string(v);
    return out;
}

// Lines from '|'-separated text, each ended by `end`.
std::string L(const std::string &text, const std::string &end = "\r\n") {
    return std::regex_replace(text, std::regex("\\|"), end) + end;
}

class SessionFileTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    void WriteRaw(const std::string &b) { std::ofstream(path_) << b; }
    std::string ReadRaw() const {
        std::ifstream in(path_);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string Read(S s) const {
        ReadSessionFile(s, path_);
        return Show(s);
    }
    const fs::path dir_ = fs::temp_directory_path() /
                          ("tavik_session_" + std::to_string(::getpid()));
    const std::string path_ = (dir_ / "Tavik.cfg").string();
};

TEST(SessionNumberText, SevenDigitsNoLeadingZeroPointAlways) {
    const std::pair<float, const char *> rows[] = {
        {0, "0"},          {-3e9f, "-3E+09"},
        {-0.0f, "0"},      {-84.32f, "-84.32"},
        {-0.5f, "-.5"},    {1234567, "1234567"},
        {1e-6f, "1E-06"},  {2.5e-5f, ".000025"},
        {1e10f, "1E+10"},  {12345678, "1.234568E+07"},
        {1e-5f, ".00001"}, {0.1234567891f, ".1234568"}};
    for (const auto &[value, text] : rows)
        EXPECT_EQ(SessionNumberText(value), text);
}

TEST_F(SessionFileTest, WritesFifteenLinesWithinRangesOrKeepsTheOldFile) {
    S s = kDallas;
    RecordedMessages written;
    ASSERT_TRUE(WriteSessionFile(s, written, path_, "01/02/2024 03:04:05 PM"));
    const std::string fifteen = L(
        "* Tavik last-session file|* 01/02/2024 03:04:05 PM||Channel "
        "displayed: 1080|Home: Dallas TX|Home latitude: 32.78|Home longitude:"
        " 96.82|Relative size of pattern: .2|Scale factor: 1000|Show NEW "
        "callsigns: 0|Show short callsigns: 0|Show XENVA2 callsigns: 0|Show "
        "long callsigns: 0|Show deleted facilities: 0|Distance km or miles: 0");
    EXPECT_EQ(ReadRaw(), fifteen);
    fs::create_directories(dir_ / "cfg.dir" / "inside");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small{64, before.rlim_max}; // too small for fifteen lines
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    for (const std::string &path :
         {path_ + "/Tavik.cfg", (dir_ / "cfg.dir").string(), path_}) {
        SCOPED_TRACE(path);
        RecordedMessages messages;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, path == path_ ? &small : &before), 0);
        const bool ok = WriteSessionFile(s, messages, path, "d");
        setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_FALSE(ok);
        EXPECT_EQ(messages.shown, std::vector<std::string>{kFailureText});
        EXPECT_EQ(messages.beeps, 1);
    }
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(ReadRaw(), fifteen);
    // Only Tavik.cfg and cfg.dir: no temporary file left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 2);

    // Ranges are fixed on writing, in the live record too; {} after: none.
    const S oakRidge{1340, "Oak Ridge", 32.78f, 84.32f, 0.2f, 100, {}};
    const std::pair<S, S> rows[] = {
        {{1340, "A,B: c", 36.0234f, -105.5f, .55f, 250, 1, 0, 1, 0, 1, 1}, {}},
        {{0, "Dallas TX", 32.78f, 96.82f, .2f, 0, {}}, oakRidge},
        {{680, "Dallas TX", 32.78f, 0, .2f, 0, {}}, oakRidge},
        {{1080, "D", 1, 2, 2, 99.9f, {}}, {1080, "D", 1, 2, 1, 100, {}}}};
    for (const auto &[before, after] : rows) {
        SCOPED_TRACE(Show(before));
        const std::string want = Show(after.homeCity.empty() ? before : after);
        S live = before;
        ASSERT_TRUE(WriteSessionFile(live, written, path_, "d"));
        EXPECT_EQ(Show(live), want);
        EXPECT_EQ(Read(S{}), want);
    }
    EXPECT_TRUE(written.shown.empty() && written.beeps == 0);
}

TEST_F(SessionFileTest, WritesThroughALinkKeepingThePermissions) {
    const fs::path kept = dir_ / "real" / "kept.cfg";
    fs::create_directories(kept.parent_path());
    std::ofstream(kept) << "old";
    const auto rw_r =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(kept, rw_r);
    fs::create_symlink("real/kept.cfg", path_);
    S s = kDallas;
    RecordedMessages messages;
    ASSERT_TRUE(WriteSessionFile(s, messages, path_, "d"));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(Read(S{}), Show(kDallas));
    EXPECT_EQ(fs::status(kept).permissions(), rw_r);
}

TEST_F(SessionFileTest, ReadsValueLinesByPosition) {
    const std::string twelve = "1340|X|36.02|84.32|0.5|2000|1|0|1|0|1|1";
    const std::string earlier = "600|Earlier|10|20|7|30|5|5|5|5|5|9";
    const std::string head = "1340|X|1|2|";
    const std::string defaults =
        "1080|Dallas TX|32.78|96.82|0.2|1000|0|0|0|0|0|9";
    const std::pair<std::string, std::string> rows[] = {
        {L("* c||Channel: 1340|*x: 5||" + twelve.substr(5) + "|* end"), twelve},
        {L("a:  1340 |b:  T: 1 "), "1340|T: 1|10|20|7|30|5|5|5|5|5|9"},
        // An editor's LF or lone CR line ends read like CR LF.
        {L(twelve, "\n"), twelve},
        {L("* c|" + twelve, "\r"), twelve},
        {"", earlier},
        // Ended before the unit: no limits.
        {L(head + "5|50|1|0|1|0|1|* c|"), head + "5|50|1|0|1|0|1|9"},
        {L(head + "5|20000|0|0|0|0|0|0"), head + "1|10000|0|0|0|0|0|0"},
        {L(head + ".001|50|0|0|0|0|0|0"), head + "0.02|100|0|0|0|0|0|0"},
        // Engineering notation for channel and home, plain reading for the
        // rest ("0,5" is 0 there, "1.5k" is 1.5); flags round halves to even.
        {L("1,34k|X|-84,32|1e2|0,5|1.5k|1.5|2.5|0.5|-1|1k|1"),
         "1340|X|-84.32|100|0.02|100|2|2|0|-1|1000|1"},
        {L(head + ".5|2000|0|32767.5"), defaults},
        {L(head + ".5|2000|0|0|0|0|0|-32769"), defaults},
        {L(head + "1E999"), defaults},
        {L(head + ".5|1e300"), defaults}};
    for (const auto &[text, saved] : rows) {
        SCOPED_TRACE(text);
        WriteRaw(text);
        EXPECT_EQ(Read(kEarlier), saved + kUnsaved);
    }
    fs::remove(path_);
    EXPECT_EQ(Read(kEarlier), defaults + kUnsaved);
    fs::create_directory(path_);
    EXPECT_EQ(Read(kEarlier), defaults + kUnsaved);
    fs::remove(path_);
    std::ofstream(dir_ / "TAVIK.CFG") << "530\r\n"; // any case
    EXPECT_EQ(Read(kEarlier), "530" + earlier.substr(3) + kUnsaved);
}

TEST(HoldToMapRanges, HoldsScaleAndPatternSizeAndNotANumberToTheLowerLimit) {
    S s{0, "", 0, 0, 3, 20000, {}};
    HoldToMapRanges(s);
    EXPECT_EQ(Show(s), Show({0, "", 0, 0, 2, 10000, {}}));
    s.patternSize = s.scaleFactor = NAN;
    HoldToMapRanges(s);
    EXPECT_EQ(Show(s), Show({0, "", 0, 0, .02f, 100, {}}));
}

} // namespace
} // namespace tavik
