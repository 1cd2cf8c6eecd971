#!/usr/bin/env bash
# Pictures of the editing aids, taken from the editor under a virtual X server with a window
# manager and driven by the keyboard: a selected object with its handles (docs/editing-selection.png),
# the library's doors and windows (docs/library-chooser-doors-windows.png) and the floor area
# in the status bar with its perimeter tip (docs/editing-floor-area.png). Builds first; needs
# xvfb, openbox, xdotool and imagemagick, which it installs when missing.
# Usage: tools/editing-pictures.sh [DISPLAY_NUMBER]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
tools/install-x-tools.sh
tools/build.sh >/dev/null

home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Kelvora"
# English, no first-run questions, the window fitted around the plan at 100 %.
printf '[Planzeta]\nLastVersion=300\nLanguage=0\nAutosize=1\nOpenInBestFit=0\n' >"$XDG_CONFIG_HOME/Kelvora/Planzeta.ini"
export DISPLAY=:${1:-76}
Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
app=
wm=
cleanup() { kill $app $wm $xvfb 2>/dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
build/src/planzeta "$root/docs/rooms/Furnished.mst" >/dev/null 2>&1 &
app=$!
sleep 3

pause() { sleep "${1:-1.5}"; }
window() { xdotool search --name "$1" | tail -1; }
main=$(window '^Planzeta - ')
xdotool windowactivate --sync "$main"
geometry() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                                      /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'; }

# Tab walks the objects in drawing order: the door, the window, then the bed.
xdotool key Tab Tab Tab
pause
import -window "$main" docs/editing-selection.png

# The floor area sits in the status bar right of the room's size; its tip tells the perimeter.
read -r x y w h < <(geometry "$main")
xdotool mousemove $((x + 190)) $((y + h - 12))
pause 0.5
xdotool mousemove $((x + 200)) $((y + h - 11))
pause 3
import -window root -crop "${w}x190+${x}+$((y + h - 140))" +repage docs/editing-floor-area.png

xdotool key ctrl+b
pause 2
chooser=$(window '^Library')
read -r x y w h < <(geometry "$chooser")
xdotool mousemove $((x + 213)) $((y + 16)) click 1
pause
xdotool type --delay 80 "Doors"
xdotool key Return
pause
import -window "$chooser" docs/library-chooser-doors-windows.png
xdotool key Escape
echo "wrote docs/editing-selection.png docs/editing-floor-area.png docs/library-chooser-doors-windows.png"
