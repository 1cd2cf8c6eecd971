#!/usr/bin/env bash
# Installs what the scripts that drive the editor on a virtual X server need, when missing:
# xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
need=()
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
done
if [ ${#need[@]} -gt 0 ]; then
    sudo=$([ "$(id -u)" -eq 0 ] || echo sudo)
    $sudo apt-get install -y -q "${need[@]}"
fi
