#!/usr/bin/env bash
# Runs one fuzzing harness of tests/fuzz for a while:
#   tools/fuzz.sh TARGET SECONDS [libFuzzer options]
# TARGET: document, formula, expression, preferences, tools, tooluse, edits, rtf, pptx,
# clipboard, metafile, picture or model3ds.  Builds the
# harness with clang and the sanitizers in build-sanitize/ (as tools/test.sh
# --sanitize does), starts from the committed corpus tests/fuzz/corpus/TARGET
# and keeps what it learns in build-sanitize/fuzz/corpus-TARGET.  A crash is
# written there as crash-*; once fixed, copy it into the committed corpus so
# that the replay test keeps it fixed.  build/tests/fuzz/fuzz_makeseeds
# tests/fuzz/corpus writes the seeds again after a change to a file format.
# $KAVREL_JOBS sets the build's parallelism (default: one job per core) and
# the number of fuzzing processes (libFuzzer's fork mode, sharing the time
# and the corpus); unset, one process fuzzes, as each holds a sanitized
# program of up to 4 GB.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: tools/fuzz.sh TARGET SECONDS [libFuzzer options]}
seconds=${2:?usage: tools/fuzz.sh TARGET SECONDS [libFuzzer options]}
shift 2
"$root/tools/install-deps.sh" clang
build=${KAVREL_BUILD_DIR:-$root/build-sanitize}
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVREL_SANITIZE=ON
fi
cmake --build "$build" --parallel "${KAVREL_JOBS:-$(nproc)}" --target "fuzz_$target"
workers=()
if [ "${KAVREL_JOBS:-1}" -gt 1 ]; then workers=(-fork="$KAVREL_JOBS"); fi
source "$root/tools/sanitizer-env.sh"
mkdir -p "$build/fuzz/corpus-$target"
cd "$build/fuzz"
exec "./fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 "${workers[@]}" "$@" \
  "corpus-$target" "$root/tests/fuzz/corpus/$target"
