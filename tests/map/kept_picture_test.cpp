// What a kept picture shown within a known area lets go of: runs of Lines
// beyond one side of it, never what a painter has shown or another step drew.

#include "map/kept_picture.h"
#include "tests/map/map_test_support.h"

namespace tavik {
namespace {

// Lines beyond the left (x below -1500), the right (beyond 13500), the top
// and the bottom (beyond 10500) of a 12000 x 9000 area: of each run of them
// only the last stays, and the LineTo after it starts where the whole run
// ended.
TEST(KeptPictureTest, RunsOfLinesBeyondTheAreaKeepOnlyTheirLast) {
    KeptPicture picture;
    picture.ShownArea(12000, 9000);
    RecordingSurface &s = picture.Surface();
    s.Line(-1600, 0, -2000, 9000, 1);       // left
    s.Line(-30000, 5, -1501, 6, 2);         // left
    s.LineTo(100, 100, 3);                  // seen, from (-1501, 6)
    s.Line(13501, -100, 30000, 20000, 4);   // right
    s.Line(20000, 1, 14000, 2, 5);          // right
    s.Line(0, -1501, 12000, -3000, 6);      // top
    s.Line(5, -20000, 6, -1600, 7);         // top
    s.Line(0, 10501, 100, 30000, 8);        // bottom
    s.Line(1, 10600, 2, 10700, 9);          // bottom
    s.Line(-1600, -1600, 13600, -1600, 10); // beyond the top only
    s.Line(-1500, 0, -1600, 0, 11);         // within the margin: seen
    s.Line(-1600, 0, 13600, 0, 12);         // across the area: seen
    s.Line(-1700, 100, -1700, 200, 13);
    s.PSet(0, 0, 14);
    s.Line(-1700, 100, -1700, 200, 15);
    picture.Keep();
    EXPECT_EQ(Trace(picture.Ops()), (Texts{
                                        "Line -30000 5 -1501 6 0x000002",
                                        "LineTo 100 100 0x000003",
                                        "Line -1600 -1600 13600 -1600 0x00000A",
                                        "Line -1500 0 -1600 0 0x00000B",
                                        "Line -1600 0 13600 0 0x00000C",
                                        "Line -1700 100 -1700 200 0x00000D",
                                        "PSet 0 0 0x00000E",
                                        "Line -1700 100 -1700 200 0x00000F",
                                    }));
    EXPECT_EQ(picture.End(), picture.Ops().size());
}

// A Line a painter has already shown, or one of an earlier step, stays: the
// painter goes on from the index it reached. Without a shown area every
// Line stays.
TEST(KeptPictureTest, ShownOrEarlierLinesAndPicturesShownAnywhereKeepAll) {
    const auto draw = [](KeptPicture &picture, int between) {
        RecordingSurface &s = picture.Surface();
        s.Line(-2000, 0, -3000, 0, 1);
        RecordingSurface painter;
        if (between == 1)
            picture.ReplayFrom(0, painter);
        if (between == 2)
            picture.Keep();
        s.Line(-4000, 0, -5000, 0, 2);
        picture.Keep();
        return picture.Ops().size();
    };
    for (int between = 0; between < 3; ++between) {
        KeptPicture shown, anywhere;
        shown.ShownArea(12000, 9000);
        EXPECT_EQ(draw(shown, between), between == 0 ? 1u : 2u) << between;
        EXPECT_EQ(draw(anywhere, between), 2u) << between;
    }
}

} // namespace
} // namespace tavik
