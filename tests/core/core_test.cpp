#include "core/geodesy.h"
#include "core/number_text.h"
#include "core/text_file.h"
#include "core/wait_seconds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace tavik {
namespace {

namespace fs = std::filesystem;

// What successive calls deliver, each part followed by '|', until the line
// is used up; one call more must leave the last part as it was.
template <class Str> std::string SplitAll(const std::string &text, char sep) {
    Str line(text), out("-"), last;
    std::string parts;
    while (!line.empty()) {
        sep == ',' ? TakeField(line, out) : TakeWord(line, out);
        parts += std::string(out) + '|';
    }
    last = out;
    sep == ',' ? TakeField(line, out) : TakeWord(line, out);
    EXPECT_EQ(out, last);
    return parts;
}

TEST(TakeFieldAndWord, SplitDataLinesAsTheReadersSeeThem) {
    const std::tuple<char, std::string, std::string> rows[] = {
        {',', ",,a", "a|"},         {' ', "a\tb c", "a\tb|c|"},
        {',', ",,,", "-|"},         {',', "\"a,b\"", "\"a|b\"|"},
        {' ', "    ", "-|"},        {',', "a\t;b,c", "a\t;b|c|"},
        {',', "a,b,,,", "a|b|"},    {',', "K123,USA,TX", "K123|USA|TX|"},
        {' ', "1,2 3", "1,2|3|"},   {',', "K123,USA,,TX", "K123|USA|TX|"},
        {',', " a , b", " a | b|"}, {' ', "  12.5   -80.25  ", "12.5|-80.25|"}};
    for (const auto &[sep, line, parts] : rows) {
        EXPECT_EQ(SplitAll<std::string_view>(line, sep), parts) << line;
        EXPECT_EQ(SplitAll<std::string>(line, sep), parts) << line;
    }
}

// The decimal number at the head of a data file's field. Halfway between 1
// and the next double rounds to even (1); a non-zero digit a thousand places
// further on tips it upward.
TEST(DataFileNumbers, ReadThenRoundedToTheirStorage) {
    std::vector<std::pair<std::string, double>> rows = {
        {"", 0},    {"abc", 0},       {"-", 0},   {"3e2", 300},
        {".", 0},   {".25", 0.25},    {"5k", 5},  {"12abc", 12},
        {"E5", 0},  {"1E-400", 0},    {"+7", 7},  {"1.2.3", 1.2},
        {"5.", 5},  {"2D-2", 0.02},   {"4E", 4},  {"1.5E3", 1500},
        {"--5", 0}, {"0E999999", 0},  {"50", 50}, {"32.78", 32.78},
        {"4E-", 4}, {"-96.8", -96.8}, {"1,5", 1}, {"000123.4500", 123.45}};
    const std::string half =
        "1.00000000000000011102230246251565404236316680908203125";
    const std::string zeros(1000, '0');
    rows.insert(rows.end(), {{" \t- 1 2 . 5\t", -12.5}, // blanks anywhere
                             {std::string("12\0003", 4), 12},
                             {"1.7976931348623157E308", 1.7976931348623157e308},
                             {half + zeros, 1.0},
                             {half + zeros + "1", 1.0000000000000002},
                             {"0." + zeros + "5E1002", 50}});
    for (const auto &[text, expected] : rows) {
        double value = -999;
        EXPECT_TRUE(ReadPlainNumber(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    double value = 0;
    for (const std::string text :
         {"1E309", "-1E309", "2D400", "1E99999999999999"})
        EXPECT_FALSE(ReadPlainNumber(text, value)) << text;
    EXPECT_FALSE(ReadPlainNumber("1" + zeros + zeros, value));

    // Stored as 16-bit whole numbers, a half to the even neighbour, or in
    // single precision, each within its range.
    const std::tuple<double, bool, int16_t> stored[] = {
        {0.5, true, 0},       {1.5, true, 2},         {2.5, true, 2},
        {NAN, false, 0},      {-2.5, true, -2},       {-3.5, true, -4},
        {2.4999, true, 2},    {1e300, false, 0},      {32767.5, false, 0},
        {-32768.6, false, 0}, {32767.4, true, 32767}, {-32768.5, true, -32768}};
    for (const auto &[number, ok, expected] : stored) {
        int16_t out = 777;
        EXPECT_EQ(RoundToInt16(number, out), ok) << number;
        EXPECT_EQ(out, ok ? expected : 777) << number;
    }
    // Single precision: a value rounding down to the largest float, one
    // rounding beyond, and one too small that becomes 0.
    float out = 1;
    EXPECT_TRUE(ToSingle(3.4028235e38, out));
    EXPECT_EQ(out, 3.4028234663852886e38f);
    EXPECT_FALSE(ToSingle(3.4028236e38, out) || ToSingle(-1e39, out));
    EXPECT_TRUE(ToSingle(1e-50, out) && out == 0.0f);
}

// Typed numbers: digits, "." or "," as point, sign, exponent, one suffix
// letter, nothing else; sixteen digits, sign and point at most; held to
// +-1e10, overflow +1e10.
TEST(UserNumberText, ReadInEngineeringNotationAndShownShort) {
    std::vector<std::pair<std::string, float>> rows = {
        {"", 0},        {"5 kW", 5000},    {"-0", 0},      {"1e5k", 1e5f},
        {"k5", 5},      {"1.19k", 1190},   {"+5", 5},      {"1,19K", 1190},
        {"E5", 5},      {"2k e5", 2000},   {"7E", 7},      {"10 MW", 1e7f},
        {"abc", 0},     {"3e10", 1e10f},   {"-.k", 0},     {"1e40", 1e10f},
        {"--5", -5},    {"1,5.2", 1.52f},  {"5-3", 53},    {"2E-3", 0.002f},
        {"7g", 7e9f},   {"1.2.3", 1.23f},  {"1e-50", 0},   {"-1e40", 1e10f},
        {"1k5", 1000},  {"1E999", 1e10f},  {"-.5", -0.5f}, {"1e3.5", 1e10f},
        {"1190", 1190}, {"-2e10", -1e10f}, {"1E+3", 1000}, {"5e--3", 0.005f}};
    const std::pair<std::string, float> longer[] = {
        {"3N", 3.0f * 1e-9f},     {"-0000000000000001", 0},
        {"2u", 2.0f * 1e-6f},     {"0.000000000000001", 0},
        {"1190 kHz", 1190000},    {"10 mW", 0.0100000007f},
        {"  -84.32 ", -84.32f},   {"00000000000000001", 0},
        {"1.5p", 1.5f * 1e-12f},  {"12345678901234567890E-10", 1e10f},
        {"0000000000000001", 1},  {"1234567890123E-45", 123456789.0123f},
        {"-000000000000001", -1}, {"1234567890.1234567", 1234567890.12345f}};
    rows.insert(rows.end(), std::begin(longer), std::end(longer));
    rows.push_back({std::string("1\0002\3773", 5), 123}); // bytes ignored
    for (const auto &[text, expected] : rows) {
        EXPECT_EQ(ParseNumberText(text), expected) << text;
    }
    EXPECT_FALSE(std::signbit(ParseNumberText("-0")));

    // Shown as short text: a true half goes away from zero; 0.000015 is
    // 1.4999999e-5 in single.
    const std::pair<double, const char *> shown[] = {
        {0, "0"},         {1234.5, "1235"},     {0.123456, ".12346"},
        {0.25, ".25"},    {-0.000009, "0"},     {0.000015, ".00001"},
        {1e10, "10G"},    {1500000, "1.5M"},    {-84.3167, "-84.317"},
        {0.00001, "0"},   {999.996, "1000"},    {999999.5, "1000000"},
        {-1e10, "-10G"},  {-1234.5, "-1235"},   {0.0000251, ".00003"},
        {0.000009, "0"},  {36.0234, "36.023"},  {2500000000.0, "2.5G"},
        {-0.25, "-0.25"}, {100.125, "100.13"},  {1.23456789, "1.2346"},
        {1234.4, "1234"}, {999999999, "1000M"}, {12.3456789, "12.346"}};
    for (const auto &[number, text] : shown) {
        EXPECT_EQ(FormatNumberText(number), text) << number;
    }
    // The shortest text reading back to the same float, never in E notation.
    EXPECT_EQ(ShortestText(32.78f), "32.78");
    EXPECT_EQ(ShortestText(-0.25f), "-0.25");
    EXPECT_EQ(ShortestText(1e10f), "10000000000");
    EXPECT_EQ(ShortestText(0.00001f), "0.00001");
    // With the sign position: a blank before zero and positive values.
    EXPECT_EQ(SignedNumberText(36.02f), " 36.02");
    EXPECT_EQ(SignedNumberText(-0.0f), " 0");
    EXPECT_EQ(SignedNumberText(-84.32f), "-84.32");
}

// The pending events run once, at once; then the wait. No wait at all for
// zero, a negative time or NaN.
TEST(WaitSeconds, RunsPendingEventsOnceThenWaits) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    std::vector<Clock::duration> calls;
    WaitSeconds(0.3f, [&] { calls.push_back(Clock::now() - start); });
    const Clock::duration waited = Clock::now() - start;
    WaitSeconds(0.0f, nullptr);
    WaitSeconds(-5.0f, [] {});
    WaitSeconds(std::nanf(""), [] {});
    EXPECT_LT(Clock::now() - start - waited, std::chrono::milliseconds(500));
    EXPECT_TRUE(waited >= std::chrono::milliseconds(300) &&
                waited < std::chrono::seconds(2));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_LT(calls[0], std::chrono::milliseconds(100));
}

class TextFileTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(dir_ / "d"); }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string &name, const std::string &bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }
    // Every line of a file holding `bytes`, each followed by '|'.
    std::string ReadAll(const std::string &bytes,
                        LineEnds ends = LineEnds::CrOrCrLf) {
        TextFileReader reader(ends);
        std::string lines, line;
        EXPECT_TRUE(reader.Open(Write("lines.txt", bytes)));
        while (reader.ReadLine(line)) {
            lines += line + '|';
            EXPECT_EQ(reader.LineNumber(),
                      std::count(lines.begin(), lines.end(), '|'));
        }
        EXPECT_TRUE(reader.AtEnd() && !reader.Failed());
        return lines;
    }
    const fs::path dir_ = fs::temp_directory_path() /
                          ("tavik_text_file_" + std::to_string(::getpid()));
};

