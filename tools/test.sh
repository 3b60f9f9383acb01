#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (display tests under xvfb-run).
#   tools/test.sh [--sanitize] [ctest arguments]
# --sanitize (or KAVREL_SANITIZE=1) builds with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs the same tests there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sanitize=${KAVREL_SANITIZE:-0}
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=1
  shift
fi
if [ "$sanitize" = 1 ]; then "$root/tools/install-deps.sh" clang; else "$root/tools/install-deps.sh"; fi
if [ "$sanitize" = 1 ]; then
  export KAVREL_BUILD_DIR=${KAVREL_BUILD_DIR:-$root/build-sanitize}
  source "$root/tools/sanitizer-env.sh"
  CC=clang CXX=clang++ "$root/tools/build.sh" -DKAVREL_SANITIZE=ON
else
  "$root/tools/build.sh"
fi
build=${KAVREL_BUILD_DIR:-$root/build}
cd "$build"
jobs=${KAVREL_JOBS:-$(nproc)}
exec xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" ctest --output-on-failure --parallel "$jobs" "$@"
