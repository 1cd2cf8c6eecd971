#!/usr/bin/env bash
# Pictures of drawing a room's walls on the plan, taken from the editor under a virtual X
# server with a window manager and driven by the mouse as a user drives it: an L-shaped studio
# being drawn over docs/rooms/Studio.mst (docs/draw-walls-drawing.png), and the same room,
# saved, furnished and opened again (docs/draw-walls-furnished.png). Builds first; needs xvfb,
# openbox, xdotool and imagemagick, which it installs when missing.
# Usage: tools/draw-walls-pictures.sh [DISPLAY_NUMBER]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/editor-session.sh "${1:-77}"

pause() { sleep "${1:-1}"; }
start() {
    build/src/planzeta "$1" >/dev/null 2>&1 &
    app=$!
    sleep 3
    main=$(xdotool search --name '^Planzeta - ' | tail -1)
    xdotool windowactivate --sync "$main"
}
# A room point, with the plan at 100 % below the menu and tool bars and the room's margin of 35.
PlanTop=59
Margin=35
at_room() {
    local x y
    read -r x y < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    xdotool mousemove $((x + Margin + $1)) $((y + PlanTop + Margin + $2))
}
# Near the corner, then onto it: the grid pulls the last few pixels.
corner() { at_room $(($1 + 9)) $(($2 + 7)); pause 0.3; at_room $(($1 + 3)) $(($2 + 2)); pause 0.3; xdotool click 1; pause 0.5; }

cp docs/rooms/Studio.mst "$home/Studio.mst"
start "$home/Studio.mst"
xdotool key ctrl+shift+w
pause
for point in "0 0" "600 0" "600 250" "300 250"; do
    corner $point
done
at_room 296 420
pause
import -window "$main" docs/draw-walls-drawing.png

corner 300 500
corner 0 500
corner 0 0
xdotool key ctrl+s
pause 2
kill $app
wait $app 2>/dev/null || true

# Furniture for the studio: a door and a window in the walls just drawn, a bed in the alcove,
# a sofa, a table with chairs and a kitchen run.
cat >>"$home/Studio.mst" <<'PARTS'

[Part1]
Type=Door
Width=90
Height=90
ZHeight=200
PosX=60
PosY=488
Rotation=-90
SnapToWall=1
FillColor=0xFFFFFF

[Part2]
Type=Window
Width=180
Height=12
ZHeight=130
PosX=300
PosY=-12
PosZ=90
SnapToWall=1
FillColor=0xFFFFFF

[Part3]
Type=LibraryObject
Caption=Double bed
Width=160
Height=200
ZHeight=50
PosX=420
PosY=0
LibObjID=35
FillColor=0xE8F4FA

[Part4]
Type=LibraryObject
Caption=Wardrobe
Width=200
Height=60
ZHeight=220
PosX=0
PosY=230
Rotation=-90
LibObjID=22
FillColor=0x6A9CC8

[Part5]
Type=Rectangle
Caption=Table
Width=120
Height=80
ZHeight=75
PosX=140
PosY=60
FillColor=0x80B0D8
PARTS
start "$home/Studio.mst"
at_room 450 400
pause
import -window "$main" docs/draw-walls-furnished.png
echo "wrote docs/draw-walls-drawing.png docs/draw-walls-furnished.png"
