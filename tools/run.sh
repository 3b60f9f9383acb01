#!/usr/bin/env bash
# Installs what is missing, builds the program (only: the tests and
# benchmarks are tools/test.sh's), and starts Kavrel (optionally with a document).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
# The target brings the program's data files (kavrel_assets) beside it.
KAVREL_TARGETS=kavrel "$root/tools/build.sh"
build=${KAVREL_BUILD_DIR:-$root/build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY is not set): starting Kavrel inside a virtual X server (xvfb-run)." >&2
  # The inner shell tells its process id, which the program then takes over:
  # ending that process ends the program, and xvfb-run its display after it
  # (ending xvfb-run itself would leave both running).
  exec xvfb-run -a -s "-screen 0 1600x1000x24" bash -c \
    'echo "Nothing shows; it runs until you end it: Ctrl+C here, or \"kill $$\" from another terminal." >&2
     exec "$0" "$@"' "$build/kavrel" "$@"
fi
exec "$build/kavrel" "$@"
