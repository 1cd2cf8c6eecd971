#!/usr/bin/env bash
# Prints a furnished room at 1 : 50 with its title, scale bar and two notes into a PDF, as the
# print dialog does, and turns the page into docs/print-1-50.png at 120 pixels per inch. The PDF
# itself is made in a temporary folder and not kept. Needs pdftoppm (poppler-utils), which is
# installed when missing.
# Usage: tools/print-picture.sh [ROOM.mst]
set -euo pipefail
cd "$(dirname "$0")/.."
room=${1:-docs/rooms/Furnished.mst}
if ! command -v pdftoppm >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends poppler-utils
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A fresh user: the options' defaults, among them a page border of 1.5 cm.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
# Note 1 is the room's dimensions, as the dialog fills it in.
build/src/planzeta --print-pdf "$work/print.pdf" "$room" --scale 50 --note2 "Printed at 1 : 50 on A4"
pdftoppm -png -r 120 -f 1 -l 1 -singlefile "$work/print.pdf" docs/print-1-50
echo "wrote docs/print-1-50.png"
