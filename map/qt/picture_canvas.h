#pragma once
// A widget that shows a KeptPicture, crisp at any size and screen density.
//
// How a new window uses it: give it the window's KeptPicture and the
// picture's logical size (12000 x 9000 on the map and the start-up window,
// smaller on the station-data window), draw into the picture, call Keep()
// and then update() on the canvas:
//
//   canvas_ = new PictureCanvas(picture_, QSizeF(12000, 9000), this);
//   DrawMyPicture(picture_.Surface(), ...); picture_.Keep(); canvas_->update();
//
// The whole logical space is shown as large as the widget allows, centred,
// keeping its aspect. The picture is a cached image at the widget's size in
// device pixels, painted by replaying the kept operations: only the new ones
// after a drawing step, all of them after a resize. A child widget whose
// property "logicalGeometry" holds a QRectF in logical units is kept over
// that part of the picture at every size; one whose property
// "logicalFontPoints" holds a number gets a font of that many points at the
// picture's scale (kUnitsPerPoint units a point), so that its text grows
// with the picture. Mouse positions map back with ToLogical.

#include "map/kept_picture.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include <cstddef>
#include <memory>

namespace tavik {

class QtSurface;

class PictureCanvas : public QWidget {
  public:
    static constexpr const char *kLogicalGeometry = "logicalGeometry";
    static constexpr const char *kLogicalFontPoints = "logicalFontPoints";

    PictureCanvas(const KeptPicture &picture, QSizeF logicalSize,
                  QWidget *parent, Color background = kWhite);
    ~PictureCanvas() override;

    QSizeF LogicalSize() const { return logicalSize_; }
    // Where the logical space lies in the widget, in widget coordinates.
    QRectF PictureRect() const;
    // A rectangle of logical units in widget coordinates.
    QRectF ToWidget(float x, float y, float width, float height) const;
    // The logical point under a widget position.
    QPointF ToLogical(QPointF widgetPoint) const;

    QSize sizeHint() const override;

    // Places the children that carry a logical geometry (and font size);
    // done at every resize, and by the owner after changing one.
    void PlaceChildren();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    void Catchup(QSize pixelSize, qreal dpr);

    const KeptPicture &picture_;
    QSizeF logicalSize_;
    Color background_;
    QImage image_;
    std::unique_ptr<QtSurface> surface_;
    std::size_t replayed_ = 0; // picture index the image has reached
};

} // namespace tavik
