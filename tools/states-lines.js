#!/usr/bin/env node
// Writes the first-level borders of STATES.dat as GMT multi-segment text
// ("lon lat" lines, a ">" line before each polyline) on standard output:
//
//   - US state lines: the Census Bureau's cartographic state boundaries as
//     packed in the npm package us-atlas (states-10m.json): the arcs shared
//     by two states;
//   - Canadian province and territory lines: the edges between two
//     provinces in Natural Earth's 1:50m admin-1 polygons (the output of
//     tools/canada-provinces.R);
//   - everything else (Mexican states, Central America, and the lines
//     through the water of the large lakes): GSHHG's level-2 borders, less
//     the parts that lie in the USA or in Canada out of those lakes.
//
// Usage: NODE_PATH=<node_modules with us-atlas, topojson-client>
//        node tools/states-lines.js <canada-provinces.txt> <gshhg-n2.txt>
//             <lakes.txt>
// where lakes.txt holds the shorelines of the large lakes as closed rings
// (GMT text, lon lat).
'use strict';

const fs = require('fs');
const topojson = require('topojson-client');
const us = require('us-atlas/states-10m.json');

const [provincesFile, gshhgFile, lakesFile] = process.argv.slice(2);
if (!lakesFile) {
    process.stderr.write('usage: node states-lines.js <provinces.txt> <gshhg-n2.txt> <lakes.txt>\n');
    process.exit(2);
}

// GMT multi-segment text as a list of {name, points: [[lon, lat], ...]}.
function readSegments(file) {
    const segments = [];
    let current = null;
    for (const line of fs.readFileSync(file, 'latin1').split('\n')) {
        if (line.startsWith('>')) {
            current = { name: line.slice(1).trim(), points: [] };
            segments.push(current);
        } else if (line.trim() !== '' && current) {
            const [lon, lat] = line.trim().split(/\s+/).map(Number);
            current.points.push([lon, lat]);
        }
    }
    return segments;
}

const out = [];
const emit = (points) => {
    if (points.length < 2) return;
    out.push('>');
    for (const [lon, lat] of points) out.push(`${lon.toFixed(6)} ${lat.toFixed(6)}`);
};

// US: the arcs between two different states.
const usLines = topojson.mesh(us, us.objects.states, (a, b) => a !== b);
usLines.coordinates.forEach(emit);

// Canada: an edge of a province's ring whose two ends are both vertices of
// one other province is a border between them (Natural Earth's polygons
// share their border vertices, though one of two neighbours sometimes
// takes a detour between two of them: its detour is then no border). Each
// border edge is written once.
const rings = readSegments(provincesFile);
const key = (p) => `${p[0].toFixed(6)},${p[1].toFixed(6)}`;
const edgeKey = (a, b) => [key(a), key(b)].sort().join(' ');
const owners = new Map();
for (const ring of rings)
    for (const point of ring.points) {
        if (!owners.has(key(point))) owners.set(key(point), new Set());
        owners.get(key(point)).add(ring.name);
    }
const written = new Set();
const isBorder = (ring, a, b) => {
    const k = edgeKey(a, b);
    if (written.has(k)) return false;
    const atB = owners.get(key(b));
    for (const name of owners.get(key(a)))
        if (name !== ring.name && atB.has(name)) {
            written.add(k);
            return true;
        }
    return false;
};
for (const ring of rings) {
    let run = [];
    for (let i = 1; i < ring.points.length; i++) {
        if (isBorder(ring, ring.points[i - 1], ring.points[i])) {
            if (run.length === 0) run.push(ring.points[i - 1]);
            run.push(ring.points[i]);
        } else {
            emit(run);
            run = [];
        }
    }
    emit(run);
}

// The polygons of the two countries, to cut their lines out of GSHHG's.
const polygons = [];
for (const feature of topojson.feature(us, us.objects.nation).features) {
    const g = feature.geometry;
    const parts = g.type === 'Polygon' ? [g.coordinates] : g.coordinates;
    for (const polygon of parts) polygons.push(polygon);
}
for (const ring of rings) polygons.push([ring.points]);
const boxes = polygons.map((polygon) => {
    const box = [Infinity, Infinity, -Infinity, -Infinity];
    for (const [lon, lat] of polygon[0]) {
        box[0] = Math.min(box[0], lon); box[1] = Math.min(box[1], lat);
        box[2] = Math.max(box[2], lon); box[3] = Math.max(box[3], lat);
    }
    return box;
});
function insideRing(ring, lon, lat) {
    let inside = false;
    for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
        const [xi, yi] = ring[i], [xj, yj] = ring[j];
        if ((yi > lat) !== (yj > lat) &&
            lon < (xj - xi) * (lat - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}
function inUsOrCanada(lon, lat) {
    return polygons.some((polygon, n) => {
        const b = boxes[n];
        if (lon < b[0] || lon > b[2] || lat < b[1] || lat > b[3]) return false;
        if (!insideRing(polygon[0], lon, lat)) return false;
        return !polygon.slice(1).some((hole) => insideRing(hole, lon, lat));
    });
}

// The large lakes (the Great Lakes above all): GSHHG's lines through their
// water are kept whole, since the other two sources draw none there and
// their simplified shores would cut GSHHG's lines into dashes.
const lakes = readSegments(lakesFile).map((lake) => {
    const ring = lake.points.map(([lon, lat]) => [lon > 180 ? lon - 360 : lon, lat]);
    const box = [Infinity, Infinity, -Infinity, -Infinity];
    for (const [lon, lat] of ring) {
        box[0] = Math.min(box[0], lon); box[1] = Math.min(box[1], lat);
        box[2] = Math.max(box[2], lon); box[3] = Math.max(box[3], lat);
    }
    return { ring, box };
});
const inLake = (lon, lat) => lakes.some(({ ring, box }) =>
    lon >= box[0] && lon <= box[2] && lat >= box[1] && lat <= box[3] &&
    insideRing(ring, lon, lat));

// GSHHG: a segment is kept when its midpoint lies in neither country, or
// in one of the large lakes.
for (const segment of readSegments(gshhgFile)) {
    let run = [];
    const p = segment.points.map(([lon, lat]) => [lon > 180 ? lon - 360 : lon, lat]);
    for (let i = 1; i < p.length; i++) {
        const mid = [(p[i - 1][0] + p[i][0]) / 2, (p[i - 1][1] + p[i][1]) / 2];
        if (inLake(mid[0], mid[1]) || !inUsOrCanada(mid[0], mid[1])) {
            if (run.length === 0) run.push(p[i - 1]);
            run.push(p[i]);
        } else {
            emit(run);
            run = [];
        }
    }
    emit(run);
}

process.stdout.write(out.join('\n') + '\n');
