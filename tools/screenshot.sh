#!/usr/bin/env bash
# Starts the editor under a virtual X server as a new user would (fresh settings), waits for
# its window and saves a picture of the screen. Usage: tools/screenshot.sh OUT.png [ROOM.mst]
# Needs xvfb, x11-apps (xwd) and imagemagick (convert).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$1
shift
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
    build/src/planzeta "$@" &
    app=$!
    sleep 3
    xwd -root -silent | convert xwd:- "'"$out"'"
    kill $app' bash "$@"
echo "wrote $out"
