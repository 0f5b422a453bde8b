#include "core/number_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace tavik {
namespace {

// ---------------------------------------------------------------- TakeField

struct SplitRow {
    const char *name;
    std::string line;
    std::vector<std::string> parts; // what successive calls deliver
};

std::vector<std::string> SplitAllViews(std::string_view line,
                                       void (*take)(std::string_view &,
                                                    std::string_view &)) {
    std::vector<std::string> parts;
    std::string_view out = "<untouched>";
    while (!line.empty()) {
        take(line, out);
        parts.emplace_back(out);
    }
    return parts;
}

TEST(TakeField, SplitsDataLinesAsTheReadersSeeThem) {
    const SplitRow rows[] = {
        {"plain", "K123,USA,TX", {"K123", "USA", "TX"}},
        {"run of commas is one separator",
         "K123,USA,,TX",
         {"K123", "USA", "TX"}},
        {"leading commas skipped", ",,a", {"a"}},
        {"blanks stay part of the field", " a , b", {" a ", " b"}},
        {"trailing commas dropped", "a,b,,,", {"a", "b"}},
        {"single field", "KAAA", {"KAAA"}},
        {"no quoting", "\"a,b\"", {"\"a", "b\""}},
        {"tab and semicolon are ordinary", "a\t;b,c", {"a\t;b", "c"}},
    };
    for (const SplitRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SplitAllViews(row.line, TakeField), row.parts);
    }
}

TEST(TakeField, ExhaustedLineLeavesTheFieldAtItsPreviousValue) {
    std::string_view line = "K123,USA,,TX";
    std::string_view field;
    for (const char *expected : {"K123", "USA", "TX", "TX", "TX"}) {
        TakeField(line, field);
        EXPECT_EQ(field, expected);
    }
    EXPECT_TRUE(line.empty());

    std::string_view commasOnly = ",,,";
    field = "kept";
    TakeField(commasOnly, field);
    EXPECT_EQ(field, "kept");
    EXPECT_TRUE(commasOnly.empty());
}

TEST(TakeField, StringVersionCutsTheLineInPlace) {
    std::string line = ",K123,, USA ,TX";
    std::string field = "old";
    TakeField(line, field);
    EXPECT_EQ(field, "K123");
    EXPECT_EQ(line, " USA ,TX");
    TakeField(line, field);
    EXPECT_EQ(field, " USA ");
    EXPECT_EQ(line, "TX");
    TakeField(line, field);
    EXPECT_EQ(field, "TX");
    EXPECT_EQ(line, "");
    TakeField(line, field);
    EXPECT_EQ(field, "TX");
}

TEST(TakeWord, SplitsOnBlanksOnly) {
    const SplitRow rows[] = {
        {"outline pair", "  12.5   -80.25  ", {"12.5", "-80.25"}},
        {"commas are ordinary", "1,2 3", {"1,2", "3"}},
        {"tab is not a blank", "a\tb c", {"a\tb", "c"}},
        {"blanks only leave the word untouched", "    ", {"<untouched>"}},
    };
    for (const SplitRow &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SplitAllViews(row.line, TakeWord), row.parts);
    }

    std::string line = "  12.5   -80.25  ";
    std::string word;
    TakeWord(line, word);
    EXPECT_EQ(word, "12.5");
    TakeWord(line, word);
    EXPECT_EQ(word, "-80.25");
    EXPECT_EQ(line, "");
}

// ---------------------------------------------------------- ReadPlainNumber