// CR LF or a lone CR ends a line, a lone LF stays in it; lines are cut at the
// limit and the rest of an overlong line is skipped.
TEST_F(TextFileTest, LineEndsLongLinesAndNul) {
    const std::string full(TextFileReader::kMaxLineLength, 'x');
    const std::string atLimit = full + "\r\nnext", over = full + "y\r\nnext";
    const std::string huge = full + std::string(1 << 20, 'y') + "\r\nnext";
    const std::string nul("a\0b\xff\x80\r\n\0", 8),
        nulRead("a\0b\xff\x80|\0|", 8);
    const std::string cut = full + "|next|";
    const std::pair<std::string, std::string> rows[] = {
        {"", ""},       {nul, nulRead},       {"a\nb\r\n", "a\nb|"},
        {"\r", "|"},    {"a\r\r\n", "a||"},   {"a\nb\n", "a\nb\n|"},
        {over, cut},    {"a\rb\r", "a|b|"},   {"a\r\nb\r\n", "a|b|"},
        {huge, cut},    {"a\n\rb", "a\n|b|"}, {"a\r\nlast", "a|last|"},
        {atLimit, cut}, {"\r\n\r\nx", "||x|"}};
    for (const auto &[bytes, lines] : rows) {
        EXPECT_EQ(ReadAll(bytes), lines) << bytes.substr(0, 20);
    }
    // The imported Unix lists end lines at LF, a CR before it dropped; the
    // session file takes CR LF, CR and LF alike.
    EXPECT_EQ(ReadAll("a\nb\r\nc\rd\n\nlast", LineEnds::Lf), "a|b|c\rd||last|");
    EXPECT_EQ(ReadAll("a\nb\r\nc\rd\n\n\r\rlast", LineEnds::Any),
              "a|b|c|d||||last|");
    // A CR LF on every offset around the 64 KiB block edge is one line end.
    for (const LineEnds ends : {LineEnds::CrOrCrLf, LineEnds::Any}) {
        for (std::size_t before = 65530; before <= 65540; ++before) {
            EXPECT_EQ(
                ReadAll(std::string(before, 'x') + "\r\nnext\r\n\r\n", ends),
                cut + "|")
                << before;
        }
    }
}

