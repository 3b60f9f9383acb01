# Writes a ninja file that compiles every source file of src/ and tests/ with
# clang, syntax only, with the flags of an existing build's
# compile_commands.json:
#   cmake -DBUILD=<build folder> -DROOT=<source folder> -P tools/clangsyntax.cmake
# Run by tools/clang-syntax.sh.
# Only the two lines of each entry that matter: a "[" line would join the list.
file(STRINGS "${BUILD}/compile_commands.json" lines REGEX "^  \"(command|file)\": ")
set(out "rule syntax\n  command = $cmd && touch $out\n  description = clang $in\n")
set(count 0)
set(command "")
foreach(line IN LISTS lines)
  if(line MATCHES "^  \"command\": \"(.*)\",$")
    set(command "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  \"file\": \"(.*)\",?$")
    set(source "${CMAKE_MATCH_1}")
    if(NOT source MATCHES "^${ROOT}/(src|tests)/" OR command STREQUAL "")
      set(command "")
      continue()
    endif()
    # JSON escapes, then the compiler, the object and the source go.
    string(REPLACE "\\\\" "\\" command "${command}")
    string(REPLACE "\\\"" "\"" command "${command}")
    string(FIND "${command}" " " space)  # after the compiler
    string(SUBSTRING "${command}" ${space} -1 command)
    string(PREPEND command "clang++ -fsyntax-only")
    string(REGEX REPLACE " -o [^ ]+" "" command "${command}")
    string(REPLACE "$" "$$" command "${command}")
    string(REPLACE ":" "$:" escaped "${source}")
    string(APPEND out "build ${count}.ok: syntax ${escaped}\n  cmd = ${command}\n")
    math(EXPR count "${count} + 1")
    set(command "")
  endif()
endforeach()
file(WRITE "${BUILD}/clang-syntax/build.ninja" "${out}")
message(STATUS "clang syntax pass: ${count} files")
