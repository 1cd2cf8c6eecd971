#!/usr/bin/env bash
# Makes the manual's picture of a traced plan: a paper plan of the furnished example room drawn
# and "scanned" (tilted, on tinted paper, with noise) into a JPEG, the example room placed over
# it with the scan as its calibrated background picture, exported into
# docs/background-trace.png. Needs imagemagick, which is installed when missing.
# Usage: tools/background-picture.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v convert >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends imagemagick
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

# The paper plan: 2 pixels per centimetre, the room's inner corner at (60, 60), its walls 12 cm
# thick, as in docs/rooms/Furnished.mst; its furniture pencilled in where it will stand.
tilt=1.5
convert -size 1160x960 xc:'#f3eee0' \
    -fill none -stroke '#2a2a2a' -strokewidth 24 -draw 'rectangle 48,48 1112,912' \
    -stroke '#f3eee0' -strokewidth 30 -draw 'line 142,48 318,48' -draw 'line 662,912 958,912' \
    -stroke '#2a2a2a' -strokewidth 3 -draw "path 'M 140,240 A 180,180 0 0,0 320,60'" \
    -draw 'line 140,60 140,240' -draw 'line 660,906 960,906' -draw 'line 660,918 960,918' \
    -draw 'line 60,22 1100,22' -draw 'line 60,12 60,32' -draw 'line 1100,12 1100,32' \
    -stroke '#555555' -strokewidth 3 -draw 'rectangle 740,60 1060,460' -draw 'rectangle 380,60 660,200' \
    -draw 'rectangle 60,500 180,900' -draw 'line 60,500 180,900' -draw 'line 180,500 60,900' \
    -draw 'circle 560,660 560,760' \
    -stroke none -fill '#2a2a2a' -font DejaVu-Sans -pointsize 22 -annotate +545+18 '5.20 m' \
    -annotate +860+280 'bed' -annotate +490+150 'desk' -annotate +190+720 'wardrobe' \
    -annotate +532+668 'table' \
    -virtual-pixel white -distort SRT "$tilt" \
    -attenuate 0.35 +noise Gaussian -blur 0x0.7 -quality 85 "$work/scan.jpg"

# The calibration the editor would reach: half a centimetre per pixel, turned back by the tilt
# about the picture's centre, which the distortion kept in place.
read -r offsetX offsetY < <(python3 - "$tilt" <<'PY'
import math, sys
t = math.radians(-float(sys.argv[1]))
cx, cy = 580, 480  # the centre the scan was turned about
# plan = 0.5 * (R(-tilt) * (scan - centre) + centre - origin), so the scan's corner lies at:
x, y = -cx, -cy
print(0.5 * (x * math.cos(t) - y * math.sin(t) + cx - 60), 0.5 * (x * math.sin(t) + y * math.cos(t) + cy - 60))
PY
)
# Half traced: the room, its door and window, the bed, the desk and its chair; the wardrobe and
# the table of the paper plan are still to come.
python3 - docs/rooms/Furnished.mst > "$work/room.mst" <<'PY'
import re, sys
kept = {"Room", "Part1", "Part2", "Part3", "Part5", "Part6"}
for section in re.split(r"\n(?=\[)", open(sys.argv[1]).read()):
    if re.match(r"\[(\w+)\]", section).group(1) in kept:
        print(section.strip() + "\n")
PY
printf '[Background]\nFile=scan.jpg\nScale=0.5\nOffsetX=%s\nOffsetY=%s\nRotation=-%s\nOpacity=70\nVisible=1\n' \
    "$offsetX" "$offsetY" "$tilt" >> "$work/room.mst"
build/src/planzeta --export-image docs/background-trace.png "$work/room.mst" --zoom 1.25 --background
echo "wrote docs/background-trace.png"