TEST(ReadPlainNumber, ReadsTheLeadingDecimalNumber) {
    struct Row {
        const char *name;
        std::string text;
        double expected;
    };
    const Row rows[] = {
        {"whole", "50", 50},
        {"fraction", "32.78", 32.78},
        {"negative", "-96.8", -96.8},
        {"plus sign", "+7", 7},
        {"point first", ".25", 0.25},
        {"point last", "5.", 5},
        {"blanks and tabs anywhere", " \t- 1 2 . 5\t", -12.5},
        {"E exponent", "1.5E3", 1500},
        {"D exponent", "2D-2", 0.02},
        {"lower-case exponent", "3e2", 300},
        {"exponent without digits", "4E", 4},
        {"exponent sign without digits", "4E-", 4},
        {"stops at a letter", "12abc", 12},
        {"stops at a second point", "1.2.3", 1.2},
        {"comma is not a point", "1,5", 1},
        {"no suffix letters", "5k", 5},
        {"no leading number", "abc", 0},
        {"empty", "", 0},
        {"sign alone", "-", 0},
        {"point alone", ".", 0},
        {"double sign", "--5", 0},
        {"exponent alone", "E5", 0},
        {"underflow reads as zero", "1E-400", 0},
        {"zero with huge exponent", "0E999999", 0},
        {"largest double", "1.7976931348623157E308", 1.7976931348623157e308},
        {"leading zeros", "000123.4500", 123.45},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        double value = -999;
        EXPECT_TRUE(ReadPlainNumber(row.text, value));
        EXPECT_DOUBLE_EQ(value, row.expected);
    }
}

TEST(ReadPlainNumber, OverflowBeyondDoubleFails) {
    for (const char *text : {"1E309", "-1E309", "2D400", "1E99999999999999"}) {
        SCOPED_TRACE(text);
        double value = -1;
        EXPECT_FALSE(ReadPlainNumber(text, value));
    }
}

TEST(ReadPlainNumber, LongDigitRunsStayCorrectlyRounded) {
    // Exactly halfway between 1 and the next double: rounds to even (1).
    const std::string half =
        "1.00000000000000011102230246251565404236316680908203125";
    double value = 0;
    ASSERT_TRUE(ReadPlainNumber(half, value));
    EXPECT_EQ(value, 1.0);
    // A non-zero digit a thousand places further on tips it upward.
    ASSERT_TRUE(ReadPlainNumber(half + std::string(1000, '0') + "1", value));
    EXPECT_EQ(value, 1.0000000000000002);
    ASSERT_TRUE(ReadPlainNumber(half + std::string(1000, '0'), value));
    EXPECT_EQ(value, 1.0);

    // A 2000-digit whole number is 10^1999: beyond double.
    EXPECT_FALSE(ReadPlainNumber("1" + std::string(1999, '0'), value));

    // 1000 digits then an exponent bringing it back into range.
    ASSERT_TRUE(ReadPlainNumber("1" + std::string(999, '0') + "E-998", value));
    EXPECT_DOUBLE_EQ(value, 10);
    ASSERT_TRUE(
        ReadPlainNumber("0." + std::string(999, '0') + "5E1001", value));
    EXPECT_DOUBLE_EQ(value, 50);
}

// ------------------------------------------------------- RoundToInt16 etc.

TEST(RoundToInt16, HalvesGoToTheEvenNeighbourAndRangeIsChecked) {
    struct Row {
        double value;
        bool ok;
        int16_t expected;
    };
    const Row rows[] = {
        {0.5, true, 0},         {1.5, true, 2},           {2.5, true, 2},
        {-2.5, true, -2},       {-3.5, true, -4},         {2.4999, true, 2},
        {2.5001, true, 3},      {12, true, 12},           {32767, true, 32767},
        {32767.4, true, 32767}, {32767.5, false, 0},      {32768, false, 0},
        {-32768, true, -32768}, {-32768.5, true, -32768}, {-32768.6, false, 0},
        {1e300, false, 0},      {-1e300, false, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.value);
        int16_t out = 777;
        EXPECT_EQ(RoundToInt16(row.value, out), row.ok);
        EXPECT_EQ(out, row.ok ? row.expected : 777);
    }
    int16_t out = 5;
    EXPECT_FALSE(RoundToInt16(std::nan(""), out));
    EXPECT_EQ(out, 5);
}

