#!/bin/bash
# Table tests of tools/gmt-to-outline.awk: GMT lon/lat segments in, outline
# vertex lines ("lat lon", longitudes east 0..360, "-100 -100" pen-ups, CR LF)
# out. Run: tools/test-gmt-to-outline.sh   (exit status 1 on a failure)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

failures=0
# check <name> <awk -v assignments, blank-separated> <input> <expected output>
# Input and expected output use "|" for a line break; the expected output
# leaves out the CRs, which are checked on their own.
check() {
    local name=$1 vars=$2 input=$3 expected=$4 args=() v out
    for v in $vars; do args+=(-v "$v"); done
    out=$(printf '%s\n' "${input//|/$'\n'}" |
          awk "${args[@]}" -f "$here/gmt-to-outline.awk" 2>/dev/null)
    if [ -n "$out" ] && grep -qv $'\r$' <<< "$out"; then
        echo "FAIL $name: a line without CR LF"
        failures=$((failures + 1))
        return
    fi
    out=$(tr -d '\r' <<< "$out" | paste -sd '|')
    if [ "$out" != "$expected" ]; then
        echo "FAIL $name"
        echo "  expected: $expected"
        echo "  got:      $out"
        failures=$((failures + 1))
    fi
}

P='-100 -100'

# --- writing: order, east longitudes, numbers
check "lat first, west longitude as east 0..360" "" \
    "> s|-100 40|-99.95 40.05" \
    "$P|40 260|40.05 260.05"
check "at most 4 decimals, no trailing zeros" "maxkm=1000" \
    "> s|-99.123456 40.100000|-99 40.00004" \
    "$P|40.1 260.8765|40 261"
check "minus zero is written as 0" "maxkm=1000" \
    "> s|10 -0.00001|10.1 0" \
    "$P|0 10|0 10.1"
check "east longitude below 180 stays" "maxkm=1000" \
    "> s|172.5 52|173 52.1" \
    "$P|52 172.5|52.1 173"
check "-180 and 180 are the same meridian" "" \
    "> s|179.99 52|-180 52|-179.99 52" \
    "$P|52 179.99|52 180|52 180.01"

# --- polylines
check "each segment header lifts the pen" "" \
    "> a|-100 40|-99.9 40|> b|-98 41|-97.9 41" \
    "$P|40 260|40 260.1|$P|41 262|41 262.1"
check "a single vertex is no polyline" "" \
    "> a|-100 40|> b|-98 41|-97.9 41" \
    "$P|41 262|41 262.1"
check "repeats after rounding are dropped" "" \
    "> a|-100 40|-100.00001 40|-99.9 40" \
    "$P|40 260|40 260.1"
check "a polyline of one repeated point is no polyline" "" \
    "> a|-100 40|-100.00001 40.00001" \
    ""
check "a line crossing the 0/360 seam is split there" "maxkm=1000" \
    "> a|-0.1 50|0.1 50|0.2 50" \
    "$P|50 0.1|50 0.2"
check "comment and blank lines are skipped" "" \
    "# GMT header|> a||-100 40|-99.9 40" \
    "$P|40 260|40 260.1"

# --- densifying: 1 degree of longitude at 60 N is about 55.6 km
check "long segment split into equal steps" "maxkm=20" \
    "> a|-100 60|-99 60" \
    "$P|60 260|60 260.3333|60 260.6667|60 261"
check "segment just under the limit is kept whole" "maxkm=56" \
    "> a|-100 60|-99 60" \
    "$P|60 260|60 261"
check "meridian segment: 0.5 degree is 55.6 km" "maxkm=30" \
    "> a|-100 40|-100 40.5" \
    "$P|40 260|40.25 260|40.5 260"

# --- clipping to boxes
check "parts outside the box are cut at its edge" "maxkm=1e9 boxes=100/110/0/10" \
    "> a|95 5|105 5|115 5" \
    "$P|5 100|5 105|5 110"
check "a line leaving and re-entering gives two polylines" "maxkm=1e9 boxes=100/110/0/10" \
    "> a|101 5|105 15|109 5" \
    "$P|5 101|10 103|$P|10 107|5 109"
check "a diagonal crossing two edges" "maxkm=1e9 boxes=100/110/0/10" \
    "> a|95 1|115 11" \
    "$P|3.5 100|8.5 110"
check "a line wholly outside is dropped" "maxkm=1e9 boxes=100/110/0/10" \
    "> a|120 5|125 5" \
    ""
check "two boxes side by side: split on the shared edge" "maxkm=1e9 boxes=100/110/0/6,110/120/0/6" \
    "> a|100 5|120 5" \
    "$P|5 100|5 110|$P|5 110|5 120"
check "inside the second box only" "maxkm=1e9 boxes=100/110/0/6,110/120/0/6" \
    "> a|111 1|112 2|113 1" \
    "$P|1 111|2 112|1 113"

if [ $failures -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "gmt-to-outline.awk: all cases pass"
