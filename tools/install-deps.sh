#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages that Quilto needs to build, run and test,
# skipping those already present. The validators check the desktop entry and
# the AppStream metadata, lintian the Debian package, reuse the licence terms
# of every file; Xvfb, openbox and xdotool run the installed program in a test
# and, with ImageMagick, take the screenshots.
set -euo pipefail
packages=(
  build-essential cmake ninja-build git python3
  qt6-base-dev qt6-multimedia-dev qt6-image-formats-plugins qt6-translations-l10n
  libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev valgrind
  desktop-file-utils appstream lintian reuse
  xvfb openbox xdotool imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
