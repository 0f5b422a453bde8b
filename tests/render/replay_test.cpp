// Replaying recorded operations, and a kept picture trimmed to its last Cls.

#include "map/kept_picture.h"
#include "tests/map/map_test_support.h"

#include <string>

namespace tavik {
namespace {

// Every kind of operation, a message and two Cls.
void DrawEveryKind(RecordingSurface &source) {
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
}

// Every kind of operation arrives but the Message; keeping forgets all before
// the last Cls and keeps the state those operations set.
TEST(ReplayTest, OperationsArriveAndKeepingForgetsWhatTheLastClsHides) {
    RecordingSurface source;
    DrawEveryKind(source);
    KeptPicture picture;
    DrawEveryKind(picture.Surface());
    RecordingSurface target;
    for (const DrawOp &op : source.ops)
        Replay(op, target);
    std::vector<DrawOp> expected = source.ops;
    expected.erase(expected.begin() + 9); // the Message
    EXPECT_EQ(Trace(target.ops), Trace(expected));

    EXPECT_EQ(picture.Keep(), 10u);

    // From a forgotten index the whole picture plays from the state the
    // forgotten operations left; from a kept one only what follows it.
    const Texts whole{"SetForeColor 0x123456", "SetFontSize 8",
                      "SetDrawWidth 3",        "Cls",
                      "SetFontSize 10",        "PrintText a\\\\b"};
    const std::pair<std::size_t, Texts> rows[] = {
        {0, whole}, {4, whole}, {12, {"PrintText a\\\\b"}}};
    for (const auto &[from, lines] : rows) {
        RecordingSurface replayed;
        EXPECT_EQ(picture.ReplayFrom(from, replayed), 13u);
        EXPECT_EQ(Trace(replayed.ops), lines) << from;
    }
}

// Six segments in one colour: a step of a picture, drawn again the same way.
void DrawStep(DrawingSurface &surface, Color colour) {
    for (int i = 0; i < 6; ++i)
        surface.Line(i, i, i + 1.0f, i + 2.0f, colour);
}

// Past the limit all steps but the newest are let go; the whole picture
// replays the same operations, the folded steps redrawn, and a Cls ends the
// folding. A small step without a redraw (a pen width) folds too.
TEST(ReplayTest, StepsPastTheLimitAreFoldedAndRedrawnForTheWholePicture) {
    KeptPicture picture(10);
    RecordingSurface everything; // the same steps, never folded, after the
    ApplyState({}, everything);  // start's state that replays set first
    everything.SetForeColor(0x123456);
    picture.Surface().SetForeColor(0x123456);
    picture.Keep();
    for (Color c = 1; c <= 5; ++c) {
        DrawStep(picture.Surface(), c);
        picture.Keep([c](DrawingSurface &s) { DrawStep(s, c); });
        DrawStep(everything, c);
        picture.Surface().SetDrawWidth(static_cast<int>(c));
        picture.Keep();
        everything.SetDrawWidth(static_cast<int>(c));
        EXPECT_LE(picture.Ops().size(), 10u + 6u) << c;
    }
    EXPECT_GT(picture.Folded(), 0u);
    EXPECT_EQ(picture.End(), everything.ops.size() - 3);

    RecordingSurface whole;
    picture.ReplayFrom(0, whole);
    EXPECT_EQ(Trace(whole.ops), Trace(everything.ops));
    // A painter that has shown the folded steps goes on from where it was.
    RecordingSurface rest;
    picture.ReplayFrom(picture.Begin(), rest);
    EXPECT_EQ(Trace(rest.ops), Trace(picture.Ops()));

    picture.Surface().Cls();
    picture.Keep();
    EXPECT_EQ(picture.Folded(), 0u);
    EXPECT_EQ(Trace(picture.Ops()), Texts{"Cls"});
}

} // namespace
} // namespace tavik
