# KAVREL_SANITIZE: every target with AddressSanitizer and UndefinedBehaviorSanitizer,
# undefined behaviour fatal so that a test or a fuzzer stops at the first one.
# With clang the code is also instrumented for libFuzzer, whose harnesses
# (tests/fuzz) are built only by clang.
set(KAVREL_FUZZ_INSTRUMENTED OFF)
if(KAVREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_compile_options(-fsanitize=fuzzer-no-link)
    set(KAVREL_FUZZ_INSTRUMENTED ON)
  endif()
endif()
