// The outline viewer's window driven with the mouse.

#include "map/qt/picture_canvas.h"
#include "viewer/qt/outline_viewer.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace tavik {
namespace {

class OutlineViewerTest : public ::testing::Test {
  protected:
    OutlineViewerTest() {
        // One blue segment from 36 N 84.5 W to 36 N 80.5 W: (7780, 4300) to
        // (8420, 4300), a tenth of that in pixels at 1200 x 900.
        std::ofstream(dir_.filePath("REGION2.dat").toStdString())
            << "-100 -100\r\n36 275.5\r\n36 279.5\r\n";
        settings_.homeCity = "Oak Ridge TN";
        settings_.homeLatitude = 36.02f;
        settings_.homeLongitude = 84.32f;
        viewer_ = std::make_unique<OutlineViewer>(
            settings_, dir_.path().toStdString(), [this] { ++taken_; });
        viewer_->resize(1200, 900);
        viewer_->show();
    }
    bool BlueAt(QPoint p) const {
        const QColor c = viewer_->Canvas()->grab().toImage().pixelColor(p);
        return c.blue() > 200 && c.red() < 100 && c.green() < 100;
    }

    QTemporaryDir dir_;
    SessionSettings settings_;
    int taken_ = 0;
    std::unique_ptr<OutlineViewer> viewer_;
};

// The readout's and the click's values are pinned on a recording surface;
// here, that the window wires the mouse, its size and its button to them.
TEST_F(OutlineViewerTest, ReadsOutTheMouseAndKeepsThePictureAtAnySize) {
    EXPECT_EQ(viewer_->windowTitle(), "Tavik - States");
    PictureCanvas *canvas = viewer_->Canvas();
    ASSERT_EQ(canvas->size(), QSize(1200, 900));
    EXPECT_EQ(viewer_->findChild<QPushButton *>("cmdExit")->geometry().topLeft(),
              QPoint(30, 710));
    EXPECT_TRUE(BlueAt({810, 430}));

    // Pixel (779, 421) is (7790, 4210): 36.45 N, 84.3125 W.
    QTest::mouseMove(canvas, QPoint(779, 421));
    const std::size_t ops = viewer_->Drawing().size();
    EXPECT_EQ(TraceLine(viewer_->Drawing()[ops - 7]),
              "PrintText Mouse latitude: 36.45");
    EXPECT_EQ(TraceLine(viewer_->Drawing()[ops - 5]),
              "PrintText Longitude: 84.31");

    viewer_->resize(600, 900); // the picture 600 x 450, 225 pixels down
    EXPECT_TRUE(BlueAt({405, 225 + 215}));
    EXPECT_EQ(taken_, 0);
}

TEST_F(OutlineViewerTest, RightClickTakesHomeMiddleButtonAndReturnDoNot) {
    PictureCanvas *canvas = viewer_->Canvas();
    QTest::mouseClick(canvas, Qt::MiddleButton, {}, QPoint(779, 421));
    EXPECT_TRUE(viewer_->isVisible());
    QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(779, 421));
    EXPECT_FLOAT_EQ(settings_.homeLatitude, 36.451f);
    EXPECT_FLOAT_EQ(settings_.homeLongitude, 84.316f);
    EXPECT_EQ(taken_, 1);
    EXPECT_FALSE(viewer_->isVisible());

    viewer_->show();
    QTest::mouseClick(viewer_->findChild<QPushButton *>("cmdExit"),
                      Qt::LeftButton);
    EXPECT_FALSE(viewer_->isVisible());
    EXPECT_FLOAT_EQ(settings_.homeLatitude, 36.451f);
    EXPECT_EQ(taken_, 1);
}

} // namespace
} // namespace tavik
