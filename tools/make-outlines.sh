#!/bin/bash
# Writes the map outline files REGION2.dat (coasts, lakes, national borders)
# and STATES.dat (first-level divisions: US states, Canadian provinces and
# territories, Mexican states, Central American departments).
#
#   REGION2.dat   GSHHG 2.3.7 shorelines and national borders (Debian's gmt
#                 and gmt-gshhg-high)
#   STATES.dat    US states: the Census Bureau's state boundaries (npm
#                 us-atlas); Canada: Natural Earth's 1:50m admin-1 polygons
#                 (Debian's r-cran-rnaturalearthdata); the rest: GSHHG's
#                 level-2 borders. GSHHG's own US and Canadian lines have
#                 gaps: its binned border set loses a straight stretch that
#                 crosses a whole storage bin (Texas-Louisiana along
#                 94.04 W, Texas-New Mexico, 60 N, ...).
#
# Usage: tools/make-outlines.sh [output-folder]   (default: data)
#
# Installs gmt, gmt-gshhg-high, r-cran-rnaturalearthdata, nodejs and npm
# with apt-get when they are missing (through sudo when not run as root);
# the npm packages go into a temporary folder. GMT's DCW country polygons
# are not used: they hold no Mexican states, and their coasts would not
# match GSHHG's.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-data}
mkdir -p "$out"

need=()
for pkg in gmt gmt-gshhg-high r-cran-rnaturalearthdata; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || need+=("$pkg")
done
command -v node > /dev/null && command -v npm > /dev/null || need+=(nodejs npm)
if [ ${#need[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${need[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export GMT_USERDIR="$work/gmt"   # keep gmt.history and caches out of the tree

# The frame: from 172 E (the Aleutians, east of Kamchatka) round through the
# Americas, and from 5 S (so that the zoomed-out map of a home in the south
# of Mexico or in Cuba does not end in a straight cut through Colombia) to
# 84 N (Greenland's north coast). Its east edge is 40 W south of 60 N (east
# of Newfoundland and the Lesser Antilles, short of the Azores and Africa)
# and 11 W north of it (Greenland's north-east corner). Whatever land lies
# in the frame is drawn, so Chukotka and Iceland appear as on any map.
W=172; S=-5; N=84
SOUTH_E=320; NORTH_E=349
# Islands from 5 km^2 and lakes (with the islands in them) from 50 km^2 are
# kept: Marathon in the Florida Keys, Saba, Lake Washington are shapes a
# listener knows at the closest zoom, about 90 km across. South of 60 N,
# where nearly every station and listener is, vertices stay within 0.4 km of
# the high-resolution shoreline; north of it the Arctic islands and
# Greenland's fjords would otherwise hold half the vertices, and 2 km is
# enough there. Both bands use the same area limits, so a shoreline that
# crosses 60 N is kept or dropped as a whole.
SPLIT=60
ISLAND=5; LAKE=50
SOUTH_TOL=0.4k; NORTH_TOL=2k
BORDER_TOL=0.4k

# band <name> <lon1> <lat0> <lat1> <tolerance> <coast options...>
band() {
    local name=$1 e=$2 s=$3 n=$4 tol=$5
    shift 5
    gmt coast -R$W/$e/$s/$n -Dh "$@" -M > "$name.raw"
    if [ -s "$name.raw" ]; then
        gmt connect "$name.raw" -T1e -fg > "$name.joined"
        gmt simplify "$name.joined" -T"$tol" > "$name.txt"
    else
        : > "$name.txt"
    fi
}

# GSHHG is stored in bins, so coast -M writes each shoreline in pieces cut at
# bin edges. They are joined into whole polylines before simplifying, and the
# pieces cut at the band split once more after it (simplifying keeps the end
# points, so they still meet), so the file holds few pen-up lines.
band land-s  $SOUTH_E $S $SPLIT $SOUTH_TOL -A$ISLAND/1/1 -W
band land-n  $NORTH_E $SPLIT $N $NORTH_TOL -A$ISLAND/1/1 -W
band lakes-s $SOUTH_E $S $SPLIT $SOUTH_TOL -A$LAKE/2/3 -W
band lakes-n $NORTH_E $SPLIT $N $NORTH_TOL -A$LAKE/2/3 -W
band borders $SOUTH_E $S $N $BORDER_TOL -N1
cat land-s.txt land-n.txt > land.txt
cat lakes-s.txt lakes-n.txt > lakes.txt
gmt connect land.txt -T1e -fg > land-joined.txt
gmt connect lakes.txt -T1e -fg > lakes-joined.txt

# Internal borders: GSHHG's level-2 borders cover the Americas; keep those of
# North and Central America. North of 12.5 N no South American division
# reaches into the frame; south of it the frame stops at 77.3 W, between
# Panama's provinces and Colombia's departments.
STATES_BOXES="$W/$SOUTH_E/12.5/$N,260/282.7/7/12.5"
gmt coast -R$W/$SOUTH_E/7/$N -Dh -N2 -M > states.raw
gmt connect states.raw -T1e -fg > states.joined
gmt simplify states.joined -T$BORDER_TOL > gshhg-states.txt

# US states and Canadian provinces from their own sources, pinned so that a
# regeneration gives the same lines; GSHHG's lines in the two countries are
# cut away.
npm install --prefix "$work/npm" --no-audit --no-fund --no-save --loglevel=error \
    us-atlas@3.0.1 topojson-client@3.1.0 > /dev/null
Rscript "$here/canada-provinces.R" > provinces.txt
# The lakes of 15,000 km^2 and more (the Great Lakes, Winnipeg, Great Slave
# and Great Bear), whose water keeps GSHHG's lines.
gmt coast -R$W/$SOUTH_E/$S/$N -Dh -A15000/2/2 -W -M > biglakes.raw
gmt connect biglakes.raw -T1e -fg > biglakes.txt
NODE_PATH="$work/npm/node_modules" node "$here/states-lines.js" provinces.txt gshhg-states.txt biglakes.txt > states.txt

# GMT cuts borders only at its storage bins; the writer cuts every line
# exactly at the frame.
REGION_BOXES="$W/$SOUTH_E/$S/$SPLIT,$W/$NORTH_E/$SPLIT/$N"

# write <file> <boxes> <gmt text files...>
write() {
    local file=$1 boxes=$2
    shift 2
    {
        awk -v maxkm=10 -v boxes="$boxes" -f "$here/gmt-to-outline.awk" "$@" || return 1
        printf -- '-2000\r\n'
    } > "$file" 2> "$file.count"
    read -r lines verts < "$file.count"
    rm -f "$file.count"
    echo "$(basename "$file"): $lines polylines, $verts vertices"
}

cd - > /dev/null
write "$out/REGION2.dat" "$REGION_BOXES" "$work/land-joined.txt" "$work/lakes-joined.txt" "$work/borders.txt"
write "$out/STATES.dat" "$STATES_BOXES" "$work/states.txt"
