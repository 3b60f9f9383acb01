#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kavrel (optionally with a document).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
build=${KAVREL_BUILD_DIR:-$root/build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY is not set): starting Kavrel inside a virtual X server (xvfb-run)." >&2
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$build/kavrel" "$@"
fi
exec "$build/kavrel" "$@"
