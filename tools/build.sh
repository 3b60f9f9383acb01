#!/usr/bin/env bash
# Configures (once) and builds everything into build/ (or $KAVREL_BUILD_DIR),
# with $KAVREL_JOBS jobs (default: one per core).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAVREL_BUILD_DIR:-$root/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
fi
cmake --build "$build" --parallel "${KAVREL_JOBS:-$(nproc)}"
