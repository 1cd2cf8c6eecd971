#!/usr/bin/env bash
# Pictures of the main window (Room menu open) and of the room and object properties dialogs
# in German and in Czech, taken on a virtual X server from a fresh build, into docs/.
# Needs xvfb. Usage: tools/language-pictures.sh
set -euo pipefail
"$(dirname "$0")/pictures.sh" languages
for language in de cs; do
    echo "wrote docs/main-window-$language.png docs/room-properties-$language.png docs/object-properties-$language.png"
done
