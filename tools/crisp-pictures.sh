#!/usr/bin/env bash
# Pictures of how sharp the plan is on a fine screen and on paper, from a furnished room:
#   docs/plan-dpr2-beside-dpr1.png  a part of the plan in the editor on a screen at scale 1,
#                                   enlarged as a screen at scale 2 would show a plan drawn at 1×
#                                   (left), beside the same part in the editor at scale 2 (right);
#   docs/print-600dpi-crop.png      a part of the printed A4 page at 1 : 50, at 600 pixels per
#                                   inch, as a printer of that resolution puts it on paper.
# Needs xvfb, openbox, xdotool, ImageMagick and pdftoppm (poppler-utils), installed when missing.
# Usage: tools/crisp-pictures.sh [ROOM.mst]
set -euo pipefail
cd "$(dirname "$0")/.."
room=${1:-docs/rooms/Furnished.mst}
tools/install-deps.sh  # poppler-utils among them
tools/install-x-tools.sh
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/Kelvora"
# Settings of its own, so that no first-run question comes before the plan.
printf '[Planzeta]\nLastVersion=300\nLanguage=0\nAutosize=0\n' > "$XDG_CONFIG_HOME/Kelvora/Planzeta.ini"
export DISPLAY=:$((90 + RANDOM % 9))
Xvfb "$DISPLAY" -screen 0 1600x1200x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1

# The editor's window at a screen scale, as a picture.
editor_at() {
    QT_SCALE_FACTOR=$1 build/src/planzeta "$room" >/dev/null 2>&1 &
    local app=$!
    sleep 4
    import -window "$(xdotool search --name '^Planzeta - ' | tail -1)" "$2"
    kill $app
    wait $app 2>/dev/null || true
}
editor_at 1 "$work/x1.png"
editor_at 2 "$work/x2.png"
# 240 × 160 pixels of the plan at scale 1, from the room's top-left corner inwards.
convert "$work/x1.png" -crop 240x160+20+75 +repage -filter point -resize 200% "$work/left.png"
convert "$work/x2.png" -crop 480x320+40+150 +repage "$work/right.png"
convert "$work/left.png" "$work/right.png" -bordercolor white -border 4 +append docs/plan-dpr2-beside-dpr1.png
echo "wrote docs/plan-dpr2-beside-dpr1.png"

export QT_QPA_PLATFORM=offscreen
build/src/planzeta --print-pdf "$work/print.pdf" "$room" --scale 50 --note2 "Printed at 1 : 50 on A4"
# About 2 × 2 inches below the middle of the page's top: the title, a desk and a chair with their captions.
pdftoppm -png -r 600 -f 1 -l 1 -x 1900 -y 330 -W 1250 -H 1100 -singlefile "$work/print.pdf" docs/print-600dpi-crop
echo "wrote docs/print-600dpi-crop.png"
