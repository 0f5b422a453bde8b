#!/usr/bin/env node
// Checks the outline files and the city list in a data folder against what
// the program's readers expect, and that data/README.md states their counts.
//
// Usage: node tools/check-data.js [data-folder]   (default: data)
// Prints one line per fault and exits with 1 if there is any.
'use strict';

const fs = require('fs');
const path = require('path');

const dir = process.argv[2] || 'data';
const faults = [];
const fault = (text) => faults.push(text);

// Lines of a CR LF file, without the CR; a line missing its CR is a fault.
function crlfLines(file) {
    const text = fs.readFileSync(path.join(dir, file), 'latin1');
    const lines = text.split('\n');
    if (lines[lines.length - 1] !== '')
        fault(`${file}: the last line has no line end`);
    lines.pop();
    return lines.map((line, i) => {
        if (!line.endsWith('\r'))
            fault(`${file} line ${i + 1}: no CR before the LF`);
        return line.replace(/\r$/, '');
    });
}

// Great-circle distance as the map computes it (111.44 km per degree).
function mapKm(lat1, lon1, lat2, lon2) {
    const r = Math.PI / 180;
    const c = Math.sin(lat1 * r) * Math.sin(lat2 * r) +
        Math.cos(lat1 * r) * Math.cos(lat2 * r) * Math.cos((lon2 - lon1) * r);
    return Math.acos(Math.min(1, c)) / r * 111.44;
}

// The drawers lift the pen between vertices more than 2000 map units apart
// in x or y; at the closest zoom (scaleFactor 10000, one km = 10000/75
// units) a segment longer than this would vanish.
const JUMP_KM = 2000 * 75 / 10000;

function checkOutline(file) {
    const lines = crlfLines(file);
    const number = /^-?\d+(\.\d{1,4})?$/;
    let polylines = 0, vertices = 0, inLine = 0, longest = 0;
    let prev = null, ended = false;
    if (lines[0] !== '-100 -100')
        fault(`${file}: does not begin with a pen-up line`);
    lines.forEach((line, i) => {
        const where = `${file} line ${i + 1}`;
        if (ended) {
            if (line.trim() !== '')
                fault(`${where}: text after the -2000 end line`);
            return;
        }
        if (line === '-2000') {
            ended = true;
            return;
        }
        if (line === '-100 -100') {
            if (i > 0 && inLine < 2)
                fault(`${where}: a polyline of ${inLine} vertices before it`);
            ++polylines;
            inLine = 0;
            prev = null;
            return;
        }
        const words = line.split(' ');
        if (words.length !== 2 || !number.test(words[0]) || !number.test(words[1])) {
            fault(`${where}: not "lat lon" with at most 4 decimals: "${line}"`);
            return;
        }
        const lat = Number(words[0]), lon = Number(words[1]);
        if (lat < -90 || lat > 90 || lon < 0 || lon >= 360)
            fault(`${where}: ${line} is out of range (lat, lon east 0..360)`);
        if (prev) {
            const km = mapKm(prev[0], prev[1], lat, lon);
            longest = Math.max(longest, km);
            if (km > JUMP_KM)
                fault(`${where}: ${km.toFixed(1)} km from the vertex before`);
            if (km === 0)
                fault(`${where}: repeats the vertex before`);
        }
        prev = [lat, lon];
        ++inLine;
        ++vertices;
    });
    if (!ended)
        fault(`${file}: no -2000 end line`);
    if (inLine === 1)
        fault(`${file}: the last polyline has one vertex`);
    return { polylines, vertices, longest };
}

const US_STATES = ('AK AL AR AZ CA CO CT DC DE FL GA HI IA ID IL IN KS KY LA MA MD ' +
    'ME MI MN MO MS MT NC ND NE NH NJ NM NV NY OH OK OR PA RI SC SD TN TX UT VA ' +
    'VT WA WI WV WY').split(' ');
const PROVINCES = 'AB BC MB NB NL NS NT NU ON PE QC SK YT'.split(' ');
const MX_STATES = ('AGU BCN BCS CAM CHH CHP CMX COA COL DUR GRO GUA HID JAL MEX ' +
    'MIC MOR NAY NLE OAX PUE QUE ROO SIN SLP SON TAB TAM TLA VER YUC ZAC').split(' ');

