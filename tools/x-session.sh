# Sourced by the scripts that drive the editor under a virtual X server with a window manager.
# Installs the X tools when missing and builds; then gives the editor fresh settings in a
# temporary home (English, no first-run questions, rooms at 100 %, plus the values in $2),
# starts Xvfb on display $1 with openbox, and stops them and the editor ($app) on exit.
# Usage: source tools/x-session.sh DISPLAY_NUMBER 'Autosize=1'
tools/install-x-tools.sh
tools/build.sh >/dev/null

home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Kelvora"
printf '[Planzeta]\nLastVersion=300\nLanguage=0\nOpenInBestFit=0\n%s\n' "$2" >"$XDG_CONFIG_HOME/Kelvora/Planzeta.ini"
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
