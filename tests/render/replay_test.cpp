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

// Every kind of operation arrives but the Message; trimming drops all before
// the last Cls and keeps the state those operations set.
TEST(ReplayTest, OperationsArriveAndTrimmingKeepsTheLastingState) {
    RecordingSurface source, target, noCls;
    source.SetForeColor(0x123456);
    source.SetFontSize(8);
    source.Cls();
    source.SetDrawWidth(3);
    source.Line(1, 2, 3, 4, 0x0000FF);
    source.LineTo(-5.5f, 30000, 0x00FF00);
    source.FilledBox(10, 20, 30, 40, 0xFFF0E0);
    source.Circle(6000, 4500, 50, 0xFF0000);
    source.PSet(7, 8, kWhite);
    source.ShowMessage("We had a problem plotting 530.DAT");
    source.Cls();
    source.SetFontSize(10);
    source.PrintText("a\\b");
    for (const DrawOp &op : source.ops)
        Replay(op, target);
    std::vector<DrawOp> expected = source.ops;
    expected.erase(expected.begin() + 9); // the Message
    EXPECT_EQ(Trace(target.ops), Trace(expected));

    SurfaceState base;
    EXPECT_EQ(DropBeforeLastCls(source.ops, base), 10u);
    EXPECT_EQ(Trace(source.ops),
              (std::vector<std::string>{"Cls", "SetFontSize 10",
                                        "PrintText a\\\\b"}));
    EXPECT_EQ(base.foreColor, 0x123456u);
    EXPECT_FLOAT_EQ(base.fontSize, 8);
    EXPECT_EQ(base.drawWidth, 3);
    // Already trimmed, or no Cls at all: nothing to drop.
    EXPECT_EQ(DropBeforeLastCls(source.ops, base), 0u);
    noCls.PrintText("y");
    EXPECT_EQ(DropBeforeLastCls(noCls.ops, base), 0u);
    EXPECT_EQ(noCls.ops.size(), 1u);
}

} // namespace
} // namespace tavik
