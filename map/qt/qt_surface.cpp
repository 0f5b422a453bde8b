#include "map/qt/qt_surface.h"

#include "map/qt/device_geometry.h"
#include "map/qt/program_text.h"

#include <QByteArrayView>
#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QStaticText>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace tavik {

namespace {

// Widest pen honoured, in pen pixels; the program uses 1 to 8.
constexpr int kMaxPenPixels = 64;
// Units per pen pixel: one pixel of an 800 x 600 screen in the 12000 x 9000
// map space.
constexpr double kUnitsPerPenPixel = 15;
// Circles up to this radius (device pixels) go to QPainter as they are; the
// raster engine keeps coordinates in fixed point and loses them beyond a few
// million pixels. Larger circles are drawn as clipped polygons.
constexpr double kMaxEllipseRadiusPx = 100000;
// Segments of such a polygon: the chord strays r * 3e-7 from the circle, a
// pixel at r = 3 million pixels.
constexpr int kBigCircleSegments = 8192;
// A run is drawn and restarted from its last point at this many points. The
// antialiasing rasterizer works in bands and goes over the whole outline of
// a stroke for each band, so a long polyline costs more than its pieces:
// 10,000 connected segments in one polyline draw three to ten times slower
// than in runs of 128 points, which are about as fast on an image as single
// segments (measured on the shapes of bench_surface) and give SVG and PDF one
// element per run.
constexpr std::size_t kMaxRunPoints = 128;
// Font sizes drawn, in device pixels: smaller is invisible, larger would only
// cost time and memory in the glyph cache.
constexpr double kMinFontPx = 0.5, kMaxFontPx = 4096;
// A run's points closer than this (device pixels) to the line through their
// kept neighbours are left out: the stroke cannot show them, and Qt's
// stroker costs about a microsecond a point. At the continent's scale the
// outlines have several points per pixel.
constexpr double kSimplifyPx = 0.5;
// Texts kept laid out for an image, for the current font.
constexpr std::size_t kMostLaidOutTexts = 8192;

QColor ToQColor(Color c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// The program's text as drawn. Control characters (and the two
// non-characters U+FFFE and U+FFFF) have no glyph and cannot stand in an SVG
// file's XML: each is shown as the replacement character instead.
QString DecodeText(std::string_view text) {
    QString decoded = ProgramText(text);
    for (QChar &c : decoded) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == 0xFFFE || u == 0xFFFF)
            c = QChar::ReplacementCharacter;
    }
    return decoded;
}

} // namespace

QtSurface::QtSurface(QPaintDevice &device, QSizeF logicalSize, Color background)
    : device_(device), background_(background),
      font_(QStringLiteral("Microsoft Sans Serif")) {
    font_.setStyleHint(QFont::SansSerif);

    // QPainter works in device-independent pixels: a 2400 x 1800 image at
    // device pixel ratio 2 is painted as 1200 x 900.
    const double dpr =
        device.devicePixelRatio() > 0 ? device.devicePixelRatio() : 1;
    deviceRect_ = QRectF(0, 0, device.width() / dpr, device.height() / dpr);
    if (logicalSize.width() > 0 && logicalSize.height() > 0)
        scale_ = std::min(deviceRect_.width() / logicalSize.width(),
                          deviceRect_.height() / logicalSize.height());
    penPixel_ = std::max(1.0, kUnitsPerPenPixel * scale_);
    simplifyTolerance_ = kSimplifyPx / dpr;
    SetGuard();
    run_.reserve(1024);

    if (scale_ > 0 && painter_.begin(&device)) {
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_.setBrush(Qt::NoBrush);
        image_ = painter_.paintEngine()->type() == QPaintEngine::Raster;
    }
}

QtSurface::~QtSurface() { End(); }

void QtSurface::SetGuard() {
    const double margin = kMaxPenPixels * std::max(penPixel_, minPenPx_) + 4;
    guard_ = deviceRect_.adjusted(-margin, -margin, margin, margin);
}

void QtSurface::UsePrinterDots(double unitsPerDot) {
    Flush();
    penPixel_ = unitsPerDot * scale_;
    minPenPx_ = 1;
    SetGuard();
}

void QtSurface::PaintOver(
    const std::function<void(QPainter &painter, double pixelsPerUnit)> &paint) {
    Flush();
    if (!painter_.isActive())
        return;
    painter_.save();
    paint(painter_, scale_);
    painter_.restore();
}

void QtSurface::End() {
    Flush();
    if (painter_.isActive())
        painter_.end();
}

