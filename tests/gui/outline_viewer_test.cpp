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
    QString LastText() const {
        return QString::fromStdString(viewer_->Drawing().back().text);
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

TEST_F(OutlineViewerTest, ReadsOutTheMouseAndKeepsThePictureAtAnySize) {
    EXPECT_EQ(viewer_->windowTitle(), "Tavik - States");
    PictureCanvas *canvas = viewer_->Canvas();
    ASSERT_EQ(canvas->size(), QSize(1200, 900));
    auto *exit = viewer_->findChild<QPushButton *>("cmdExit");
    EXPECT_EQ(exit->text(), "Return");
    EXPECT_EQ(exit->geometry().topLeft(), QPoint(30, 710));
    EXPECT_TRUE(BlueAt({810, 430}));

    // Pixel (779, 421) is (7790, 4210): 36.45 N, 84.3125 W.
    QTest::mouseMove(canvas, QPoint(779, 421));
    EXPECT_EQ(LastText(), "Longitude: 84.32");
    const std::size_t ops = viewer_->Drawing().size();
    EXPECT_EQ(TraceLine(viewer_->Drawing()[ops - 7]),
              "PrintText Mouse latitude: 36.45");
    EXPECT_EQ(TraceLine(viewer_->Drawing()[ops - 5]),
              "PrintText Longitude: 84.31");
    QTest::mouseMove(canvas, QPoint(1, 1)); // (10, 10)
    EXPECT_EQ(TraceLine(viewer_->Drawing()[viewer_->Drawing().size() - 7]),
              "PrintText Mouse latitude: 57.45");

    viewer_->resize(600, 900); // the picture 600 x 450, 225 pixels down
    EXPECT_TRUE(BlueAt({405, 225 + 215}));
    EXPECT_EQ(taken_, 0);
}

TEST_F(OutlineViewerTest, LeftOrRightClickTakesHomeTheMiddleButtonNothing) {
    PictureCanvas *canvas = viewer_->Canvas();
    QTest::mouseClick(canvas, Qt::MiddleButton, {}, QPoint(779, 421));
    EXPECT_FLOAT_EQ(settings_.homeLatitude, 36.02f);
    EXPECT_TRUE(viewer_->isVisible());
    EXPECT_EQ(taken_, 0);
    QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(779, 421));
    EXPECT_FLOAT_EQ(settings_.homeLatitude, 36.451f);
    EXPECT_FLOAT_EQ(settings_.homeLongitude, 84.316f);
    EXPECT_EQ(settings_.homeCity, "Oak Ridge TN");
    EXPECT_EQ(taken_, 1);
    EXPECT_FALSE(viewer_->isVisible());
}

TEST_F(OutlineViewerTest, ReturnClosesWithHomeUnchanged) {
    QTest::mouseClick(viewer_->findChild<QPushButton *>("cmdExit"),
                      Qt::LeftButton);
    EXPECT_FALSE(viewer_->isVisible());
    EXPECT_FLOAT_EQ(settings_.homeLongitude, 84.32f);
    EXPECT_EQ(taken_, 0);
}

} // namespace
} // namespace tavik