// Names are matched without regard to case, in the working directory when
// none is given; only regular files, or links to them, are data files.
TEST_F(TextFileTest, OpenByNameInAnyCaseReopenAndClose) {
    Write("1340.DAT", "x");
    Write("Tavik.lst", "x");
    Write("d/St.Dat", "x");
    fs::create_directories(dir_ / "530.dat");
    ASSERT_EQ(::mkfifo((dir_ / "540.DAT").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir_ / "STATES.dat");
    fs::create_symlink("Tavik.lst", dir_ / "REGION2.dat");
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    // Directory, name asked, file found ("" for none).
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"", "530.DAT", ""},          {"", "", ""},
        {"", "1340.DA", ""},          {"", "d/ST.DAT", "d/St.Dat"},
        {"", "1350.DAT", ""},         {"d/", "st.dat", "d/St.Dat"},
        {"d", "ST.DAT", "d/St.Dat"},  {"", "1340.DAT", "1340.DAT"},
        {"nowhere", "1340.DAT", ""},  {"", "tAVIK.LST", "Tavik.lst"},
        {"", "1340.dat", "1340.DAT"}, {"", "540.DAT", ""},
        {"", "states.dat", ""},       {"", "REGION2.DAT", "REGION2.dat"}};
    for (const auto &[dir, asked, found] : rows) {
        EXPECT_EQ(ResolveFileNoCase(dir, asked), found) << dir << " " << asked;
    }
    fs::current_path(before);
    EXPECT_EQ(ResolveFileNoCase(dir_.string(), "1340.dat"),
              dir_.string() + "/1340.DAT");

    // A failed open leaves nothing to read; a directory opens here but
    // cannot be read: a failure, not an empty file. Opening again starts
    // afresh, and the caller's storage is reused.
    TextFileReader reader;
    std::string line;
    EXPECT_FALSE(reader.Open((dir_ / "absent.txt").string()));
    EXPECT_TRUE(!reader.IsOpen() && reader.AtEnd() && !reader.ReadLine(line));
    if (reader.Open(dir_.string())) {
        EXPECT_FALSE(reader.ReadLine(line));
        EXPECT_TRUE(reader.Failed());
    }
    ASSERT_TRUE(reader.Open(Write("one.txt", "1a\r\n1b\r\n")));
    ASSERT_TRUE(reader.ReadLine(line)); // "1a"
    ASSERT_TRUE(reader.Open(Write("two.txt", std::string(99, 'w') + "\r2a")));
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, std::string(99, 'w'));
    const char *storage = line.data();
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_TRUE(line == "2a" && line.data() == storage);
    EXPECT_FALSE(reader.ReadLine(line));
    reader.Close();
    EXPECT_TRUE(!reader.IsOpen() && reader.AtEnd());
}

