#!/usr/bin/env bash
# Walks through the editor as a new user would, under a virtual X server with a window
# manager, using the README's run command: chooses the language, creates a room, furnishes it from three library
# categories, adds a door and a window into the walls and a label, moves, rotates and
# duplicates, undoes and redoes, saves, reopens and exports a PNG. Pictures of each step go to
# OUT_DIR (default /tmp/planzeta-walk); the finished plan and the exported PNG are copied to
# docs/. Needs xvfb, openbox, xdotool and imagemagick, which it installs when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${1:-/tmp/planzeta-walk}
mkdir -p "$out"
tools/install-x-tools.sh

home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
export DISPLAY=:$((90 + RANDOM % 9))
Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$app" "$wm" "$xvfb" 2>/dev/null || true; rm -rf "$home"; }
trap cleanup EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

step=0
shot() {
    step=$((step + 1))
    import -window root "$out/$(printf %02d "$step")-$1.png"
}
pause() { sleep "${1:-1.5}"; }
window() { xdotool search --name "$1" | tail -1; }
main_window() { window '^Planzeta - '; }
# Points are given in a window's client coordinates, as measured on its pictures.
move_in() {
    local x y
    read -r x y < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    xdotool mousemove $((x + $2)) $((y + $3))
}
click_in() { move_in "$@"; pause 0.3; xdotool click "${4:-1}"; pause; }
# A point given from the window's bottom right corner, as its buttons are laid out.
click_from_corner() {
    local w h
    read -r w h < <(xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
    click_in "$1" $((w - $2)) $((h - $3))
}
# The plan at zoom 100 % starts below the menu and tool bars; the room point (0, 0) lies the
# room's margin (35) further in.
PlanTop=59
Margin=35
at_room() { move_in "$(main_window)" $((Margin + $1)) $((PlanTop + Margin + $2)); }
# A placement follows the pointer from its first move and ends with a click.
place_at() { at_room $(($1 - 20)) $(($2 - 20)); pause 0.5; at_room "$1" "$2"; pause 0.5; xdotool click 1; pause; }
drag_room() {
    at_room $(($1 - 5)) $(($2 - 5)); pause 0.5
    at_room "$1" "$2"; pause; xdotool mousedown 1; pause
    at_room $(($1 + ($3 - $1) / 2)) $(($2 + ($4 - $2) / 2)); pause 0.5
    at_room "$3" "$4"; pause 0.5; xdotool mouseup 1; pause
}
type_into() { xdotool key ctrl+a; xdotool type --delay 40 "$1"; }
# The library chooser: the category by typing its name into the open category list, then
# the object by its column and row in the grid.
choose_from_library() {
    xdotool key ctrl+b; pause 2
    local chooser; chooser=$(window '^Library')
    click_in "$chooser" 213 16
    xdotool type --delay 80 "$1"; xdotool key Return; pause
    move_in "$chooser" $((64 + 128 * $2)) $((64 + 104 * $3))
    xdotool click --repeat 2 --delay 80 1; pause 2
}
# A basic object of a type chosen in the properties dialog, with its width; a third argument
# ticks "Snap to wall", which a door leaves to the user.
add_basic_object() {
    xdotool key ctrl+b; pause 2
    click_in "$(window '^Library')" 349 16; pause
    local dialog; dialog=$(window '^Object Properties')
    click_in "$dialog" 224 23
    xdotool type --delay 80 "$1"; xdotool key Return; pause 0.5
    click_in "$dialog" 134 79; type_into "$2"
    [ -z "${3:-}" ] || click_in "$dialog" 17 295
    shot "basic-$1"
    xdotool key Return; pause
}
popup_command() {  # right-clicks a room point and runs the n-th command of the menu
    at_room "$1" "$2"; pause 0.3; xdotool click 3; pause
    # Away from the menu, which opens below and right of the pointer, no entry is active.
    at_room $(($1 - 30)) $(($2 - 30)); pause 0.5
    for ((i = 0; i < $3; i++)); do xdotool key Down; done
    xdotool key Return; pause
}

(tools/run.sh >"$out/run.log" 2>&1) &
app=$!
for _ in $(seq 120); do [ -n "$(main_window)" ] && break; sleep 1; done
pause 3
shot first-run-language
# A first run asks for the language; the list takes a typed name.
xdotool type --delay 80 "English"; xdotool key Return; pause 2
shot start

xdotool key ctrl+n; pause 2
type_into 420; xdotool key Tab; type_into 360; shot new-room; xdotool key Return; pause 2

choose_from_library Bedroom 1 1; shot bed-chosen
place_at 80 115
choose_from_library Tables 0 1
place_at 330 50
choose_from_library Chairs 2 1
place_at 330 120
shot furnished

add_basic_object Door 80 snap
place_at 250 362
add_basic_object Window 120
place_at 300 -4
shot door-and-window

xdotool key ctrl+l; pause 2
xdotool type --delay 40 "Bedroom"; shot label-dialog
click_from_corner "$(window '^Label Properties')" 138 23
place_at 230 250
shot labelled

pause 2
drag_room 330 120 300 160
popup_command 300 160 6  # Rotate 90 Degrees Right
# The chair turns in place, about its middle.
popup_command 300 160 2  # Duplicate
place_at 100 290
shot moved-rotated-duplicated
xdotool key ctrl+z; pause; xdotool key ctrl+z; pause
shot undone
xdotool key ctrl+shift+z; pause
shot redone

# The file dialogs start with the name field focused; a typed folder ending in "/" is opened
# at once, and the name follows.
type_file_name() {
    pause 3; type_into "$(dirname "$1")/"; pause 2
    xdotool type --delay 40 "$(basename "$1")"; pause; xdotool key Return; pause 3
}
xdotool key ctrl+s; pause 2; shot save-dialog
type_file_name "$home/Bedroom.mst"
xdotool key ctrl+n; pause 2; xdotool key Escape; pause
xdotool key ctrl+o
type_file_name "$home/Bedroom.mst"
shot reopened
convert "$out/$(printf %02d "$step")-reopened.png" -trim +repage docs/walkthrough-editor.png

xdotool key alt+r; pause 0.5; xdotool key e; pause 0.5; xdotool key i
type_file_name "$home/Bedroom.png"
cp "$home/Bedroom.png" docs/walkthrough-export.png
cp "$home/Bedroom.mst" "$out/Bedroom.mst"
echo "pictures in $out; docs/walkthrough-editor.png and docs/walkthrough-export.png updated"
