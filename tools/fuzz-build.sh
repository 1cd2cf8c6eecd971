#!/usr/bin/env bash
# Configures (once) and builds the fuzz targets with clang in ./build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-fuzz/build.ninja ] ||
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPLANZETA_FUZZ=ON -DPLANZETA_BUILD_TESTS=OFF
cmake --build build-fuzz --target fuzz_room fuzz_room_qt fuzz_catalogue fuzz_language fuzz_settings
