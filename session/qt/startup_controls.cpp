#include "session/qt/startup_controls.h"

#include "dialogs/message_box.h"
#include "resources/program_images.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavik {

QColor StartupTextColour() {
    return QColor(kStartupTextColour & 0xFF, (kStartupTextColour >> 8) & 0xFF,
                  (kStartupTextColour >> 16) & 0xFF);
}

QFont StartupFont(const StartupControl &control, double pixelsPerUnit,
                  const StartupScreen &screen) {
    constexpr double kSmallest = 4; // pixels: still a mark where text belongs
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(control.kind == StartupControlKind::Label);
    const double points = StartupFontPoints(control, screen.widthTwips);
    double pixels =
        std::max(kSmallest, points * kUnitsPerPoint * pixelsPerUnit);
    font.setPixelSize(static_cast<int>(std::lround(pixels)));
    if (control.kind == StartupControlKind::Label) {
        const double room = control.width * pixelsPerUnit;
        const double text =
            QFontMetricsF(font).horizontalAdvance(ProgramText(control.caption));
        if (text > room && text > 0) {
            pixels = std::max(kSmallest, std::floor(pixels * room / text));
            font.setPixelSize(static_cast<int>(pixels));
        }
    }
    return font;
}

void PaintStartupLabelsAndLogo(QPainter &painter, double pixelsPerUnit,
                               const LogoSlide &logo) {
    const auto scaled = [pixelsPerUnit](float x, float y, float w, float h) {
        return QRectF(x * pixelsPerUnit, y * pixelsPerUnit, w * pixelsPerUnit,
                      h * pixelsPerUnit);
    };
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap image = LogoImage();
    painter.drawPixmap(
        scaled(logo.left, logo.top, LogoSlide::kWidth, LogoSlide::kHeight),
        image, QRectF(image.rect()));
    painter.setPen(StartupTextColour());
    for (const StartupControl &c : StartupControls(ProgramVersion())) {
        if (c.kind != StartupControlKind::Label)
            continue;
        painter.setFont(StartupFont(c, pixelsPerUnit));
        painter.drawText(scaled(c.left, c.top, c.width, c.height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         ProgramText(c.caption));
    }
    painter.restore();
}

} // namespace tavik
