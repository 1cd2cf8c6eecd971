#!/usr/bin/env bash
# Pictures of the library chooser (Cabinets and Bathroom) and of the object properties dialog
# with the user library open, taken on a virtual X server from a fresh build, into docs/.
# Needs xvfb. Usage: tools/dialog-pictures.sh
set -euo pipefail
"$(dirname "$0")/pictures.sh" dialogs
echo "wrote docs/library-chooser-cabinets.png docs/library-chooser-bathroom.png docs/object-properties.png"
