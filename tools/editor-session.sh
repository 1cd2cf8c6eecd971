# Sourced by the picture scripts, from the source tree's root, with a display number: builds,
# then starts a virtual X server on that display with a window manager and a private home whose
# settings ask nothing at start (English, no first-run questions, the window fitted around the
# plan at 100 %). Everything started, and the program the script keeps in $app, ends with the
# script. Installs xvfb, openbox, xdotool and imagemagick when missing.
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