TEST(ToSingle, RejectsValuesThatRoundBeyondSingleRange) {
    float out = 1;
    EXPECT_TRUE(ToSingle(3.4028234663852886e38, out)); // the largest float
    EXPECT_EQ(out, 3.4028234663852886e38f);
    EXPECT_TRUE(ToSingle(3.4028235e38, out)); // rounds down to it
    EXPECT_FALSE(ToSingle(3.4028236e38, out));
    EXPECT_FALSE(ToSingle(-1e39, out));
    EXPECT_TRUE(ToSingle(1e-50, out));
    EXPECT_EQ(out, 0.0f);
}

// --------------------------------------------------------- ParseNumberText

TEST(ParseNumberText, ReadsForgivingEngineeringNotation) {
    struct Row {
        const char *name;
        std::string text;
        float expected;
    };
    const Row rows[] = {
        {"whole", "1190", 1190.0f},
        {"kilo suffix", "1.19k", 1190.0f},
        {"comma point and capital K", "1,19K", 1190.0f},
        {"blanks around", "  -84.32 ", -84.32f},
        {"exponent", "1e3", 1000.0f},
        {"exponent with plus", "1E+3", 1000.0f},
        {"negative exponent", "2E-3", 0.002f},
        {"unit after suffix", "5 kW", 5000.0f},
        // 10 times the single constant 0.001f, rounded once to single.
        {"milli", "10 mW", 0.0100000007f},
        {"mega", "10 MW", 1e7f},
        {"k of kHz is a suffix", "1190 kHz", 1190000.0f},
        {"digits after a suffix ignored", "1k5", 1000.0f},
        {"sign after a digit ignored", "5-3", 53.0f},
        {"second point ignored", "1.2.3", 1.23f},
        {"empty", "", 0.0f},
        {"no digits", "abc", 0.0f},
        {"suffix before any digit ignored", "k5", 5.0f},
        {"clamped below", "-2e10", -1e10f},
        {"clamped above", "3e10", 1e10f},
        {"single overflow", "1e40", 1e10f},
        {"single overflow of a negative", "-1e40", 1e10f},
        {"double overflow", "1E999", 1e10f},
        {"seventeenth digit dropped", "00000000000000001", 0.0f},
        {"sixteen digits kept", "0000000000000001", 1.0f},
        {"sign counts toward the sixteen", "-000000000000001", -1.0f},
        {"sign counts toward the sixteen, digit dropped", "-0000000000000001",
         0.0f},
        {"point counts toward the sixteen", "0.000000000000001", 0.0f},
        // The exponent's digits come too late to count: 1234567890123456
        // is read, then clamped.
        {"twenty digits and an exponent", "12345678901234567890E-10", 1e10f},
        {"exponent digits count toward the sixteen", "1234567890123E-45",
         123456789.0123f},
        {"point counts toward the sixteen", "1234567890.1234567",
         1234567890.12345f},
        {"pico", "1.5p", 1.5f * 1e-12f},
        {"nano capital", "3N", 3.0f * 1e-9f},
        {"micro", "2u", 2.0f * 1e-6f},
        {"giga", "7g", 7e9f},
        {"no suffix after exponent", "1e5k", 1e5f},
        {"no exponent after suffix", "2k e5", 2000.0f},
        {"no point after exponent", "1e3.5", 1e10f},
        {"point only", ".", 0.0f},
        {"sign only", "-", 0.0f},
        {"sign point and suffix", "-.k", 0.0f},
        {"leading point", "-.5", -0.5f},
        {"plus sign", "+5", 5.0f},
        {"double minus", "--5", -5.0f},
        {"repeated sign after exponent", "5e--3", 0.005f},
        {"exponent letter first is ignored", "E5", 5.0f},
        {"exponent without digits", "7E", 7.0f},
        {"underflow", "1e-50", 0.0f},
        {"negative zero reads as zero", "-0", 0.0f},
        {"comma then point", "1,5.2", 1.52f},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseNumberText(row.text), row.expected);
    }
    EXPECT_FALSE(std::signbit(ParseNumberText("-0")));
}

