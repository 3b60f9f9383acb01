#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and benchmarks need.
# Does nothing (and needs no network) when all of them are present.
# Extra packages named as arguments are installed too (clang for the
# sanitizer and fuzzing builds).
set -euo pipefail
packages=(
  g++ cmake ninja-build ccache
  qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins
  libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri libegl-mesa0
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev libqhull-dev libzip-dev
  xvfb xauth fonts-wqy-microhei fonts-dejavu-core fonts-dejavu-extra
  desktop-file-utils libxml2-utils shared-mime-info xdg-utils libfile-mimeinfo-perl
  qt6-translations-l10n
  qt6-multimedia-dev gstreamer1.0-plugins-good gstreamer1.0-libav
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Runs the command; while another install holds the package manager's lock
# (apt-get then fails at once) it waits for it, up to five minutes.
wait_for_lock() {
  local err deadline=$((SECONDS + 300)) said=0
  err=$(mktemp)
  while ! "$@" 2>"$err"; do
    if grep -q -e 'Could not get lock' -e 'Unable to lock' -e 'Unable to acquire the dpkg' "$err" &&
      ((SECONDS < deadline)); then
      ((said)) || echo "Another install holds the package manager's lock: waiting for it to finish (at most 5 minutes)..."
      said=1
      sleep 5
      continue
    fi
    cat "$err" >&2
    rm -f "$err"
    return 1
  done
  cat "$err" >&2
  rm -f "$err"
}
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  wait_for_lock "${sudo_cmd[@]}" apt-get update -qq
  wait_for_lock env DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