QPointF QtSurface::ToLogical(QPointF devicePoint) const {
    if (scale_ <= 0)
        return QPointF();
    return devicePoint / scale_;
}

double QtSurface::PenWidthPx() const {
    return std::max(minPenPx_,
                    std::clamp(state_.drawWidth, 1, kMaxPenPixels) * penPixel_);
}

// Bevel joins: a round join makes Qt's stroker work out an arc at every
// vertex, four times the cost on the outlines, and at these pen widths the
// two cannot be told apart. A single segment (a station cross) has round
// caps.
void QtSurface::UsePen(Color c, double widthPx, Qt::PenCapStyle cap) {
    if (penSet_ && c == penColour_ && widthPx == penWidthPx_ && cap == penCap_)
        return;
    painter_.setPen(
        QPen(QBrush(ToQColor(c)), widthPx, Qt::SolidLine, cap, Qt::BevelJoin));
    penSet_ = true;
    penColour_ = c;
    penWidthPx_ = widthPx;
    penCap_ = cap;
}

void QtSurface::Flush() {
    if (run_.size() > 2) {
        keep_.assign(run_.size(), 0);
        keep_.front() = keep_.back() = 1;
        MarkKept(run_, 0, run_.size() - 1, simplifyTolerance_, keep_);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < run_.size(); ++i)
            if (keep_[i])
                run_[kept++] = run_[i];
        run_.resize(kept);
    }
    if (run_.size() < 2 || !painter_.isActive()) {
        run_.clear();
        return;
    }
    if (image_) {
        // On an image a wide polyline or a round-capped segment goes through
        // Qt's general stroker (joins and caps worked out, then the outline
        // filled), while separate segments with square caps are rasterized
        // directly, five times faster; the caps overlap where the joins
        // would be.
        // A level or upright segment is that square-capped line's own
        // rectangle, filled a hundred times faster still: the start-up
        // window's gradient is 9000 such lines.
        lines_.clear();
        const double half = runWidthPx_ / 2;
        const QColor colour = ToQColor(runColour_);
        for (std::size_t i = 1; i < run_.size(); ++i) {
            const QPointF a = run_[i - 1], b = run_[i];
            if (a.x() == b.x() || a.y() == b.y())
                painter_.fillRect(QRectF(a, b).normalized().adjusted(
                                      -half, -half, half, half),
                                  colour);
            else
                lines_.emplace_back(a, b);
        }
        UsePen(runColour_, runWidthPx_, Qt::SquareCap);
        painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    } else {
        UsePen(runColour_, runWidthPx_, Qt::RoundCap);
        painter_.drawPolyline(run_.data(), static_cast<int>(run_.size()));
    }
    run_.clear();
}

void QtSurface::StartRun(Color c) {
    const double width = PenWidthPx();
    if (!run_.empty() && (c != runColour_ || width != runWidthPx_))
        Flush();
    runColour_ = c;
    runWidthPx_ = width;
}

void QtSurface::AddSegment(QPointF p0, QPointF p1) {
    if (!IsFinite(p0) || !IsFinite(p1) || !ClipSegment(guard_, p0, p1)) {
        Flush();
        return;
    }
    // A segment from a point to itself draws nothing; the outline drawers
    // use one in white only to move the current point.
    if (p0 == p1)
        return;
    if (!run_.empty() && run_.back() != p0)
        Flush();
    if (run_.size() >= kMaxRunPoints) {
        Flush();
        run_.push_back(p0);
    }
    if (run_.empty())
        run_.push_back(p0);
    run_.push_back(p1);
}

void QtSurface::Cls() {
    run_.clear(); // about to be painted over
    state_.currentX = 0;
    state_.currentY = 0;
    if (painter_.isActive())
        painter_.fillRect(deviceRect_, ToQColor(background_));
}

void QtSurface::Line(float x1, float y1, float x2, float y2, Color c) {
    // A line from the current point is a LineTo, so that the outline
    // drawers' chains of Line calls batch into one polyline too.
    state_.currentX = x1;
    state_.currentY = y1;
    LineTo(x2, y2, c);
}

void QtSurface::LineTo(float x, float y, Color c) {
    const QPointF from = ToDevice(state_.currentX, state_.currentY);
    state_.currentX = x;
    state_.currentY = y;
    if (!painter_.isActive())
        return;
    StartRun(c);
    AddSegment(from, ToDevice(x, y));
}

void QtSurface::FilledBox(float x1, float y1, float x2, float y2, Color c) {
    Flush();
    if (!painter_.isActive())
        return;
    const QPointF a = ToDevice(x1, y1), b = ToDevice(x2, y2);
    if (!IsFinite(a) || !IsFinite(b))
        return;
    const QRectF box = QRectF(a, b).normalized().intersected(guard_);
    if (!box.isEmpty())
        painter_.fillRect(box, ToQColor(c));
}

