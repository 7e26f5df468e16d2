#!/usr/bin/env bash
# Writes pictures of the windows into FOLDER (default build/pictures), drawn
# on a virtual display: scripts/screenshots.sh [FOLDER] [--gtest_filter=...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder="$(realpath -m "${1:-$root/build/pictures}")"
shift || true
"$root/scripts/bootstrap.sh" "$root/build"
mkdir -p "$folder"
VIRANO_SCREENS="$folder" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/bin/virano_pictures" "$@"
echo "Bilderna ligger i $folder"
