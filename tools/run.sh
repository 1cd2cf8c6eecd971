#!/usr/bin/env bash
# Builds Planzeta and starts the editor; arguments go to the program (a room file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
exec build/src/planzeta "$@"
