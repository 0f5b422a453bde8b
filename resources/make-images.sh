#!/bin/sh
# Draws the program's three pictures with ImageMagick 6 and the DejaVu fonts
# (Debian 12's imagemagick and fonts-dejavu-core), byte for byte the same on
# every run: no dates or other metadata are written.
#   logo.png   377 x 121  the start-up window's logo
#   about.jpg  150 x 150  the about box's picture
#   icon.png    32 x 32   the program's icon
# Run from anywhere: ./resources/make-images.sh
set -eu
cd "$(dirname "$0")"
FONTS=/usr/share/fonts/truetype/dejavu
BOLD=$FONTS/DejaVuSans-Bold.ttf
PLAIN=$FONTS/DejaVuSans.ttf
PNG="-strip -define png:exclude-chunks=date,time"

# A directional pattern outline as the map draws one, a lobe towards `tilt`
# degrees: r(a) = base * ((1 + cos(a - tilt)) / 2)^3 + floor, closed.
pattern() { # cx cy base floor tilt
    awk -v cx="$1" -v cy="$2" -v b="$3" -v f="$4" -v t="$5" 'BEGIN {
        pi = atan2(0, -1)
        for (a = 0; a <= 360; a += 4) {
            r = b * ((1 + cos((a - t) * pi / 180)) / 2) ^ 3 + f
            printf "%.1f,%.1f ", cx + r * sin(a * pi / 180), cy - r * cos(a * pi / 180)
        }
    }'
}

# Logo: the name over a dark-to-blue band, three pattern outlines on the left.
convert -size 121x377 gradient:'#01011e-#0d1b8c' -rotate -90 \
    -fill none -strokewidth 2 \
    -stroke '#80ffff' -draw "polyline $(pattern 62 62 44 8 45)" \
    -stroke '#66bbff' -draw "polyline $(pattern 62 62 30 6 200)" \
    -stroke '#116666' -draw "polyline $(pattern 62 62 16 5 300)" \
    -stroke none -fill '#ff3030' -draw "rectangle 58,61 66,63" -draw "rectangle 61,58 63,66" \
    -fill '#80ffff' -font "$BOLD" -pointsize 60 -annotate +128+72 'Tavik' \
    -fill '#c0e8ff' -font "$PLAIN" -pointsize 15 -annotate +132+100 'Medium-wave station maps' \
    $PNG PNG24:logo.png

# About picture: one station's pattern on a white map with distance rings.
convert -size 150x150 xc:white -fill none \
    -stroke '#ffdddd' -draw 'circle 75,75 75,20' -draw 'circle 75,75 75,47' \
    -stroke '#ff9999' -draw 'circle 75,75 75,5' \
    -stroke '#aa0000' -strokewidth 2 -draw "polyline $(pattern 75 75 58 6 30)" \
    -stroke '#000000' -strokewidth 1 -draw "polyline $(pattern 75 75 36 4 210)" \
    -stroke '#ff0000' -strokewidth 2 -draw 'line 69,75 81,75' -draw 'line 75,69 75,81' \
    -strip -quality 90 about.jpg

# Icon: a light-cyan pattern with its red cross on a dark blue square.
convert -size 32x32 xc:'#0d1b8c' -fill none \
    -stroke '#80ffff' -strokewidth 2 -draw "polyline $(pattern 16 16 12 2 45)" \
    -stroke '#ff3030' -strokewidth 1 -draw 'line 13,16 19,16' -draw 'line 16,13 16,19' \
    $PNG PNG24:icon.png
