# libFuzzer targets, built with clang beside the g++ build when clang is installed, and run as ordinary
# tests of the native preset: a fixed number of inputs each (over a million in all), with a time cap for a
# loaded machine. The sanitizer preset leaves them out: they run under ASan and UBSan already.
find_program(QUORVANE_CLANGXX NAMES clang++ clang++-14)
set(QUORVANE_FUZZ_RUNS 600000 CACHE STRING "How many inputs each fuzz target tries as a test")
set(QUORVANE_FUZZ_SECONDS 60 CACHE STRING "The most time each fuzz target may take as a test")

# quorvane_fuzz(<name> [DICT <file>] SOURCES <files...>): sources relative to the project root.
function(quorvane_fuzz name)
  if(QUORVANE_SANITIZE)
    return()
  endif()
  if(NOT QUORVANE_CLANGXX)
    message(STATUS "clang++ not found: fuzz target ${name} skipped")
    return()
  endif()
  cmake_parse_arguments(F "" "DICT" "SOURCES" ${ARGN})
  list(TRANSFORM F_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/)
  set(exe ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(
    OUTPUT ${exe}
    COMMAND ${QUORVANE_CLANGXX} -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined
            -fno-sanitize-recover=undefined -I${PROJECT_SOURCE_DIR} ${F_SOURCES} -o ${exe}
    DEPENDS ${F_SOURCES}
    IMPLICIT_DEPENDS CXX ${F_SOURCES}
    COMMENT "Building fuzz target ${name} with clang")
  add_custom_target(${name}_build ALL DEPENDS ${exe})
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  file(MAKE_DIRECTORY ${corpus})
  set(dict)
  if(F_DICT)
    set(dict -dict=${F_DICT})
  endif()
  add_test(NAME ${name}
           COMMAND ${exe} -runs=${QUORVANE_FUZZ_RUNS} -max_total_time=${QUORVANE_FUZZ_SECONDS} -max_len=256 ${dict}
                   ${corpus})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()
