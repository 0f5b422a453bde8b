#include "dialogs/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace tavik {

int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

void PlaceFromScreenCorner(QWidget &dialog, const QWidget *parent,
                           int leftTwips, int topTwips) {
    const QScreen *screen =
        parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    dialog.move(origin +
                QPoint(TwipsToPixels(leftTwips), TwipsToPixels(topTwips)));
}

} // namespace tavik
