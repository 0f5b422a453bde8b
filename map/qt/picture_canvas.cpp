#include "map/qt/picture_canvas.h"

#include "map/qt/busy_cursor.h"
#include "map/qt/qt_surface.h"

#include <QPainter>
#include <QScreen>
#include <QVariant>

#include <algorithm>
#include <optional>

namespace tavik {

PictureCanvas::PictureCanvas(const KeptPicture &picture, QSizeF logicalSize,
                             QWidget *parent, Color background)
    : QWidget(parent), picture_(picture), logicalSize_(logicalSize),
      background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 120);
}

PictureCanvas::~PictureCanvas() = default;

QRectF PictureCanvas::PictureRect() const {
    const qreal w = width(), h = height();
    const qreal scale = std::min(w / logicalSize_.width(),
                                 h / logicalSize_.height());
    const qreal pw = logicalSize_.width() * scale;
    const qreal ph = logicalSize_.height() * scale;
    return QRectF((w - pw) / 2, (h - ph) / 2, pw, ph);
}

QRectF PictureCanvas::ToWidget(float x, float y, float width,
                               float height) const {
    const QRectF r = PictureRect();
    const qreal s = r.width() / logicalSize_.width();
    return QRectF(r.left() + x * s, r.top() + y * s, width * s, height * s);
}

QPointF PictureCanvas::ToLogical(QPointF widgetPoint) const {
    const QRectF r = PictureRect();
    const qreal s = r.width() / logicalSize_.width();
    if (s <= 0)
        return QPointF();
    return QPointF((widgetPoint.x() - r.left()) / s,
                   (widgetPoint.y() - r.top()) / s);
}

QSize PictureCanvas::sizeHint() const {
    // The largest area of the picture's aspect that leaves room for the
    // frame and a menu bar.
    const QScreen *screen = this->screen();
    const QSize avail =
        screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const qreal aspect = logicalSize_.width() / logicalSize_.height();
    const int w = std::min(avail.width() * 85 / 100,
                           static_cast<int>(avail.height() * 80 / 100 * aspect));
    return QSize(w, static_cast<int>(w / aspect));
}

void PictureCanvas::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    PlaceChildren();
}

void PictureCanvas::PlaceChildren() {
    const QRectF pic = PictureRect();
    const qreal pixelsPerUnit = pic.width() / logicalSize_.width();
    for (QObject *child : children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        const QVariant geometry = child->property(kLogicalGeometry);
        if (!widget || !geometry.isValid())
            continue;
        const QRectF r = geometry.toRectF();
        widget->setGeometry(ToWidget(static_cast<float>(r.x()),
                                     static_cast<float>(r.y()),
                                     static_cast<float>(r.width()),
                                     static_cast<float>(r.height()))
                                .toAlignedRect());
        const QVariant points = child->property(kLogicalFontPoints);
        if (points.isValid()) {
            QFont font = widget->font();
            font.setPixelSize(std::max(
                1, qRound(points.toReal() * kUnitsPerPoint * pixelsPerUnit)));
            widget->setFont(font);
        }
    }
}

void PictureCanvas::Catchup(QSize pixelSize, qreal dpr) {
    const bool forgotten = replayed_ < picture_.Begin();
    if (forgotten || image_.size() != pixelSize ||
        image_.devicePixelRatio() != dpr) {
        // A new image; after forgotten operations the old one lacks the
        // state they set, so it starts again from the base state too.
        surface_.reset(); // ends painting before the image goes
        image_ = QImage(pixelSize, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(dpr);
        image_.fill(QColor(static_cast<int>(background_ & 0xFF),
                           static_cast<int>((background_ >> 8) & 0xFF),
                           static_cast<int>((background_ >> 16) & 0xFF)));
        replayed_ = 0;
    }
    if (!surface_)
        surface_ = std::make_unique<QtSurface>(image_, logicalSize_,
                                               background_);
    // The whole picture again (a resize) may take a while.
    std::optional<BusyCursor> busy;
    if (replayed_ == 0)
        busy.emplace();
    replayed_ = picture_.ReplayFrom(replayed_, *surface_);
    surface_->Flush();
}

void PictureCanvas::paintEvent(QPaintEvent *) {
    const QRectF pic = PictureRect();
    const qreal dpr = devicePixelRatioF();
    const QSize pixels(std::max(1, qRound(pic.width() * dpr)),
                       std::max(1, qRound(pic.height() * dpr)));
    Catchup(pixels, dpr);

    QPainter painter(this);
    const QColor margin = palette().color(QPalette::Window);
    const QRectF all(rect());
    // The strips beside or below the picture, whichever the aspect leaves.
    painter.fillRect(QRectF(all.left(), all.top(), pic.left(), all.height()),
                     margin);
    painter.fillRect(
        QRectF(pic.right(), all.top(), all.right() - pic.right(), all.height()),
        margin);
    painter.fillRect(QRectF(pic.left(), all.top(), pic.width(), pic.top()),
                     margin);
    painter.fillRect(QRectF(pic.left(), pic.bottom(), pic.width(),
                            all.bottom() - pic.bottom()),
                     margin);
    painter.drawImage(pic, image_);
}

} // namespace tavik
