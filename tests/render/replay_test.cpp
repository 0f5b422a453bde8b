// Replaying recorded operations and trimming a kept drawing to its last Cls.

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

// One of every operation, arguments all different.
void DrawEverything(RecordingSurface &s) {
    s.SetForeColor(0x123456);
    s.SetFontSize(8);
    s.SetDrawWidth(3);
    s.Line(1, 2, 3, 4, 0x0000FF);
    s.LineTo(-5.5f, 30000, 0x00FF00);
    s.FilledBox(10, 20, 30, 40, 0xFFF0E0);
    s.Circle(6000, 4500, 50, 0xFF0000);
    s.PSet(7, 8, kWhite);
    s.PrintText("a\\b\r\n");
    s.ShowMessage("We had a problem plotting 530.DAT");
    s.Cls();
}

TEST(ReplayTest, EveryDrawingOperationArrivesUnchangedAndMessagesStayBehind) {
    RecordingSurface source;
    DrawEverything(source);
    RecordingSurface target;
    for (const DrawOp &op : source.ops)
        Replay(op, target);

    std::vector<DrawOp> expected = source.ops;
    expected.erase(expected.begin() + 9); // the Message
    EXPECT_EQ(Trace(target.ops), Trace(expected));
    EXPECT_EQ(target.foreColor, 0x123456u);
    EXPECT_FLOAT_EQ(target.fontSize, 8);
    EXPECT_EQ(target.drawWidth, 3);
}

struct DropRow {
    const char *name;
    std::vector<OpKind> kinds;
    std::size_t dropped;
    std::size_t left;
};

class DropBeforeLastClsTest : public ::testing::TestWithParam<DropRow> {};

TEST_P(DropBeforeLastClsTest, KeepsFromTheLastCls) {
    const DropRow &row = GetParam();
    std::vector<DrawOp> ops;
    for (OpKind kind : row.kinds) {
        DrawOp op;
        op.kind = kind;
        ops.push_back(op);
    }
    SurfaceState base;
    EXPECT_EQ(DropBeforeLastCls(ops, base), row.dropped);
    ASSERT_EQ(ops.size(), row.left);
    if (row.dropped > 0) {
        EXPECT_EQ(ops.front().kind, OpKind::Cls);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DropBeforeLastClsTest,
    ::testing::Values(
        DropRow{"Empty", {}, 0, 0},
        DropRow{"NoCls", {OpKind::Line, OpKind::LineTo}, 0, 2},
        DropRow{"ClsFirst", {OpKind::Cls, OpKind::Line}, 0, 2},
        DropRow{"ClsLast", {OpKind::Line, OpKind::Line, OpKind::Cls}, 2, 1},
        DropRow{"TwoCls",
                {OpKind::Line, OpKind::Cls, OpKind::Circle, OpKind::Cls,
                 OpKind::PSet},
                3,
                2}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DropBeforeLastClsStateTest, DroppedSettingsLiveOnInTheBase) {
    RecordingSurface s;
    s.SetForeColor(0x119911);
    s.SetFontSize(8);
    s.Line(0, 0, 1, 1, kRed);
    s.SetDrawWidth(2);
    s.Cls();
    s.SetFontSize(10); // after the Cls: stays in the list
    s.PrintText("x");

    SurfaceState base;
    base.drawWidth = 5; // what an earlier trim had left
    EXPECT_EQ(DropBeforeLastCls(s.ops, base), 4u);
    EXPECT_EQ(base.foreColor, 0x119911u);
    EXPECT_FLOAT_EQ(base.fontSize, 8);
    EXPECT_EQ(base.drawWidth, 2);
    EXPECT_EQ(Trace(s.ops), (std::vector<std::string>{"Cls", "SetFontSize 10",
                                                      "PrintText x"}));

    // The base applied to a fresh surface reproduces the lasting state.
    RecordingSurface fresh;
    ApplyState(base, fresh);
    for (const DrawOp &op : s.ops)
        Replay(op, fresh);
    EXPECT_EQ(fresh.foreColor, s.foreColor);
    EXPECT_EQ(fresh.fontSize, s.fontSize);
    EXPECT_EQ(fresh.drawWidth, s.drawWidth);
}

} // namespace
} // namespace tavik
