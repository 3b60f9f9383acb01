# Writes a ninja file that compiles every source file of src/ and tests/ with
# clang, syntax only, with the flags of an existing build's
# compile_commands.json:
#   cmake -DBUILD=<build folder> -DROOT=<source folder> -P tools/clangsyntax.cmake
# Run by tools/clang-syntax.sh.
# The build's precompiled headers (cmake/pch/) are precompiled once more by
# clang, and each file includes clang's version instead of g++'s: parsing Qt
# and the standard library once per family instead of once per file is most
# of the pass's time; the header's templates are instantiated there once too
# (what CMake does for its own clang precompiled headers).
# Only the two lines of each entry that matter: a "[" line would join the list.
file(STRINGS "${BUILD}/compile_commands.json" lines REGEX "^  \"(command|file)\": ")
set(out "rule syntax\n  command = $cmd && touch $out\n  description = clang $in\n")
string(APPEND out "rule pch\n  command = $cmd\n  description = clang precompiles $in\n")

# The compile command of an entry for clang: JSON escapes undone, the
# compiler, the object and -c gone.
function(clang_command command result)
  string(REPLACE "\\\\" "\\" command "${command}")
  string(REPLACE "\\\"" "\"" command "${command}")
  string(FIND "${command}" " " space)  # after the compiler
  string(SUBSTRING "${command}" ${space} -1 command)
  string(REGEX REPLACE " -o [^ ]+" "" command "${command}")
  string(REGEX REPLACE " -c [^ ]+$" "" command "${command}")
  string(REPLACE "$" "$$" command "${command}")
  set(${result} "${command}" PARENT_SCOPE)
endfunction()

# The entries, as pairs of a source file and its command.
set(sources "")
set(command "")
foreach(line IN LISTS lines)
  if(line MATCHES "^  \"command\": \"(.*)\",$")
    set(command "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  \"file\": \"(.*)\",?$")
    if(NOT command STREQUAL "")
      list(APPEND sources "${CMAKE_MATCH_1}")
      list(LENGTH sources n)
      set(command_${n} "${command}")
    endif()
    set(command "")
  endif()
endforeach()

# First the precompiled headers: g++ builds cmake_pch.hxx.gch from
# cmake_pch.hxx.cxx with "-include <folder>/cmake_pch.hxx".
set(pch_count 0)
set(pch_headers "")
set(n 0)
foreach(source IN LISTS sources)
  math(EXPR n "${n} + 1")  # its command is command_${n}
  if(NOT source MATCHES "/cmake_pch\\.hxx\\.cxx$")
    continue()
  endif()
  clang_command("${command_${n}}" command)
  if(NOT command MATCHES " -include ([^ ]+/cmake_pch\\.hxx)")
    continue()
  endif()
  set(header "${CMAKE_MATCH_1}")
  string(REPLACE " -include ${header}" "" command "${command}")
  string(REPLACE " -x c++-header" "" command "${command}")
  set(pch_${pch_count} "${header}")
  list(APPEND pch_headers "${header}")
  string(REPLACE ":" "$:" escaped "${header}")
  string(APPEND out "build pch${pch_count}.pch: pch ${escaped}\n"
                    "  cmd = clang++ -x c++-header ${header} -o pch${pch_count}.pch${command}"
                    " -fpch-instantiate-templates -Wno-pragma-system-header-outside-header\n")
  math(EXPR pch_count "${pch_count} + 1")
endforeach()

set(count 0)
set(n 0)
foreach(source IN LISTS sources)
  math(EXPR n "${n} + 1")  # its command is command_${n}
  # Test files compiled in batches are checked in their batches.
  if(NOT source MATCHES "^${ROOT}/(src|tests)/" AND NOT source MATCHES "/Unity/unity_[0-9]+_cxx\\.cxx$")
    continue()
  endif()
  clang_command("${command_${n}}" command)
  set(needs "")
  if(command MATCHES " -include ([^ ]+/cmake_pch\\.hxx)")
    set(header "${CMAKE_MATCH_1}")
    list(FIND pch_headers "${header}" which)
    if(which GREATER_EQUAL 0)
      string(REPLACE " -include ${header}"
                     " -include-pch ${BUILD}/clang-syntax/pch${which}.pch" command "${command}")
      set(needs " | pch${which}.pch")
    endif()
  endif()
  string(REPLACE ":" "$:" escaped "${source}")
  string(APPEND out "build ${count}.ok: syntax ${escaped}${needs}\n"
                    "  cmd = clang++ -fsyntax-only${command} ${source}\n")
  math(EXPR count "${count} + 1")
endforeach()
file(WRITE "${BUILD}/clang-syntax/build.ninja" "${out}")
message(STATUS "clang syntax pass: ${count} files, ${pch_count} precompiled headers")
