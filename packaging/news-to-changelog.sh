#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian changelog of PACKAGE from the NEWS file, compressed as Debian wants it (gzip
# -9n: no name, no time, so two builds give the same bytes). Each NEWS entry is a heading
# "Name VERSION (YYYY-MM-DD)" at the margin followed by its indented lines.
set -euo pipefail
news=$1 package=$2 maintainer=$3 out=$4

entry_end() {
  [ -n "$day" ] || return 0
  printf '\n -- %s  %s\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$day")"
}

day=""
{
  while IFS= read -r line || [ -n "$line" ]; do
    if [[ $line =~ ^[^[:space:]].*\ ([^ ]+)\ \(([0-9]{4}-[0-9]{2}-[0-9]{2})\)$ ]]; then
      entry_end
      [ -z "$day" ] || echo
      day=${BASH_REMATCH[2]}
      printf '%s (%s) unstable; urgency=medium\n\n' "$package" "${BASH_REMATCH[1]}"
    elif [[ $line =~ ^[[:space:]]+[^[:space:]] ]]; then
      [ -n "$day" ] || { echo "$news: text before the first heading: $line" >&2; exit 1; }
      printf '%s\n' "$line"
    fi
  done <"$news"
  entry_end
} | gzip -9n >"$out"
