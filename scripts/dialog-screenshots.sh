#!/usr/bin/env bash
# Screenshots of the settings dialog's five pages and of the colour dialog, taken on a private
# X server: scripts/dialog-screenshots.sh [OUTPUT_FOLDER] ["YYYY-MM-DD HH:MM:SS"]
# Default output: build/screenshots/dialogs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-build}
out=${1:-$root/$build/screenshots/dialogs}
moment=${2:-2026-12-07 08:12:20}

work=$(mktemp -d)
disp=:$((90 + RANDOM % 400))
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1

printf 'DataPath=%s/data/demo/\r\nScrollMode=1\r\nClock=0\r\n' "$root" >"$work/Kovaris.ini"
mkdir -p "$out"
DISPLAY=$disp QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work \
  "$root/$build/src/app/kovaris-screens" --dialogs "$work" "$out" "$moment"
