#include "map/recording_surface.h"

#include <gtest/gtest.h>

namespace tavik {
namespace {

using R = RecordingSurface;

TEST(RecordingSurface, CurrentPointAfterEachOperation) {
    const struct {
        const char *name;
        void (*draw)(R &);
        float x, y;
    } rows[] = {
        {"Cls", [](R &s) { s.Cls(); }, 0, 0},
        {"Line", [](R &s) { s.Line(1, 2, -3, 40000, 0); }, -3, 40000},
        {"LineTo", [](R &s) { s.LineTo(7, -8, kRed); }, 7, -8},
        {"PSet", [](R &s) { s.PSet(500, 6700, kWhite); }, 500, 6700},
        {"FilledBox", [](R &s) { s.FilledBox(1, 2, 3, 4, 0); }, 111, 222},
        {"Circle", [](R &s) { s.Circle(6, 4, 5, kRed); }, 111, 222},
        {"Message", [](R &s) { s.ShowMessage("oops"); }, 111, 222},
        // Text: see CurrentPointAgreesWithTheRecordingSurface.
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        R s;
        s.PSet(111, 222, kWhite); // so that a missed update shows
        row.draw(s);
        EXPECT_FLOAT_EQ(s.state.currentX, row.x);
        EXPECT_FLOAT_EQ(s.state.currentY, row.y);
    }
}

// Numbers read back exactly, in the fewest digits, without exponent.
// Colours are the low 24 bits; text is escaped.
TEST(TraceLine, FormatsEveryOperation) {
    using K = OpKind;
    const struct {
        DrawOp op;
        const char *line;
    } rows[] = {
        {{K::Cls, {}, 0, ""}, "Cls"},
        {{K::Line, {0.1f, -32.78f, 6000.5f, -0.25f}, 0xCC8888, ""},
         "Line 0.1 -32.78 6000.5 -0.25 0xCC8888"},
        {{K::LineTo, {6133.5f, 4500}, 0xDDDDFF, ""},
         "LineTo 6133.5 4500 0xDDDDFF"},
        {{K::FilledBox, {150, 590, 3900, 890}, 0xF0F0FF, ""},
         "FilledBox 150 590 3900 890 0xF0F0FF"},
        {{K::Circle, {6000, 4500, 50}, kRed, ""},
         "Circle 6000 4500 50 0x0000FF"},
        {{K::PSet, {5955, 395}, kWhite, ""}, "PSet 5955 395 0xFFFFFF"},
        {{K::SetForeColor, {}, 0xabcdef, ""}, "SetForeColor 0xABCDEF"},
        {{K::SetForeColor, {}, 0x80000012, ""}, "SetForeColor 0x000012"},
        {{K::SetFontSize, {1.0f / 3}, 0, ""}, "SetFontSize 0.33333334"},
        {{K::SetDrawWidth, {3}, 0, ""}, "SetDrawWidth 3"},
        {{K::PrintText, {}, 0, ""}, "PrintText "},
        {{K::PrintText, {}, 0, " a\\b\r\nc  "}, "PrintText  a\\\\b\\r\\nc  "},
        {{K::Message, {}, 0, "two\r\nlines"}, "Message two\\r\\nlines"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(TraceLine(row.op), row.line);
}

} // namespace
} // namespace tavik
