#pragma once
// The drawing surface on a Qt paint device: the map window's kept image and
// the renderer's PNG image, SVG or PDF file all draw through this one class.
//
// Mapping: the logical space (12000 x 9000 units on the map) is scaled
// uniformly onto the device, keeping its aspect, anchored at the device's top
// left; on a device of another aspect the strip right or below the space stays
// outside it (Cls paints it in the background too). A 1200 x 900 image thus
// shows 10 units a pixel over its whole area.
//
// Pen width: one pen pixel (SetDrawWidth) is 15 units, the size of a screen
// pixel on the 800 x 600 screen the map space was laid out for, but never
// less than one device-independent pixel. A printed page counts its pen
// widths in printer dots instead (UsePrinterDots).
//
// Text: "Microsoft Sans Serif" or the nearest sans-serif face (DejaVu Sans on
// Debian); one point of font size spans 20 units, lines are LineHeight apart.

#include "map/drawing_surface.h"

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStaticText>
#include <QString>

#include <functional>
#include <unordered_map>
#include <vector>

class QPaintDevice;

namespace tavik {

class QtSurface : public DrawingSurface {
  public:
    // Starts painting on `device`, which must outlive the surface (or End()).
    // What the device already shows is kept; Cls starts a fresh picture. On
    // a device that cannot be painted (a null image) every operation only
    // updates the state.
    explicit QtSurface(QPaintDevice &device,
                       QSizeF logicalSize = QSizeF(12000, 9000),
                       Color background = kWhite);
    ~QtSurface() override;
    QtSurface(const QtSurface &) = delete;
    QtSurface &operator=(const QtSurface &) = delete;

    // Pen widths in dots of `unitsPerDot` units each (2.4 twips for a 600 dpi
    // printer): a width of 8 is 8 dots wide on any device, never thinner
    // than one device-independent pixel.
    void UsePrinterDots(double unitsPerDot);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Color c) override;
    void LineTo(float x, float y, Color c) override;
    void FilledBox(float x1, float y1, float x2, float y2, Color c) override;
    void Circle(float x, float y, float radius, Color c) override;
    void PSet(float x, float y, Color c) override;
    void PrintText(std::string_view text) override;
    void SetForeColor(Color c) override;
    void SetFontSize(float points) override;
    void SetDrawWidth(int pixels) override;

    // Draws the pending run of connected segments (consecutive LineTo, or
    // Line from the current point, in one colour and width). Every other
    // drawing operation flushes by itself; the window calls this before it
    // shows the image.
    void Flush();
    // Flushes, then lets `paint` draw on the painter in device-independent
    // pixels, given the pixels per logical unit: for what a window shows
    // over its picture besides drawing operations (labels, pictures), when
    // the renderer writes that window. The painter's state is kept around it.
    void PaintOver(const std::function<void(QPainter &painter,
                                            double pixelsPerUnit)> &paint);
    // Flushes and ends painting; an SVG or PDF file is complete afterwards.
    // Later operations only update the state.
    void End();
    bool IsActive() const { return painter_.isActive(); }

    // Device-independent pixels per logical unit.
    double Scale() const { return scale_; }
    QPointF ToDevice(float x, float y) const {
        return QPointF(x * scale_, y * scale_);
    }
    // The logical point under a device-independent position (mouse input).
    QPointF ToLogical(QPointF devicePoint) const;

    Color ForeColor() const { return state_.foreColor; }
    float FontSize() const { return state_.fontSize; }
    int DrawWidth() const { return state_.drawWidth; }
    float CurrentX() const { return state_.currentX; }
    float CurrentY() const { return state_.currentY; }

  private:
    // Appends the segment p0-p1 (device coordinates), clipped to the guard
    // rectangle, to the pending run in runColour_ / runWidthPx_.
    void AddSegment(QPointF p0, QPointF p1);
    void StartRun(Color c);
    void SetGuard();
    void UsePen(Color c, double widthPx, Qt::PenCapStyle cap);
    double PenWidthPx() const;
    void DrawBigCircle(QPointF centre, double radius, Color c);

    QPaintDevice &device_;
    QPainter painter_;
    Color background_;
    double scale_ = 0;
    double penPixel_ = 1; // device-independent pixels per pen pixel
    double minPenPx_ = 0; // thinnest pen, device-independent pixels
    QRectF deviceRect_;   // the whole device, device-independent pixels
    QRectF guard_;        // deviceRect_ grown by more than any half pen width

    SurfaceState state_;

    // Connected segments of one colour and width not yet drawn, as one
    // polyline; the vector keeps its capacity from run to run.
    std::vector<QPointF> run_;
    std::vector<char> keep_;          // points of run_ kept when it is drawn
    std::vector<QLineF> lines_;       // run_ as segments, on an image
    bool image_ = false;              // painting on a raster image
    std::unordered_map<QString, QStaticText> laidOut_; // texts in font_
    double simplifyTolerance_ = 0.5; // device-independent pixels
    Color runColour_ = 0;
    double runWidthPx_ = 1;

    // Pen the painter holds, so that a run of same-pen drawing sets it once.
    bool penSet_ = false;
    Color penColour_ = 0;
    double penWidthPx_ = 0;
    Qt::PenCapStyle penCap_ = Qt::RoundCap;

    QFont font_;
    float fontPoints_ = -1; // font size font_ was made for
    bool fontUsable_ = false;
    double ascentPx_ = 0;
};

} // namespace tavik
