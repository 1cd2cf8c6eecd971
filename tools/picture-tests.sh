#!/usr/bin/env bash
# Runs a suite of picture tests of the GUI test binary on a virtual X server, from a fresh
# build, with the environment variable that asks them to save their pictures into docs/.
# Needs xvfb. Usage: tools/picture-tests.sh SUITE VARIABLE
set -euo pipefail
cd "$(dirname "$0")/.."
suite=$1
variable=$2
cmake -G Ninja -B build -S . >/dev/null
ninja -C build planzeta_gui_tests
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
env "$variable=$PWD/docs" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    build/tests/planzeta_gui_tests --gtest_filter="$suite.*"
