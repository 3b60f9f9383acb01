#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (display tests under xvfb-run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
build=${KAVREL_BUILD_DIR:-$root/build}
cd "$build"
jobs=$(nproc)
exec xvfb-run -a -s "-screen 0 1600x1000x24" ctest --output-on-failure --parallel "$jobs" "$@"
