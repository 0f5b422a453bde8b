#pragma once
// How the start-up window's labels, buttons and logo look at a given scale:
// shared by the window, which shows them as widgets over its picture, and
// the renderer, which paints them over the picture it wrote.

#include "map/startup_plot.h"
#include "session/startup.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

namespace tavik {

// The label text colour, light cyan.
QColor StartupTextColour();

// The control's font for a picture shown at `pixelsPerUnit` device-
// independent pixels per window unit: bold for labels, sans-serif, its
// points from the screen width (one point spans 20 units), made smaller
// when the one-line caption would not fit the control's width.
QFont StartupFont(const StartupControl &control, double pixelsPerUnit,
                  const StartupScreen &screen = StartupScreen{});

// Paints the labels (not the buttons) and the logo at `logo` over a picture
// whose window units map to the painter's coordinates times `pixelsPerUnit`.
void PaintStartupLabelsAndLogo(QPainter &painter, double pixelsPerUnit,
                               const LogoSlide &logo);

} // namespace tavik
