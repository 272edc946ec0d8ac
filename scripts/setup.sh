#!/usr/bin/env bash
# Installs, from Debian 12's packages, everything needed to build, run and test the program.
# Safe to run again: apt-get only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-translations-l10n
  libqt6opengl6-dev qt6-svg-dev libgl1-mesa-dev
  libgif-dev libboost-dev libgdal-dev libhwy-dev libeigen3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  clang-format clang-tidy
  locales fonts-liberation fontconfig
  xvfb xauth openbox imagemagick xdotool file
  desktop-file-utils appstream dpkg-dev libxml2-utils
  dbus dbus-x11 at-spi2-core python3-pyatspi
  poppler-utils unzip
)

# apt-get, waiting while another installation holds the package manager's lock (a machine still
# running its first updates, an unattended upgrade) instead of failing; at most half an hour.
apt_get() {
  local log status waited=0
  log=$(mktemp)
  until LC_ALL=C apt-get -o DPkg::Lock::Timeout=60 "$@" 2>"$log"; do
    status=$?
    if ! grep -qE 'Could not get lock|Unable to lock|Unable to acquire the dpkg frontend lock' "$log" ||
       [ "$waited" -ge 1800 ]; then
      cat "$log" >&2
      rm -f "$log"
      return "$status"
    fi
    echo "setup.sh: another installation holds the package manager's lock; waiting for it" >&2
    sleep 10
    waited=$((waited + 10))
  done
  cat "$log" >&2
  rm -f "$log"
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt_get update -q
  apt_get install -y -q --no-install-recommends "${missing[@]}"
fi

# The tests check that numbers are written the same way whatever the user's locale.
need_locales=0
for l in de_DE.UTF-8 es_ES.UTF-8; do
  locale -a 2>/dev/null | grep -qi "^${l%%.*}.utf8$" || need_locales=1
done
if [ "$need_locales" = 1 ]; then
  sed -i -E 's/^# *(de_DE.UTF-8 UTF-8)/\1/; s/^# *(es_ES.UTF-8 UTF-8)/\1/' /etc/locale.gen
  locale-gen
fi
