#!/usr/bin/env bash
# Compiles every source file of src/ and tests/ (test files in their
# batches) with clang, syntax only, in parallel and with the flags of the
# g++ build, so that code only g++ accepts (a lambda capturing a structured
# binding, narrowing in braces) fails here instead of in the sanitizer
# build.  Needs a configured build folder (build/ or $KAVREL_BUILD_DIR)
# whose generated sources exist.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KAVREL_BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh" clang
mkdir -p "$build/clang-syntax"
cmake -DBUILD="$build" -DROOT="$root" -P "$root/tools/clangsyntax.cmake"
exec ninja -C "$build/clang-syntax" -k 0 -j "${KAVREL_JOBS:-$(nproc)}" "$@"
