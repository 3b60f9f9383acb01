# One static library per layer.  Sources are found by globbing so that adding a
# file to a layer folder needs no edit here; dependencies point one way only.
set(KAVREL_LAYERS "" CACHE INTERNAL "")
# Layers whose files add themselves to tables with static objects (command
# rows, dialog widgets): nothing refers to such a file, so these layers are
# linked whole, else the linker would leave the files out.
set(KAVREL_SELF_REGISTERING_LAYERS "" CACHE INTERNAL "")

function(kavrel_layer name)
  cmake_parse_arguments(ARG "AUTOMOC;SELF_REGISTERING" "" "DIRS;DEPS;EXCLUDE" ${ARGN})
  set(srcs)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/src/${dir}/*.h)
    list(APPEND srcs ${found})
  endforeach()
  foreach(pattern IN LISTS ARG_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${pattern}")
  endforeach()
  if(NOT srcs)
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARG_DEPS)
    if(TARGET ${dep})
      target_link_libraries(${name} PUBLIC ${dep})
    endif()
  endforeach()
  if(ARG_AUTOMOC)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  if("Qt6::Widgets" IN_LIST ARG_DEPS)
    kavrel_precompile(${name} widgets)
  else()
    kavrel_precompile(${name} core)
  endif()
  set(KAVREL_LAYERS ${KAVREL_LAYERS} ${name} CACHE INTERNAL "")
  if(ARG_SELF_REGISTERING)
    set(KAVREL_SELF_REGISTERING_LAYERS ${KAVREL_SELF_REGISTERING_LAYERS} ${name} CACHE INTERNAL "")
  endif()
endfunction()

# Links every layer built so far (in dependency order) into a target.
function(kavrel_link_all_layers target)
  set(libs ${KAVREL_LAYERS})
  list(REVERSE libs)
  target_link_libraries(${target} PRIVATE ${libs})
  # One option, so that the flags stay around the archives; the archives
  # named again by the libraries above add nothing twice.
  set(whole "")
  foreach(lib IN LISTS KAVREL_SELF_REGISTERING_LAYERS)
    string(APPEND whole " $<TARGET_FILE:${lib}>")
  endforeach()
  if(whole)
    target_link_options(${target} PRIVATE "SHELL:-Wl,--whole-archive${whole} -Wl,--no-whole-archive")
  endif()
endfunction()

# Precompiled headers (KAVREL_PCH): the system headers of cmake/pch/<header>.h
# are parsed once per family of targets instead of once per source file.  The
# first target of a family builds them, the others reuse that build, so every
# target of one family must compile with the same options (the families:
# core = the headless layers, widgets = the widget layers, the program, its
# tools and benchmarks, tests = the test programs, fuzz = the fuzzing
# harnesses, whose test paths differ).  A later target must define every macro
# of the first one with the same value (g++ ignores the header with a warning,
# clang stops), and may define more.
option(KAVREL_PCH "Precompile the common system headers" ON)
function(kavrel_precompile target family)
  if(NOT KAVREL_PCH)
    return()
  endif()
  set(header ${family})
  if(family STREQUAL "fuzz")
    set(header tests)
  endif()
  get_property(owner GLOBAL PROPERTY KAVREL_PCH_OWNER_${family})
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  else()
    target_precompile_headers(${target} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/pch/${header}.h)
    set_property(GLOBAL PROPERTY KAVREL_PCH_OWNER_${family} ${target})
  endif()
endfunction()
