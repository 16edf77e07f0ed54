#!/usr/bin/env bash
# Installs the Debian 12 packages Veltrix builds and tests with, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev xvfb xauth clang libclang-rt-14-dev midicsv poppler-utils
          nlohmann-json3-dev python3-mido libuchardet-dev)
missing=()
# The install check: desktop entry, file types, man pages and the Debian package.
packages+=(desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl man-db groff-base
           dpkg-dev file gzip binutils lintian x11-apps)
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
