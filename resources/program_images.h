#pragma once
// The program's own pictures, built into it from resources/tavik.qrc (drawn
// by resources/make-images.sh).

#include <QPixmap>

namespace tavik {

QPixmap LogoImage();  // 377 x 121, the start-up window's logo
QPixmap AboutImage(); // 150 x 150, the about box's picture
QPixmap IconImage();  // 32 x 32, the program's icon

} // namespace tavik
