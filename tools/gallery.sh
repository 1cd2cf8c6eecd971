#!/usr/bin/env bash
# Renders the library gallery room into docs/library-gallery.png with the built program,
# to look at every library symbol at once. Build first (tools/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p docs
exec build/src/planzeta --export-image docs/library-gallery.png docs/rooms/LibraryGallery.mst --zoom 1
