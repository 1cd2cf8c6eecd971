# Sourced by the picture scripts, from the source tree's root, with a display number: builds,
# then starts a virtual X server on that display with a window manager and a private home whose
# settings ask nothing at start (English, no first-run questions, the window fitted around the
# plan at 100 %). Everything started, and the program the script keeps in $app, ends with the
# script. Installs xvfb, openbox, xdotool and imagemagick when missing. Gives the scripts the
# small steps they share: pause, window, geometry and choose_category.
root=$(pwd)
tools/install-x-tools.sh
tools/build.sh >/dev/null

home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Kelvora"
printf '[Planzeta]\nLastVersion=300\nLanguage=0\nAutosize=1\nOpenInBestFit=0\n' >"$XDG_CONFIG_HOME/Kelvora/Planzeta.ini"
export DISPLAY=:$1
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

pause() { sleep "${1:-1.5}"; }
window() { xdotool search --name "$1" | tail -1; }
geometry() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                                      /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'; }
# Opens the library chooser (Ctrl+B) on the category whose name starts with $1; leaves the
# chooser's window in $chooser and its geometry in cx cy cw ch.
choose_category() {
    xdotool key ctrl+b
    pause 2
    chooser=$(window '^Library')
    read -r cx cy cw ch < <(geometry "$chooser")
    xdotool mousemove $((cx + 213)) $((cy + 16)) click 1
    pause
    xdotool type --delay 80 "$1"
    xdotool key Return
    pause
}
