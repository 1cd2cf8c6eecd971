#!/usr/bin/env bash
# Pictures of how sharp the plan is on a fine screen and on paper, from a furnished room:
#   docs/plan-dpr2-beside-dpr1.png  a part of the plan as the editor composes it for a screen
#                                   at scale 1, enlarged as such a screen at scale 2 would show
#                                   it (left), beside the same part composed at scale 2 (right);
#   docs/print-600dpi-crop.png      a part of the printed A4 page at 1 : 50, at 600 pixels per
#                                   inch, as a printer of that resolution puts it on paper.
# Needs ImageMagick and pdftoppm (poppler-utils), which are installed when missing.
# Usage: tools/crisp-pictures.sh [ROOM.mst]
set -euo pipefail
cd "$(dirname "$0")/.."
room=${1:-docs/rooms/Furnished.mst}
missing=()
command -v convert >/dev/null || missing+=(imagemagick)
command -v pdftoppm >/dev/null || missing+=(poppler-utils)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen

# The plan at zoom 1: 240 × 160 of its pixels, from the room's top-left corner inwards.
build/src/planzeta --export-image "$work/x1.png" "$room"
build/src/planzeta --export-image "$work/x2.png" "$room" --scale-factor 2
convert "$work/x1.png" -crop 240x160+20+20 +repage -filter point -resize 200% "$work/left.png"
convert "$work/x2.png" -crop 480x320+40+40 +repage "$work/right.png"
convert "$work/left.png" "$work/right.png" -bordercolor white -border 4 +append docs/plan-dpr2-beside-dpr1.png
echo "wrote docs/plan-dpr2-beside-dpr1.png"

build/src/planzeta --print-pdf "$work/print.pdf" "$room" --scale 50 --note2 "Printed at 1 : 50 on A4"
# About 2 × 2 inches below the middle of the page's top: the title, a desk and a chair with their captions.
pdftoppm -png -r 600 -f 1 -l 1 -x 1900 -y 330 -W 1250 -H 1100 -singlefile "$work/print.pdf" docs/print-600dpi-crop
echo "wrote docs/print-600dpi-crop.png"