constexpr double kDpr = 57.29578f; // the program's degrees per radian

// Against an independent reference, the haversine distance and the atan2
// form of the initial course; then places on the map.
TEST(GreatCircleAndMapPosition, MatchTheHaversineReference) {
    // Latitude and longitude (WEST positive) of origin and target: Anchorage
    // to Miami, across the date line, in the southern hemisphere, to the
    // north pole, then 1 to 1000 km north, south, east and west of Oak Ridge.
    std::vector<std::tuple<float, float, float, float>> arcs = {
        {61.22f, 149.9f, 25.77f, 80.19f},
        {51.88f, -176.6f, 52.0f, 179.0f},
        {-33.9f, 70.6f, -23.5f, 46.6f},
        {36, 84.32f, 90, 0}};
    for (const double km : {1.0, 10.0, 100.0, 1000.0}) {
        const auto dLat = static_cast<float>(km / kKmPerDegree);
        const auto dLon =
            static_cast<float>(km / (kKmPerDegree * std::cos(36 / kDpr)));
        arcs.push_back({36, 84.32f, 36 + dLat, 84.32f});
        arcs.push_back({36, 84.32f, 36 - dLat, 84.32f});
        arcs.push_back({36, 84.32f, 36, 84.32f - dLon});
        arcs.push_back({36, 84.32f, 36, 84.32f + dLon});
    }
    for (const auto &[lat1, lon1West, lat2, lon2West] : arcs) {
        SCOPED_TRACE(std::to_string(lat2) + " " + std::to_string(lon2West));
        const double p1 = lat1 / kDpr, p2 = lat2 / kDpr;
        const double c1 = std::cos(p1), c2 = std::cos(p2);
        const double dl = (lon1West - lon2West) / kDpr;
        const double s = std::sin((p2 - p1) / 2), t = std::sin(dl / 2);
        const double km = 2 * std::asin(std::sqrt(s * s + c1 * c2 * t * t));
        const double course =
            std::atan2(std::sin(dl) * c2,
                       c1 * std::sin(p2) - std::sin(p1) * c2 * std::cos(dl));
        const DistanceBearing db = GreatCircle(lat1, lon1West, -lon2West, lat2);
        EXPECT_NEAR(db.distanceKm, km * kDpr * kKmPerDegree,
                    std::min(1e-4, 1e-6 * db.distanceKm));
        EXPECT_NEAR(db.bearingDeg, std::fmod(course * kDpr + 360, 360), 1e-3);
    }
    const DistanceBearing here = GreatCircle(32.78f, 96.82f, -96.82f, 32.78f);
    EXPECT_TRUE(here.distanceKm == 0 && here.bearingDeg == 90.0f);
    // The antipode: pi short, as the arc cosine of -1 gives it, also where
    // the central angle's cosine rounds to a hair below -1; beyond -1..1 the
    // arc cosine is not a number.
    for (const DistanceBearing &db :
         {GreatCircle(36, 84.32f, 95.68f, -36),
          GreatCircle(-57.6999969f, 6.8f, -186.8f, 57.6999969f)})
        EXPECT_NEAR(db.distanceKm, 3.14159265 * kDpr * kKmPerDegree, 1e-3);
    EXPECT_TRUE(std::isnan(ArcCos(1.0000001)) &&
                std::isnan(ArcCos(-1.0000001)));
    // One step of single precision west of due north: 360 less a few
    // millionths rounds to 360 in single precision, and that is north, 0.
    const float west = std::nextafter(84.32f, 90.0f);
    EXPECT_EQ(GreatCircle(36, 84.32f, -west, 60).bearingDeg, 0.0f);

    // On the map home (Oak Ridge) is the centre (6000, 4500); one km is
    // scale / 75 units; each coordinate held to +-30000. Expected places
    // from the reference above.
    const float d1 = static_cast<float>(1 / kKmPerDegree);
    // Name, latitude, longitude (WEST positive), scale, expected x and y.
    const std::tuple<const char *, float, float, float, float, float> rows[] = {
        {"100 km north", 36.0f + 100 * d1, 84.32f, 750, 6000, 3500},
        {"1 km north", 36.0f + d1, 84.32f, 1000, 6000, 4500 - 1000.0f / 75},
        {"east, a little north", 36.0f, 83.0f, 750, 7190.034f, 4491.942f},
        {"far south-east: both held", 10.0f, 60.0f, 10000, 30000, 30000}};
    for (const auto &[name, lat, lonWest, scale, x, y] : rows) {
        const MapPoint p = MapPosition({36, 84.32f, scale}, lat, lonWest);
        EXPECT_NEAR(p.x, x, 0.01) << name;
        EXPECT_NEAR(p.y, y, 0.01) << name;
    }
    EXPECT_EQ(ClampToMap(-45000.0f), -30000.0f);
    EXPECT_EQ(ClampToMap(-29999.5f), -29999.5f);
    EXPECT_EQ(ClampToMap(std::nanf("")), -30000.0f); // never on the map
}

} // namespace
} // namespace tavik
