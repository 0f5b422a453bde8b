// Replaying recorded operations, and trimming a kept drawing to its last Cls.

#include "map/replay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavik {
namespace {

std::vector<std::string> Trace(const std::vector<DrawOp> &ops) {
    std::vector<std::string> lines;
    for (const DrawOp &op : ops)
        lines.push_back(TraceLine(op));
    return lines;
}

TEST(ReplayTest, EveryDrawingOperationArrivesAndMessagesStayBehind) {
    RecordingSurface source, target;
    source.SetForeColor(0x123456);
    source.SetFontSize(8);
    source.SetDrawWidth(3);
    source.Line(1, 2, 3, 4, 0x0000FF);
    source.LineTo(-5.5f, 30000, 0x00FF00);
    source.FilledBox(10, 20, 30, 40, 0xFFF0E0);
    source.Circle(6000, 4500, 50, 0xFF0000);
    source.PSet(7, 8, kWhite);
    source.PrintText("a\\b");
    source.ShowMessage("We had a problem plotting 530.DAT");
    source.Cls();
    for (const DrawOp &op : source.ops)
        Replay(op, target);
    std::vector<DrawOp> expected = source.ops;
    expected.erase(expected.begin() + 9); // the Message
    EXPECT_EQ(Trace(target.ops), Trace(expected));
}

TEST(ReplayTest, DroppingBeforeTheLastClsKeepsTheLastingState) {
    RecordingSurface s, noCls;
    s.SetForeColor(0x119911);
    s.Cls();
    s.SetFontSize(8);
    s.Line(0, 0, 1, 1, kRed);
    s.SetDrawWidth(2);
    s.Cls();
    s.SetFontSize(10);
    s.PrintText("x");
    SurfaceState base;
    EXPECT_EQ(DropBeforeLastCls(s.ops, base), 5u);
    EXPECT_EQ(Trace(s.ops), (std::vector<std::string>{"Cls", "SetFontSize 10",
                                                      "PrintText x"}));
    EXPECT_EQ(base.foreColor, 0x119911u);
    EXPECT_FLOAT_EQ(base.fontSize, 8);
    EXPECT_EQ(base.drawWidth, 2);
    // Already trimmed, or no Cls at all: nothing to drop.
    EXPECT_EQ(DropBeforeLastCls(s.ops, base), 0u);
    noCls.PrintText("y");
    EXPECT_EQ(DropBeforeLastCls(noCls.ops, base), 0u);
    EXPECT_EQ(noCls.ops.size(), 1u);
}

} // namespace
} // namespace tavik
