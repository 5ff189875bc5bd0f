#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the program need, or the packages named
# as arguments; only what is missing.
set -euo pipefail

packages=(
  build-essential dpkg-dev cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  libzip-dev libcsv-dev
  qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-ipafont-gothic
  xvfb xauth
  desktop-file-utils appstream groff-base lintian
)
[ $# -gt 0 ] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
