#!/bin/sh
# Renders several views of the bundled data with two builds of tavik-render
# and compares their traces byte for byte: a speed change must not change
# what is drawn. Usage: bench/compare-traces.sh BEFORE_RENDER AFTER_RENDER
# (run from anywhere; the views are rendered in the source tree's data/).
set -eu
[ $# -eq 2 ] || { echo "usage: $0 BEFORE_RENDER AFTER_RENDER" >&2; exit 2; }
before=$(realpath "$1")
after=$(realpath "$2")
data=$(dirname "$(realpath "$0")")/../data
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
kc="--channel 1490 --home 39.1,94.6 --city Kansas_City"

n=0
failed=0
view() {
    n=$((n + 1))
    for side in before after; do
        eval render=\$$side
        (cd "$data" && "$render" "$@" --trace "$out/$side-$n.txt" \
            -o "$out/$side-$n.png" 2>"$out/$side-$n.err") || true
    done
    if [ ! -s "$out/after-$n.txt" ]; then
        echo "FAILED  $* ($(head -c 200 "$out/after-$n.err"))"
        failed=1
    elif cmp -s "$out/before-$n.txt" "$out/after-$n.txt" &&
        cmp -s "$out/before-$n.err" "$out/after-$n.err"; then
        echo "same    ($(wc -l <"$out/after-$n.txt") ops) $*"
    else
        echo "DIFFERS $*"
        failed=1
    fi
}

view $kc --rings --compass --scale 1000 --size 1600x1200
view $kc --rings --compass --scale 100 --size 1600x1200
view $kc --rings --compass --scale 10000 --size 1600x1200
view $kc --rings --compass --grid --miles --scale 1414.2136
view --home 39.1,94.6 --all-stations --scale 283
view --home 39.1,94.6 --all-stations --scale 10000
view --channel 1340 --home 32.78,96.82 --day-night 1 --licensed-only
view --channel 530 --home 47.6,122.3 --scale 2000 --pattern-size 1 --rings
view --channel 1700 --home 21.3,157.8 --scale 100 --compass
view --channel 1080 --home 45.5,73.6 --show new,short,xenva2,long,deleted \
    --day-night 2 --scale 5000 --size 800x600
exit $failed
