#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The running program beside the naive floor board, measured in one run on private X servers:
# CPU use (program plus X server) while the board follows the clock, and the time from launch to
# the first painted departure list. Both are Release builds.
#   bench/compare-floor.sh [SECONDS] [RUNS]
# The floor and the measuring scripts are the project's yardsticks in ../shared/bench (or
# $KOVARIS_YARDSTICKS).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
yard=${KOVARIS_YARDSTICKS:-$root/../shared/bench}
secs=${1:-20}
runs=${2:-10}

cmake -S "$yard/floor-dialog" -B "$root/build-floor" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-floor" >/dev/null
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKOVARIS_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-bench" --target kovariswin >/dev/null
floor=$root/build-floor/floor-dialog
program=$root/build-bench/src/app/kovariswin

# Working folders: the settings out of the box, and a board that animates every row it can
# (a progress bar from ten minutes before departure, notes scrolling), both on the demo data at
# a busy morning moment.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/plain" "$work/busy"
printf 'DataPath=%s/data/demo/\r\nCfgRead=1\r\n' "$root" >"$work/plain/Kovaris.ini"
printf 'DataPath=%s/data/demo/\r\nCfgRead=1\r\nProgress=10\r\nScrollMode=1\r\nScrollMode2=0\r\n' \
  "$root" >"$work/busy/Kovaris.ini"
at="$(date +%Y-%m-%d) 08:05:00"
export XDG_RUNTIME_DIR=$work

echo "CPU over $secs s (share of one core):"
bash "$yard/measure-cpu.sh" "$secs" "$floor"
(cd "$work/plain" && bash "$yard/measure-cpu.sh" "$secs" "$program" --at "$at")
(cd "$work/busy" && bash "$yard/measure-cpu.sh" "$secs" "$program" --at "$at")
echo "Start to first paint:"
bash "$yard/measure-start.sh" "$runs" "$floor" --exit-after-first-paint
(cd "$work/plain" && bash "$yard/measure-start.sh" "$runs" "$program" --exit-after-first-paint)
