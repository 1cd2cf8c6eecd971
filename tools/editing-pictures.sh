#!/usr/bin/env bash
# Pictures of the editing aids, taken from the editor under a virtual X server with a window
# manager and driven by the keyboard: a selected object with its handles (docs/editing-selection.png),
# the library's doors and windows (docs/library-chooser-doors-windows.png) and the floor area
# in the status bar with its perimeter tip (docs/editing-floor-area.png). Builds first; needs
# xvfb, openbox, xdotool and imagemagick, which it installs when missing.
# Usage: tools/editing-pictures.sh [DISPLAY_NUMBER]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/editor-session.sh "${1:-76}"
build/src/planzeta "$root/docs/rooms/Furnished.mst" >/dev/null 2>&1 &
app=$!
sleep 3

main=$(window '^Planzeta - ')
xdotool windowactivate --sync "$main"

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

choose_category Doors
import -window "$chooser" docs/library-chooser-doors-windows.png
xdotool key Escape
echo "wrote docs/editing-selection.png docs/editing-floor-area.png docs/library-chooser-doors-windows.png"
