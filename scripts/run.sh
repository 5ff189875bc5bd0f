#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program in the working folder run/, whose Kovaris.ini names the demo data as the
# data root. The file is made on the first run only, so the settings the program saves survive.
# Without a display the departure board runs in this terminal instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/${1:-build}
mkdir -p "$root/run"
cd "$root/run"
if [ ! -f Kovaris.ini ]; then
  printf 'DataPath=%s/data/demo/\r\n' "$root" >Kovaris.ini
fi
# A first run shows the walking time too: four minutes to the 若葉台 platform for 桜川中央, six
# over the footbridge to the one for 北浜, so the board of both lines dims each by its own walk.
if [ ! -f KovarisWalk.ini ]; then
  printf 'wakaba_up.TBL=4\r\nwakaba_down.TBL=6\r\n' >KovarisWalk.ini
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the board runs in this terminal instead; Ctrl-C ends it."
  exec "$build/src/cli/kovaris" board --watch
fi
exec "$build/src/app/kovariswin"
