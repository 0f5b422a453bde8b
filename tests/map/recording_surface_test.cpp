#include "map/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tavik {
namespace {

// ---- State the operations leave behind -------------------------------------

struct StateRow {
    const char *name;
    std::function<void(RecordingSurface &)> draw;
    float x, y; // current point afterwards
};

void PrintTo(const StateRow &row, std::ostream *os) { *os << row.name; }

class RecordingState : public ::testing::TestWithParam<StateRow> {};

TEST_P(RecordingState, CurrentPoint) {
    RecordingSurface s;
    // Start somewhere other than the origin so that a missed update shows.
    s.PSet(111, 222, kWhite);
    GetParam().draw(s);
    EXPECT_FLOAT_EQ(s.currentX, GetParam().x);
    EXPECT_FLOAT_EQ(s.currentY, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Ops, RecordingState,
    ::testing::Values(
        StateRow{"ClsGoesToOrigin", [](auto &s) { s.Cls(); }, 0, 0},
        StateRow{"LineEndsAtSecondPoint",
                 [](auto &s) { s.Line(1, 2, -3.5f, 40000, kRed); }, -3.5f,
                 40000},
        StateRow{"LineToEndsAtItsPoint", [](auto &s) { s.LineTo(7, -8, kRed); },
                 7, -8},
        StateRow{"PSetPlacesText", [](auto &s) { s.PSet(500, 6700, kWhite); },
                 500, 6700},
        StateRow{"FilledBoxLeavesPoint",
                 [](auto &s) { s.FilledBox(1, 2, 3, 4, kWhite); }, 111, 222},
        StateRow{"CircleLeavesPoint",
                 [](auto &s) { s.Circle(6000, 4500, 50, kRed); }, 111, 222},
        // 10 points x 20 units x 1.2 line spacing = 240 units a line.
        StateRow{"PrintTextAtDefaultSize",
                 [](auto &s) { s.PrintText("Unlimited"); }, 0, 222 + 240},
        StateRow{"PrintTextAtEightPoints",
                 [](auto &s) {
                     s.SetFontSize(8);
                     s.PrintText("WABC");
                 },
                 0, 222 + 192},
        StateRow{"TwoLinesOfText",
                 [](auto &s) {
                     s.PrintText("a");
                     s.PrintText("");
                 },
                 0, 222 + 480},
        StateRow{"MessageLeavesPoint", [](auto &s) { s.ShowMessage("oops"); },
                 111, 222}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RecordingSurface, KeepsArgumentsInOrderWithMessagesWhereShown) {
    RecordingSurface s;
    s.Line(1, 2, 3, 4, 0xCC8888);
    s.ShowMessage("We had a problem plotting 1340.DAT");
    s.Circle(6000, 4500, 50, kRed);
    s.SetDrawWidth(5);
    ASSERT_EQ(s.ops.size(), 4u);
    EXPECT_EQ(s.ops[0].kind, OpKind::Line);
    EXPECT_FLOAT_EQ(s.ops[0].a[3], 4);
    EXPECT_EQ(s.ops[0].colour, 0xCC8888u);
    EXPECT_EQ(s.ops[1].kind, OpKind::Message);
    EXPECT_EQ(s.ops[1].text, "We had a problem plotting 1340.DAT");
    EXPECT_EQ(s.ops[2].kind, OpKind::Circle);
    EXPECT_FLOAT_EQ(s.ops[2].a[2], 50);
    EXPECT_EQ(s.ops[3].kind, OpKind::SetDrawWidth);
    EXPECT_FLOAT_EQ(s.ops[3].a[0], 5);
}

// ---- PrintNumber
// -------------------------------------------------------------

struct NumberRow {
    const char *name;
    float value;
    const char *printed;
};

void PrintTo(const NumberRow &row, std::ostream *os) { *os << row.name; }

class PrintNumberText : public ::testing::TestWithParam<NumberRow> {};

TEST_P(PrintNumberText, SignPositionThenDigits) {
    RecordingSurface s;
    s.PrintNumber(GetParam().value);
    ASSERT_EQ(s.ops.size(), 1u);
    EXPECT_EQ(s.ops[0].kind, OpKind::PrintText);
    EXPECT_EQ(s.ops[0].text, GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PrintNumberText,
    ::testing::Values(NumberRow{"Channel", 1340, " 1340"},
                      NumberRow{"Negative", -5, "-5"},
                      NumberRow{"Zero", 0, " 0"},
                      NumberRow{"NegativeZero", -0.0f, " 0"},
                      NumberRow{"Fraction", 32.78f, " 32.78"},
                      NumberRow{"NegativeFraction", -0.25f, "-0.25"},
                      NumberRow{"CompassLabel", 350, " 350"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Trace lines
// ---------------------------------------------------------------

DrawOp Op(OpKind kind, std::vector<float> a, Color c = 0,
          std::string text = {}) {
    DrawOp op;
    op.kind = kind;
    for (size_t i = 0; i < a.size() && i < 4; ++i)
        op.a[i] = a[i];
    op.colour = c;
    op.text = std::move(text);
    return op;
}

struct TraceRow {
    const char *name;
    DrawOp op;
    const char *line;
};

void PrintTo(const TraceRow &row, std::ostream *os) { *os << row.name; }

class TraceFormat : public ::testing::TestWithParam<TraceRow> {};

TEST_P(TraceFormat, Line) {
    EXPECT_EQ(TraceLine(GetParam().op), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Ops, TraceFormat,
    ::testing::Values(
        TraceRow{"Cls", Op(OpKind::Cls, {}), "Cls"},
        TraceRow{"LineRed", Op(OpKind::Line, {1, 2, 3, 4}, kRed),
                 "Line 1 2 3 4 0x0000FF"},
        TraceRow{"LineFractions",
                 Op(OpKind::Line, {0.1f, -32.78f, 6000.5f, -0.25f}, 0xCC8888),
                 "Line 0.1 -32.78 6000.5 -0.25 0xCC8888"},
        TraceRow{"LineTo", Op(OpKind::LineTo, {6133.5f, 4500}, 0xDDDDFF),
                 "LineTo 6133.5 4500 0xDDDDFF"},
        TraceRow{"FilledBox",
                 Op(OpKind::FilledBox, {150, 590, 3900, 890}, 0xF0F0FF),
                 "FilledBox 150 590 3900 890 0xF0F0FF"},
        TraceRow{"Circle", Op(OpKind::Circle, {6000, 4500, 50}, kRed),
                 "Circle 6000 4500 50 0x0000FF"},
        TraceRow{"PSetWhite", Op(OpKind::PSet, {5955, 395}, kWhite),
                 "PSet 5955 395 0xFFFFFF"},
        TraceRow{"HexIsUpperCase", Op(OpKind::SetForeColor, {}, 0xabcdef),
                 "SetForeColor 0xABCDEF"},
        TraceRow{"HexKeepsLeadingZeros", Op(OpKind::SetForeColor, {}, 0x000099),
                 "SetForeColor 0x000099"},
        TraceRow{"HexOnlyLow24Bits", Op(OpKind::SetForeColor, {}, 0x80000012),
                 "SetForeColor 0x000012"},
        TraceRow{"FontSize", Op(OpKind::SetFontSize, {8}), "SetFontSize 8"},
        TraceRow{"FontSizeHalf", Op(OpKind::SetFontSize, {8.5f}),
                 "SetFontSize 8.5"},
        TraceRow{"DrawWidth", Op(OpKind::SetDrawWidth, {3}), "SetDrawWidth 3"},
        TraceRow{"TextKeepsLeadingBlank", Op(OpKind::PrintText, {}, 0, " 1340"),
                 "PrintText  1340"},
        TraceRow{"TextKeepsInnerAndTrailingBlanks",
                 Op(OpKind::PrintText, {}, 0, "Home:  Ames "),
                 "PrintText Home:  Ames "},
        TraceRow{"EmptyText", Op(OpKind::PrintText, {}, 0, ""), "PrintText "},
        TraceRow{"TextEscapes", Op(OpKind::PrintText, {}, 0, "a\\b\r\nc\n"),
                 "PrintText a\\\\b\\r\\nc\\n"},
        TraceRow{
            "Message",
            Op(OpKind::Message, {}, 0, "We had a problem plotting 1340.DAT"),
            "Message We had a problem plotting 1340.DAT"},
        TraceRow{"MessageEscapes", Op(OpKind::Message, {}, 0, "two\r\nlines"),
                 "Message two\\r\\nlines"}),
    [](const auto &info) { return std::string(info.param.name); });

// Every number in a trace must read back to exactly the float that was drawn
// (-0 included), in plain decimals, and with no more significant digits than
// needed. Above 2^24 floats are whole numbers that plain decimals spell out in
// full, so the digit count is checked below that.
class TraceNumbers : public ::testing::TestWithParam<float> {};

TEST_P(TraceNumbers, ReadBackExactlyAndShortest) {
    const float value = GetParam();
    const std::string line = TraceLine(Op(OpKind::SetFontSize, {value}));
    const std::string prefix = "SetFontSize ";
    ASSERT_EQ(line.compare(0, prefix.size(), prefix), 0) << line;
    const std::string text = line.substr(prefix.size());
    char *end = nullptr;
    const float back = std::strtof(text.c_str(), &end);
    EXPECT_EQ(*end, '\0') << text;
    EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    if (!(std::fabs(value) < 16777216.0f))
        return;

    // Significant digits of the text: no sign, point, nor leading
    // or trailing zeros ("2200" has two, "30000.5" six).
    std::string mantissa;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9' && !(ch == '0' && mantissa.empty()))
            mantissa += ch;
    }
    while (!mantissa.empty() && mantissa.back() == '0')
        mantissa.pop_back();
    const int digits = static_cast<int>(mantissa.size());
    for (int precision = 1; precision < digits; ++precision) {
        char shorter[400];
        std::snprintf(shorter, sizeof shorter, "%.*g", precision, value);
        EXPECT_NE(std::strtof(shorter, nullptr), value)
            << text << " could be " << shorter;
    }
}

INSTANTIATE_TEST_SUITE_P(Floats, TraceNumbers,
                         ::testing::Values(0.1f, 0.3f, 1e-05f, 1.0f / 3,
                                           -123456.79f, 16777215.0f, 30000.5f,
                                           -0.0f, 1.17549435e-38f,
                                           3.4028235e38f, 2.2f * 1000));

} // namespace
} // namespace tavik
