#!/usr/bin/env bash
# Installs the Debian 12 packages Veltrix needs, when any is missing.
#   bash scripts/deps.sh run    what building and running the program need
#   bash scripts/deps.sh        that and what the tests, the install check and CI need
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libuchardet-dev)
if [ "${1:-all}" != run ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev xvfb xauth clang
             libclang-rt-14-dev midicsv poppler-utils python3-mido)
  # The install check: desktop entry, file types, man pages and the Debian package.
  packages+=(desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
             groff-base dpkg-dev file gzip binutils lintian x11-apps)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
