// The outline viewer's window driven with the mouse. The readout's and the
// click's values are pinned on a recording surface; here, that the window
// wires the mouse, its size and its buttons to them.

#include "map/qt/picture_canvas.h"
#include "viewer/qt/outline_viewer.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

namespace tavik {
namespace {

TEST(OutlineViewerTest,
     ReadsOutTheMouseTakesHomeOnARightClickAndKeepsItsPicture) {
    // One blue segment from 36 N 84.5 W to 36 N 80.5 W: (7780, 4300) to
    // (8420, 4300), a tenth of that in pixels at 1200 x 900.
    QTemporaryDir dir;
    std::ofstream(dir.filePath("REGION2.dat").toStdString())
        << "-100 -100\r\n36 275.5\r\n36 279.5\r\n";
    SessionSettings settings;
    int taken = 0;
    OutlineViewer viewer(settings, dir.path().toStdString(), [&] { ++taken; });
    viewer.resize(1200, 900);
    viewer.show();
    EXPECT_EQ(viewer.windowTitle(), "Tavik - States");
    PictureCanvas *canvas = viewer.Canvas();
    auto *exit = viewer.findChild<QPushButton *>("cmdExit");
    const auto blueAt = [canvas](QPoint p) {
        const QColor c = canvas->grab().toImage().pixelColor(p);
        return c.blue() > 200 && c.red() < 100 && c.green() < 100;
    };
    EXPECT_TRUE(blueAt({810, 430}));

    // Pixel (779, 421) is (7790, 4210): 36.45 N, 84.3125 W.
    const QPoint at(779, 421);
    QTest::mouseMove(canvas, at);
    const std::vector<DrawOp> &ops = viewer.Drawing();
    EXPECT_EQ(TraceLine(ops[ops.size() - 7]),
              "PrintText Mouse latitude: 36.45");
    EXPECT_EQ(TraceLine(ops[ops.size() - 5]), "PrintText Longitude: 84.31");
    QTest::mouseClick(canvas, Qt::MiddleButton, {}, at);
    EXPECT_TRUE(viewer.isVisible() && taken == 0);
    QTest::mouseClick(canvas, Qt::RightButton, {}, at); // as a left click
    EXPECT_TRUE(!viewer.isVisible() && taken == 1);

    // Shown again at another size: the same picture; Return takes nothing.
    viewer.show();
    viewer.resize(600, 900); // the picture 600 x 450, 225 pixels down
    EXPECT_TRUE(blueAt({405, 225 + 215}));
    viewer.resize(1200, 450); // 300 pixels right
    EXPECT_TRUE(blueAt({300 + 405, 215}));
    QTest::mouseClick(exit, Qt::LeftButton);
    EXPECT_TRUE(!viewer.isVisible() && taken == 1);
}

} // namespace
} // namespace tavik
