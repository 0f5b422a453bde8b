#include "map/recording_surface.h"

#include <gtest/gtest.h>

namespace tavik {
namespace {

// Every operation's trace line is checked where the pictures are drawn; here
// what only odd values show: colours are the low 24 bits, text is escaped
// so that a trace line stays one line and reads back.
TEST(TraceLine, KeepsColoursTo24BitsAndEscapesText) {
    const struct {
        DrawOp op;
        const char *line;
    } rows[] = {
        {{OpKind::Cls, {}, 0, ""}, "Cls"},
        {{OpKind::SetForeColor, {}, 0x80abcdef, ""}, "SetForeColor 0xABCDEF"},
        {{OpKind::PrintText, {}, 0, " a\\b\r\nc  "},
         "PrintText  a\\\\b\\r\\nc  "},
        {{OpKind::Message, {}, 0, "two\r\nlines"}, "Message two\\r\\nlines"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(TraceLine(row.op), row.line);
}

} // namespace
} // namespace tavik
