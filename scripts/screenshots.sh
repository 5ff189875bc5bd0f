#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the main window on the demo data, taken on a private X server:
#   scripts/screenshots.sh [--dialogs] [OUTPUT_FOLDER] ["YYYY-MM-DD HH:MM:SS"]
# Real time with a countdown and a progress bar, the arrival list with a transfer marker, after a
# transfer, a narrow and a wide window, the reminder without a notification service; with
# --dialogs the settings dialog's five pages and the colour dialog instead.
# Default output: build/screenshots (build/screenshots/dialogs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-build}
mode=()
sub=""
if [ "${1:-}" = "--dialogs" ]; then
  mode=(--dialogs)
  sub=/dialogs
  shift
fi
out=${1:-$root/$build/screenshots$sub}
moment=${2:-2026-12-07 08:12:20}

work=$(mktemp -d)
disp=:$((90 + RANDOM % 400))
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1

# The route configuration with its morning and afternoon timetables, a progress bar from three
# minutes before departure, and notes that scroll when long.
printf 'DataPath=%s/data/demo/\r\nCfgRead=1\r\nProgress=3\r\nScrollMode=1\r\n' "$root" >"$work/Kovaris.ini"
mkdir -p "$out"
DISPLAY=$disp QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work \
  "$root/$build/src/app/kovaris-screens" "${mode[@]}" "$work" "$out" "$moment"
