# Sourced by the sanitizer and fuzzing scripts: stop at the first error, with
# a stack.  Leaks are not reported: the GL driver and the font library keep
# their caches until exit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
