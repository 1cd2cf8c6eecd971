#!/usr/bin/env bash
# Pictures of the main window (Room menu open) and of the room and object properties dialogs
# in German and in Czech, taken on a virtual X server from a fresh build, into docs/.
# Needs xvfb. Usage: tools/language-pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -G Ninja -B build -S . >/dev/null
ninja -C build planzeta_gui_tests
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
PLANZETA_LANGUAGE_PICTURES=$PWD/docs XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    build/tests/planzeta_gui_tests --gtest_filter='LanguagePictures.*'
for language in de cs; do
    echo "wrote docs/main-window-$language.png docs/room-properties-$language.png docs/object-properties-$language.png"
done
