#pragma once
// Placing a dialog by the twips its layout was made in.

class QWidget;

namespace tavik {

// A twip is 1/1440 inch: 15 to a pixel at the 96 dpi the layouts were made
// for, so twips become device-independent pixels by this factor.
constexpr double kTwipsPerPixel = 15.0;

int TwipsToPixels(double twips);

// Moves `dialog`'s frame to `leftTwips`, `topTwips` from the top-left corner
// of the screen that `parent` (or, without one, the primary screen) is on.
void PlaceFromScreenCorner(QWidget &dialog, const QWidget *parent,
                           int leftTwips, int topTwips);

} // namespace tavik
