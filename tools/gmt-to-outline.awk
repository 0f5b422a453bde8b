# Turns GMT multi-segment text (lon lat per line, segments separated by ">"
# header lines) into the vertex lines of a Tavik outline file:
#
#   -100 -100        pen up: the next vertex starts a new polyline
#   lat lon          a vertex, latitude north, longitude EAST in 0..360
#
# Lines end in CR LF. The file header (a first pen-up line) and the "-2000"
# end line are written by the caller, so several GMT outputs can be chained
# into one file.
#
# Variables (awk -v):
#   maxkm   longest segment in km. The map drawers lift the pen when two
#           vertices lie more than 2000 map units apart in x or y; at the
#           closest zoom (scale 10000, 1 km = 133 units) that is 15 km, so
#           a straight border drawn with few vertices would vanish there.
#           Longer segments are split by linear interpolation in lat/lon,
#           which keeps lines along parallels and meridians exact.
#   minpts  polylines with fewer vertices (after dropping repeats) are left out.
#   boxes   optional list of "west/east/south/north" boxes (longitudes east,
#           0..360), separated by commas: only the parts of the lines inside
#           one of them are kept, cut exactly at the box edges. GMT clips
#           borders only to its storage bins, which reach past the region
#           asked for.
#
# At the end it prints "<polylines> <vertices>" to stderr.

function fmt(v,    s) {
    s = sprintf("%.4f", v)
    sub(/0+$/, "", s)
    sub(/\.$/, "", s)
    if (s == "-0") s = "0"
    return s
}

# Approximate ground distance in km between two points (equirectangular,
# good to a fraction of a percent over the short spans it is used for).
function km(lat1, lon1, lat2, lon2,    dx, dy) {
    dy = (lat2 - lat1) * 111.2
    dx = (lon2 - lon1) * 111.2 * cos((lat1 + lat2) * 0.00872665)
    return sqrt(dx * dx + dy * dy)
}

# Writes one polyline held in ela[1..en], elo[1..en].
function emit(    i, j, k, steps, la, lo, text, last, out, nout) {
    # densify, round to the written precision and drop repeated vertices
    nout = 0
    last = ""
    for (i = 1; i <= en; i++) {
        if (i > 1) {
            steps = int(km(ela[i-1], elo[i-1], ela[i], elo[i]) / maxkm)
            for (k = 1; k <= steps; k++) {
                la = ela[i-1] + (ela[i] - ela[i-1]) * k / (steps + 1)
                lo = elo[i-1] + (elo[i] - elo[i-1]) * k / (steps + 1)
                text = fmt(la) " " fmt(lo)
                if (text != last) { out[++nout] = text; last = text }
            }
        }
        text = fmt(ela[i]) " " fmt(elo[i])
        if (text != last) { out[++nout] = text; last = text }
    }
    en = 0
    if (nout < minpts) return
    printf "-100 -100\r\n"
    for (j = 1; j <= nout; j++) printf "%s\r\n", out[j]
    polylines++
    vertices += nout
}

# Liang-Barsky: the part of the segment (x0,y0)-(x1,y1) inside box b, as the
# parameters ct0 <= ct1 in 0..1. Returns 0 when nothing lies inside.
function clipbox(b, x0, y0, x1, y1,    p, q, r, i, dx, dy) {
    dx = x1 - x0; dy = y1 - y0
    ct0 = 0; ct1 = 1
    p[1] = -dx; q[1] = x0 - bw[b]
    p[2] =  dx; q[2] = be[b] - x0
    p[3] = -dy; q[3] = y0 - bs[b]
    p[4] =  dy; q[4] = bn[b] - y0
    for (i = 1; i <= 4; i++) {
        if (p[i] == 0) {
            if (q[i] < 0) return 0
        } else {
            r = q[i] / p[i]
            if (p[i] < 0) { if (r > ct1) return 0; if (r > ct0) ct0 = r }
            else          { if (r < ct0) return 0; if (r < ct1) ct1 = r }
        }
    }
    return 1
}

function flush(    i, b, k, m, n, t0, t1, bx, tmp, open, obox, atend) {
    if (npts == 0) return
    if (nboxes == 0) {
        for (i = 1; i <= npts; i++) { ela[i] = plat[i]; elo[i] = plon[i] }
        en = npts
        npts = 0
        emit()
        return
    }
    # Cut the polyline into the pieces that lie inside the boxes. A piece
    # goes on across a vertex only if it stays in the same box.
    open = 0; atend = 0; en = 0
    for (i = 2; i <= npts; i++) {
        n = 0
        for (b = 1; b <= nboxes; b++) {
            if (clipbox(b, plon[i-1], plat[i-1], plon[i], plat[i])) {
                n++; t0[n] = ct0; t1[n] = ct1; bx[n] = b
            }
        }
        # order the pieces of this segment along it
        for (k = 2; k <= n; k++)
            for (m = k; m > 1 && t0[m] < t0[m-1]; m--) {
                tmp = t0[m]; t0[m] = t0[m-1]; t0[m-1] = tmp
                tmp = t1[m]; t1[m] = t1[m-1]; t1[m-1] = tmp
                tmp = bx[m]; bx[m] = bx[m-1]; bx[m-1] = tmp
            }
        if (n == 0 || !(open && atend && bx[1] == obox && t0[1] == 0)) {
            if (open) emit()
            open = 0
        }
        for (k = 1; k <= n; k++) {
            if (!open || k > 1) {
                if (open) emit()
                en = 1
                ela[1] = plat[i-1] + (plat[i] - plat[i-1]) * t0[k]
                elo[1] = plon[i-1] + (plon[i] - plon[i-1]) * t0[k]
                open = 1
                obox = bx[k]
            }
            en++
            ela[en] = plat[i-1] + (plat[i] - plat[i-1]) * t1[k]
            elo[en] = plon[i-1] + (plon[i] - plon[i-1]) * t1[k]
        }
        atend = (n > 0 && t1[n] == 1)
    }
    if (open) emit()
    npts = 0
}

BEGIN {
    if (maxkm == "") maxkm = 10
    if (minpts == "") minpts = 2
    npts = 0
    nboxes = 0
    if (boxes != "") {
        nb = split(boxes, blist, ",")
        for (b = 1; b <= nb; b++) {
            split(blist[b], c, "/")
            nboxes++
            bw[nboxes] = c[1] + 0; be[nboxes] = c[2] + 0
            bs[nboxes] = c[3] + 0; bn[nboxes] = c[4] + 0
        }
    }
}

FNR == 1 { flush() }
/^>/ { flush(); next }
/^[ \t]*$/ { next }
/^#/ { next }

{
    lon = $1 + 0
    lat = $2 + 0
    # GMT may write the western hemisphere as negative longitudes; the
    # outline files count east from Greenwich, 0 to 360.
    while (lon < 0) lon += 360
    while (lon >= 360) lon -= 360
    # A polyline that crosses the 0/360 seam would draw a line across the
    # map; split it there (no land of the frame lies on that meridian, but
    # the guard costs nothing).
    if (npts > 0 && (lon - plon[npts] > 180 || plon[npts] - lon > 180)) flush()
    npts++
    plat[npts] = lat
    plon[npts] = lon
}

END {
    flush()
    printf "%d %d\n", polylines, vertices > "/dev/stderr"
}
