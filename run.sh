#!/usr/bin/env bash
# Builds Skyfolio, then starts it from the program folder: ./run.sh [switch]
#   /s  the full-screen saver (the default)
#   /c  the settings dialog
#   /p <window id>  the preview, painted into that window
set -euo pipefail
cd "$(dirname "$0")"
./build.sh
if [ $# -eq 0 ]; then
    set -- /s
fi
exec dist/skyfolio "$@"