void QtSurface::Circle(float x, float y, float radius, Color c) {
    Flush();
    if (!painter_.isActive())
        return;
    const QPointF centre = ToDevice(x, y);
    const double r = std::fabs(static_cast<double>(radius)) * scale_;
    if (!IsFinite(centre) || !std::isfinite(r) || r == 0)
        return;
    const QRectF bounds(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    if (!bounds.intersects(guard_))
        return;
    // A ring around the whole device, as the large distance rings at high
    // zoom are, shows nothing.
    double farthest = 0;
    for (const QPointF corner : {guard_.topLeft(), guard_.topRight(),
                                 guard_.bottomLeft(), guard_.bottomRight()})
        farthest = std::max(farthest, std::hypot(corner.x() - centre.x(),
                                                 corner.y() - centre.y()));
    if (farthest < r - PenWidthPx())
        return;
    if (r <= kMaxEllipseRadiusPx) {
        UsePen(c, PenWidthPx(), Qt::RoundCap);
        painter_.drawEllipse(centre, r, r);
        return;
    }
    DrawBigCircle(centre, r, c);
}

void QtSurface::DrawBigCircle(QPointF centre, double radius, Color c) {
    StartRun(c);
    const double step = 2 * M_PI / kBigCircleSegments;
    QPointF previous(centre.x() + radius, centre.y());
    for (int i = 1; i <= kBigCircleSegments; ++i) {
        const QPointF next(centre.x() + radius * std::cos(i * step),
                           centre.y() + radius * std::sin(i * step));
        AddSegment(previous, next);
        previous = next;
    }
    Flush();
}

void QtSurface::PSet(float x, float y, Color c) {
    Flush();
    state_.currentX = x;
    state_.currentY = y;
    if (!painter_.isActive())
        return;
    const QPointF p = ToDevice(x, y);
    if (IsFinite(p) && deviceRect_.contains(p))
        painter_.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1),
                          ToQColor(c));
}

void QtSurface::PrintText(std::string_view text) {
    Flush();
    const QPointF at = ToDevice(state_.currentX, state_.currentY);
    state_.currentX = 0;
    state_.currentY += LineHeight(state_.fontSize);
    if (!painter_.isActive() || text.empty() || !IsFinite(at))
        return;

    if (fontPoints_ != state_.fontSize) {
        fontPoints_ = state_.fontSize;
        const double px = state_.fontSize * kUnitsPerPoint * scale_;
        fontUsable_ = px >= kMinFontPx && px <= kMaxFontPx;
        if (fontUsable_) {
            // Point sizes are resolved at the device's resolution, so the
            // pixel size is turned into points at that resolution.
            font_.setPointSizeF(px * 72.0 / device_.logicalDpiY());
            painter_.setFont(font_);
            ascentPx_ = QFontMetricsF(font_, &device_).ascent();
            laidOut_.clear();
        }
    }
    if (!fontUsable_)
        return;
    const double lineHeightPx = LineHeight(state_.fontSize) * scale_;
    if (at.x() > guard_.right() || at.y() > guard_.bottom() ||
        at.y() + lineHeightPx < guard_.top())
        return;
    const QString decoded = DecodeText(text);
    // Text starting far left of the device may still reach into it.
    if (at.x() < guard_.left() &&
        at.x() + QFontMetricsF(font_, &device_).horizontalAdvance(decoded) <
            guard_.left())
        return;
    UsePen(state_.foreColor, PenWidthPx(), Qt::RoundCap);
    if (!image_) {
        painter_.drawText(QPointF(at.x(), at.y() + ascentPx_), decoded);
        return;
    }
    // On an image each text is laid out once per font: the overview prints
    // the same channel numbers thousands of times, and shaping them again
    // costs more than drawing them.
    if (laidOut_.size() >= kMostLaidOutTexts)
        laidOut_.clear();
    auto found = laidOut_.find(decoded);
    if (found == laidOut_.end()) {
        QStaticText laid(decoded);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font_);
        found = laidOut_.emplace(decoded, std::move(laid)).first;
    }
    painter_.drawStaticText(at, found->second);
}

void QtSurface::SetForeColor(Color c) { state_.foreColor = c; }

void QtSurface::SetFontSize(float points) { state_.fontSize = points; }

void QtSurface::SetDrawWidth(int pixels) { state_.drawWidth = pixels; }

} // namespace tavik
