#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, unpacks it with dpkg-deb and runs the programs from it: the version,
# the window on the unpacked demo data, and the desktop menu's first start in an empty home.
set -euo pipefail
build=$1 version=$2 id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(echo "$work"/out/*.deb)
[ -f "$deb" ] || fail "no package in $work/out"
dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr

# Asked from a terminal without a display, too.
for program in kovaris kovariswin; do
  answer=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/$program" --version)
  [ "$answer" = "$program $version" ] || fail "$program --version said \"$answer\""
done

# What Debian asks of a package: lintian finds nothing that is not overridden with a reason.
report=$(lintian --info "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$report" ] || fail "lintian: $report"
doc=$usr/share/doc/$(dpkg-deb -f "$deb" Package)
grep -q '^License: GPL-3+$' "$doc/copyright" || fail "no GPL-3+ licence in $doc/copyright"
read -r first_line < <(zcat "$doc/changelog.gz")
[[ $first_line == *" ($version) "* ]] || fail "the changelog begins with \"$first_line\""

# Every library the programs link comes from a package the package depends on.
depends=$(dpkg-deb -f "$deb" Depends)
[ -n "$depends" ] || fail "the package depends on nothing"
depends_names=$(tr ',' '\n' <<<"$depends" | sed 's/(.*//; s/ //g')
multiarch=$(gcc -print-multiarch)
for lib in $(objdump -p "$usr/bin/kovaris" "$usr/bin/kovariswin" | awk '/NEEDED/ {print $2}' | sort -u); do
  owner=$(dpkg -S "*/$multiarch/$lib" 2>/dev/null | head -n1 | cut -d: -f1)
  [ -n "$owner" ] || fail "no Debian package holds $lib"
  grep -qxF "$owner" <<<"$depends_names" || fail "$lib is in $owner, which Depends lacks"
done

export QT_QPA_PLATFORM=offscreen
mkdir "$work/run"
printf 'DataPath=%s/share/kovariswin/demo/\r\nCfgRead=1\r\n' "$usr" >"$work/run/Kovaris.ini"
# The window's place goes to a state folder of the test's, not to the user's.
(cd "$work/run" &&
  XDG_STATE_HOME=$work/state timeout 60 "$usr/bin/kovariswin" --exit-after-first-paint) ||
  fail "kovariswin did not paint the unpacked demo data"

# The menu's command, started in the home folder of a user who never ran the program.
read -r program options < <(sed -n 's/^Exec=//p' "$usr/share/applications/$id.desktop")
home=$work/home
mkdir "$home"
(cd "$home" && HOME=$home XDG_CONFIG_HOME='' XDG_DATA_HOME='' XDG_STATE_HOME='' \
  timeout 60 "$usr/bin/$program" $options --exit-after-first-paint) ||
  fail "the menu's first start failed"
data=$home/.local/share/kovariswin/data
grep -q "^DataPath=$data/"$'\r'"\$" "$home/.config/kovariswin/Kovaris.ini" ||
  fail "Kovaris.ini does not name $data"
cmp -s "$usr/share/kovariswin/demo/vekt.cfg" "$data/vekt.cfg" || fail "no copy of the demo data"
[ ! -e "$home/Kovaris.ini" ] || fail "the menu's start wrote into the home folder"
grep -qx 'Window=.*' "$home"/.local/state/kovariswin/window-*.state || fail "no window place kept"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"