function checkCities(file) {
    const lines = crlfLines(file).filter((l) => l !== '');
    if (lines.length > 861)
        fault(`${file}: ${lines.length} lines; the program keeps 861`);
    const seen = new Set(), codes = new Set(), perCountry = {};
    let previous = null;
    lines.forEach((line, i) => {
        const where = `${file} line ${i + 1}`;
        if (line.length !== 56 || /[^\x20-\x7e]/.test(line)) {
            fault(`${where}: not 56 ASCII characters: "${line}"`);
            return;
        }
        const code = line.slice(0, 11).trimEnd();
        const name = line.slice(11, 37).trimEnd();
        const lat = line.slice(37, 46), west = line.slice(47, 56);
        if (!/^((US|CA) [A-Z]{2}|MX [A-Z]{3}|CU)$/.test(code))
            fault(`${where}: country and state "${code}"`);
        if (name === '' || name[0] === ' ')
            fault(`${where}: name "${name}"`);
        if (line[37] !== ' ' || line[46] !== ' ')
            fault(`${where}: positions 38 and 47 must be blank`);
        for (const [text, lo, hi, what] of [[lat, 5, 84, 'latitude'],
                                             [west, 50, 180, 'west longitude']]) {
            if (!/^ *\d+\.\d{4}$/.test(text) || +text < lo || +text > hi)
                fault(`${where}: ${what} "${text}"`);
        }
        const key = [code, name.toUpperCase()];
        if (previous && (key[0] < previous[0] ||
                         (key[0] === previous[0] && key[1] < previous[1])))
            fault(`${where}: out of order (country and state, then name)`);
        if (seen.has(key.join('|')))
            fault(`${where}: ${name} twice in ${code}`);
        seen.add(key.join('|'));
        previous = key;
        codes.add(code);
        const country = code.slice(0, 2);
        perCountry[country] = (perCountry[country] || 0) + 1;
    });
    const expected = [...US_STATES.map((s) => 'US ' + s),
                      ...PROVINCES.map((p) => 'CA ' + p),
                      ...MX_STATES.map((s) => 'MX ' + s), 'CU'];
    const missing = expected.filter((c) => !codes.has(c));
    if (missing.length)
        fault(`${file}: no city for ${missing.join(', ')}`);
    return { lines: lines.length, perCountry };
}

// data/README.md must give the counts as they are: a table row naming the
// file (or country) and holding each count as plain digits.
function checkReadme(rows) {
    let readme;
    try {
        readme = fs.readFileSync(path.join(dir, 'README.md'), 'utf8').split('\n');
    } catch (e) {
        fault('README.md cannot be read');
        return;
    }
    for (const [label, ...numbers] of rows) {
        const ok = readme.some((line) => line.startsWith('|') &&
            line.includes(label) &&
            numbers.every((n) => line.split('|').some((cell) => cell.trim() === String(n))));
        if (!ok)
            fault(`README.md: no table row with ${label} and ${numbers.join(', ')}`);
    }
}

const region = checkOutline('REGION2.dat');
const states = checkOutline('STATES.dat');
const cities = checkCities('Tavik.lst');
checkReadme([
    ['`REGION2.dat`', region.polylines, region.vertices],
    ['`STATES.dat`', states.polylines, states.vertices],
    ['USA', cities.perCountry.US],
    ['Canada', cities.perCountry.CA],
    ['Mexico', cities.perCountry.MX],
    ['Cuba', cities.perCountry.CU],
]);

console.log(`REGION2.dat: ${region.polylines} polylines, ${region.vertices} vertices, ` +
            `longest segment ${region.longest.toFixed(2)} km`);
console.log(`STATES.dat: ${states.polylines} polylines, ${states.vertices} vertices, ` +
            `longest segment ${states.longest.toFixed(2)} km`);
console.log(`Tavik.lst: ${cities.lines} cities: ` +
            Object.entries(cities.perCountry).map(([c, n]) => `${c} ${n}`).join(', '));
for (const f of faults.slice(0, 50))
    console.log('FAULT ' + f);
if (faults.length > 50)
    console.log(`... ${faults.length - 50} more`);
process.exit(faults.length ? 1 : 0);
