#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a desktop and a user find there.
set -euo pipefail
build=$1 id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/kovaris bin/kovariswin share/kovariswin/demo/vekt.cfg \
         share/icons/hicolor/scalable/apps/$id.svg; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done

# desktop-file-validate before 0.27 does not yet know the entry's SingleMainWindow key.
report=$(desktop-file-validate "$prefix/share/applications/$id.desktop" |
  grep -v 'key "SingleMainWindow" in group "Desktop Entry", but keys extending' || true)
[ -z "$report" ] || fail "$report"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
# The tree as a software centre reads it: the description with its desktop entry.
appstreamcli validate-tree --no-net --pedantic "$prefix"

# Each PNG is drawn at the size its folder names (the PNG header's width and height).
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "not installed: $png"
  read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done

for page in man1/kovaris.1 man1/kovariswin.1 man5/kovariswin.5; do
  [ -f "$prefix/share/man/$page.gz" ] || fail "not installed: $page.gz"
  warnings=$(zcat "$prefix/share/man/$page.gz" | LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
echo "installed files valid"
