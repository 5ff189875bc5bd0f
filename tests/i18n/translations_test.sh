#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the window passes through tr() has a finished English translation in the
# repository's .ts: lupdate, run on a copy, finds no text it would have to leave unfinished.
# Usage: translations_test.sh LUPDATE SOURCE_DIR TS_FILE
set -euo pipefail
lupdate=$1
sources=$2
ts=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -silent -locations none -source-language ja_JP -target-language en_US \
  -extensions cpp,h "$sources" -ts "$work/check.ts"

if grep -q 'type="unfinished"' "$work/check.ts"; then
  echo "Texts without an English translation in $ts:"
  grep -B2 'type="unfinished"' "$work/check.ts" | sed -n 's|^ *<source>\(.*\)</source>|  \1|p'
  echo "Run 'cmake --build build --target update_translations' and translate them."
  exit 1
fi
