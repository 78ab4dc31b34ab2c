#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quillbay need,
# and the npm packages of the page checks (playwright-core and axe-core, pinned
# by tests/browser/package-lock.json, into tests/browser/node_modules; they
# drive the system's Chromium and never download a browser). Skips what is
# already installed; needs root or sudo for Debian packages.
#   --program-only   leave out the npm packages (enough to build and run)
set -euo pipefail
cd "$(dirname "$0")/.."
program_only=0
[ "${1:-}" = "--program-only" ] && program_only=1

packages=(
  build-essential cmake ninja-build pkg-config libical-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-svg-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-liberation
  chromium tidy nodejs
  xdg-user-dirs
  locales-all  # the German and Polish locales of the day and month name tests
  librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian shared-mime-info libglib2.0-bin man-db
  dbus-daemon at-spi2-core
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libcurl4-openssl-dev libssl-dev  # fetching calendars and uploading sites
  libsecret-1-dev                  # passwords in the desktop's keyring
  # Test peers, each started by its own test as a child process on 127.0.0.1:
  python3 python3-icalendar python3-recurring-ical-events openssl
  openssh-server openssh-client pure-ftpd gnome-keyring dbus
)
# A Node.js from elsewhere brings its own npm, which Debian's would conflict with.
command -v npm >/dev/null || packages+=(npm)
if [ "${QUILLBAY_BENCH_PEERS:-0}" = 1 ]; then
  packages+=(hyperfine pcal remind python3)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
  fi
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  # The servers that tests start for themselves must not start system-wide on
  # installation: a policy-rc.d that refuses every start holds them back.
  policy=/usr/sbin/policy-rc.d
  own_policy=0
  if [ ! -e "$policy" ]; then
    printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
    $sudo chmod 755 "$policy"
    own_policy=1
  fi
  status=0
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || status=$?
  [ "$own_policy" = 1 ] && $sudo rm -f "$policy"
  [ "$status" = 0 ] || exit "$status"
fi

[ "$program_only" = 1 ] && exit 0
checks=tests/browser
if ! cmp -s "$checks/package-lock.json" "$checks/node_modules/.installed-lock"; then
  echo "install-deps: installing the npm packages of $checks"
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --prefix "$checks" --no-audit --no-fund --loglevel=error
  cp "$checks/package-lock.json" "$checks/node_modules/.installed-lock"
fi
