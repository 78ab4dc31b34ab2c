#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quillbay need.
# Skips what is already installed; needs root or sudo for the rest.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-svg-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-liberation
  chromium
  xdg-user-dirs
  librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian shared-mime-info libglib2.0-bin man-db
)
if [ "${QUILLBAY_BENCH_PEERS:-0}" = 1 ]; then
  packages+=(hyperfine pcal remind python3)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=sudo
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
