# libFuzzer targets, built with clang beside the g++ build when clang is installed, and run for a bounded
# time as ordinary tests of the native preset.
find_program(QUORVANE_CLANGXX NAMES clang++ clang++-14)
set(QUORVANE_FUZZ_SECONDS 10 CACHE STRING "How long each fuzz target runs as a test")

# quorvane_fuzz(<name> DICT <file> SOURCES <files...>): sources relative to the project root.
function(quorvane_fuzz name)
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
  add_test(NAME ${name}
           COMMAND ${exe} -max_total_time=${QUORVANE_FUZZ_SECONDS} -max_len=64 -dict=${F_DICT} ${corpus})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()