// -------------------------------------------------------- FormatNumberText

TEST(FormatNumberText, ShowsShortTextWithShrinkingDecimals) {
    struct Row {
        double value;
        const char *expected;
    };
    const Row rows[] = {
        {0, "0"},
        {0.25, ".25"},
        {-0.25, "-0.25"},
        {36.0234, "36.023"},
        {-84.3167, "-84.317"},
        {1190, "1190"},
        {1500000, "1.5M"},
        {999.996, "1000"},
        {1234.4, "1234"},
        {1234.5, "1235"}, // a true half goes away from zero
        {-1234.5, "-1235"},
        {100.125, "100.13"}, // exact in single: a half, away from zero
        {999999.5, "1000000"},
        {999999999, "1000M"},
        {2500000000.0, "2.5G"},
        {1e10, "10G"},
        {-1e10, "-10G"},
        {0.123456, ".12346"},
        {1.23456789, "1.2346"},
        {12.3456789, "12.346"},
        {1, "1"},
        {0.5, ".5"},
        {0.00001, "0"},
        {0.000009, "0"},
        {-0.000009, "0"},
        // 0.000015 is 1.4999999e-5 in single, which rounds down.
        {0.000015, ".00001"},
        {0.0000251, ".00003"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(FormatNumberText(row.value), row.expected);
    }
}

TEST(ShortestText, ReadsBackToTheSameFloatInPlainNotation) {
    struct Row {
        float value;
        const char *expected;
    };
    const Row rows[] = {
        {1340.0f, "1340"}, {32.78f, "32.78"},         {-0.25f, "-0.25"},
        {0.1f, "0.1"},     {1e10f, "10000000000"},    {0.00001f, "0.00001"},
        {530.5f, "530.5"}, {16777216.0f, "16777216"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(ShortestText(row.value), row.expected);
    }
}

// Arbitrary bytes, biased toward the characters the readers look at: every
// reader stays within its limits and leaves its line shorter each time.
TEST(NumberText, ArbitraryInputStaysWithinLimits) {
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789.,+-eEdDkKmMgGpPnNuU \t\r\n\0x";
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> pick(0, 255);
    for (int round = 0; round < 20000; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char &c : text) {
            const int r = pick(random);
            c = r < 200
                    ? alphabet[static_cast<std::size_t>(r) % alphabet.size()]
                    : static_cast<char>(r);
        }
        const float parsed = ParseNumberText(text);
        ASSERT_TRUE(parsed >= -1e10f && parsed <= 1e10f) << text;
        double plain = 0;
        if (ReadPlainNumber(text, plain)) {
            ASSERT_TRUE(std::isfinite(plain)) << text;
        }
        ASSERT_FALSE(FormatNumberText(parsed).empty());

        std::string_view line = text;
        std::string_view field;
        while (!line.empty()) {
            const std::size_t before = line.size();
            TakeField(line, field);
            ASSERT_LT(line.size(), before);
            ASSERT_EQ(field.find(','), std::string_view::npos);
        }
    }
}

// ------------------------------------------------------------- WaitSeconds

TEST(WaitSeconds, RunsPendingEventsOnceThenWaits) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    int calls = 0;
    Clock::duration callAt{};
    WaitSeconds(0.3f, [&] {
        ++calls;
        callAt = Clock::now() - start;
    });
    const double elapsed =
        std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_EQ(calls, 1);
    EXPECT_LT(std::chrono::duration<double>(callAt).count(), 0.1);
    EXPECT_GE(elapsed, 0.3);
    EXPECT_LT(elapsed, 2.0);
}

TEST(WaitSeconds, NonPositiveOrMissingValuesReturnAtOnce) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    WaitSeconds(0.0f, nullptr);
    WaitSeconds(-5.0f, [] {});
    WaitSeconds(std::nanf(""), [] {});
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 0.5);
}

} // namespace
} // namespace tavik
