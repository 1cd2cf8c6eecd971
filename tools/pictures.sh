#!/usr/bin/env bash
# Takes pictures of windows for the documentation on a virtual X server, from a fresh build,
# into docs/. Needs xvfb. Usage: tools/pictures.sh languages|dialogs
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -G Ninja -B build -S . >/dev/null
ninja -C build planzeta_pictures
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
env XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    build/tools/pictures/planzeta_pictures "$1" "$PWD/docs" "$PWD/data"
