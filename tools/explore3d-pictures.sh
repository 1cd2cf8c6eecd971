#!/usr/bin/env bash
# Exports a furnished room as a 3D scene and renders it with a real VRML browser under Xvfb,
# from the start view and the front view, into docs/. Needs view3dscene and xvfb.
# Usage: tools/explore3d-pictures.sh [ROOM.mst]
set -euo pipefail
cd "$(dirname "$0")/.."
room=${1:-docs/rooms/Furnished.mst}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
build/src/planzeta --export-vrml "$work/room.wrl" "$room"
plan=$(basename "$room" .mst)
for view in v1:start v2:front; do
    name=${view%%:*}
    out=docs/$plan-3d-${view##*:}.png
    # The renderer now and then saves an empty picture; try again until it has content.
    for attempt in 1 2 3 4 5; do
        xvfb-run -a -s "-screen 0 1280x1024x24" \
            view3dscene "$work/room.wrl" --geometry 1000x700 --viewpoint "$name" --screenshot 0 "$out" \
            >/dev/null 2>&1 || true
        [ "$(convert "$out" -format '%[fx:maxima]' info: 2>/dev/null)" != "0" ] && break
    done
    echo "wrote $out"
done
