#!/usr/bin/env bash
# Pictures of two paths a new user takes, made from the editor under a virtual X server with
# a window manager:
#  - docs/restarted-maximized-window.png: the editor maximized, closed and started again with
#    a room comes back maximized, its title bar on the screen and the plan readable;
#  - docs/undo-added-object.png: a chest of drawers added from the library, placed, and taken
#    away again by one Undo (the room, title and Undo button as before the addition).
# Builds first; needs xvfb, openbox, xdotool and imagemagick, which it installs when missing.
# Usage: tools/fixed-paths-pictures.sh [DISPLAY_NUMBER]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/editor-session.sh "${1:-71}"
frames=$home/frames
mkdir "$frames"

start_editor() {
    build/src/planzeta "$@" >/dev/null 2>&1 &
    app=$!
    pause 3
    main=$(window '^Planzeta - ')
    xdotool windowactivate --sync "$main"
}
# Ctrl+Q closes the editor; the room is unchanged, so nothing is asked.
quit_editor() { xdotool key ctrl+q; wait "$app" || true; app=; }

# The restarted window: maximize by a double click on the title bar, quit, start again.
room=$root/docs/rooms/Furnished.mst
start_editor "$room"
read -r x y w h < <(geometry "$main")
xdotool mousemove $((x + w / 2)) $((y - 10)) click --repeat 2 --delay 80 1
pause
quit_editor
start_editor "$room"
import -window root -resize 50% docs/restarted-maximized-window.png
quit_editor

# The undo of an added object, in three frames: before, placed, undone. The window comes up
# maximized as it was left, so the screen shows it with its title and its "*".
start_editor "$room"
read -r x y w h < <(geometry "$main")
import -window root -crop 800x600+0+0 +repage "$frames/1.png"
choose_category Cabinets
# The chest of drawers is the fourth object of the cabinets; it is placed on the free floor
# between the office chair and the rug, below the plan's top left corner.
xdotool mousemove $((cx + 64 + 128 * 3)) $((cy + 64)) click --repeat 2 --delay 80 1
pause 2
xdotool mousemove $((x + 270)) $((y + 250))
pause 0.5
xdotool mousemove $((x + 290)) $((y + 270)) click 1
pause
import -window root -crop 800x600+0+0 +repage "$frames/2.png"
xdotool key ctrl+z
pause
import -window root -crop 800x600+0+0 +repage "$frames/3.png"
montage "$frames/1.png" "$frames/2.png" "$frames/3.png" -tile 3x1 -geometry 560x420+6+0 \
    docs/undo-added-object.png
quit_editor
echo "wrote docs/restarted-maximized-window.png docs/undo-added-object.png"
