#!/usr/bin/env bash
# Pictures of the library chooser (Cabinets and Bathroom) and of the object properties dialog
# with the user library open, taken on a virtual X server from a fresh build, into docs/.
# Needs xvfb. Usage: tools/dialog-pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -G Ninja -B build -S . >/dev/null
ninja -C build planzeta_gui_tests
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
PLANZETA_DIALOG_PICTURES=$PWD/docs XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    build/tests/planzeta_gui_tests --gtest_filter='DialogPictures.*'
echo "wrote docs/library-chooser-cabinets.png docs/library-chooser-bathroom.png docs/object-properties.png"
