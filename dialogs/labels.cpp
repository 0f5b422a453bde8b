#include "dialogs/labels.h"

#include <QFontMetricsF>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace tavik {

ClickableLabel::ClickableLabel(const QString &text,
                               std::function<void()> onClick, QWidget *parent)
    : QLabel(text, parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()) && onClick_)
        onClick_();
}

void FitFontToWidth(QLabel &label, qreal pixels) {
    constexpr qreal kSmallest = 4; // still a mark where a text belongs
    QFont font = label.font();
    pixels = std::max(kSmallest, pixels);
    font.setPixelSize(static_cast<int>(std::lround(pixels)));
    const qreal room = label.contentsRect().width();
    const qreal text = QFontMetricsF(font).horizontalAdvance(label.text());
    if (text > room && room > 0) {
        pixels = std::max(kSmallest, std::floor(pixels * room / text));
        font.setPixelSize(static_cast<int>(pixels));
    }
    label.setFont(font);
}

} // namespace tavik
