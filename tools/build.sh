#!/usr/bin/env bash
# Configures (once) and builds into build/ (or $KAVREL_BUILD_DIR), with
# $KAVREL_JOBS jobs (default: one per core): everything, or only the targets
# named in $KAVREL_TARGETS (space-separated) and what they need.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAVREL_BUILD_DIR:-$root/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
fi
targets=()
for target in ${KAVREL_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build" --parallel "${KAVREL_JOBS:-$(nproc)}" "${targets[@]}"
