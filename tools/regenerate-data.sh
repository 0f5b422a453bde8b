#!/bin/bash
# Regenerates everything in data/ from the raw inputs and the package
# registries: the outlines REGION2.dat and STATES.dat, the city list
# Tavik.lst, and (through tavik-import) the channel files and the two
# call-sign lists; then checks the outlines and the city list.
#
# Usage, from anywhere: tools/regenerate-data.sh [raw-data-folder]
#   raw-data-folder   holds fcc/amRadioSta.txt and
#                     canada/canadianStations.csv (default: ../shared/data,
#                     relative to the project root)
#   LMS=<folder>      optional: the FCC LMS tables, for the tower arrays of
#                     the directional stations
#
# Installs what it needs with apt-get (through sudo when not root).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
raw=${1:-../shared/data}
fcc=$raw/fcc/amRadioSta.txt
canada=$raw/canada/canadianStations.csv
for f in "$fcc" "$canada"; do
    [ -r "$f" ] || { echo "$0: cannot read $f" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== outlines"
tools/test-gmt-to-outline.sh
tools/make-outlines.sh data

echo "== cities and places"
tools/make-cities.sh data/Tavik.lst "$work/places.csv"

echo "== stations"
./install-deps.sh
cmake -S . -B build > /dev/null
cmake --build build --target tavik-import tavik-outline-check -j2
lms=()
[ -n "${LMS:-}" ] && lms=(--lms "$LMS")
build/bin/tavik-import --fcc "$fcc" --canada "$canada" "${lms[@]}" \
    --places "$work/places.csv" --out data

echo "== checks"
node tools/check-data.js data
build/bin/tavik-outline-check data
