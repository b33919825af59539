# Compiler settings shared by every target of the project.
option(QUORVANE_WERROR "Treat warnings as errors" OFF)

function(quorvane_defaults target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                                           -finput-charset=UTF-8)
  if(QUORVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(WIN32)
    # -O2 rather than Release's -O3, whose unrolling nothing here needs; one section per function and datum,
    # so that the exe's link drops what nothing calls. Both keep the code small.
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-O2> -ffunction-sections -fdata-sections)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                                                 WINVER=0x0601)
  endif()
  if(QUORVANE_SANITIZE)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer
                                            -fno-sanitize-recover=undefined)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# quorvane_piece(<name> RULES <sources...> WINDOWS <sources...> [LIBS <libraries...>] [SYSTEM <libraries...>]):
# a room's library: its rules (plain C++, no <windows.h>) on every build, the rest for Windows only, where
# it also links the system libraries it calls.
function(quorvane_piece name)
  cmake_parse_arguments(P "" "" "RULES;WINDOWS;LIBS;SYSTEM" ${ARGN})
  set(sources ${P_RULES})
  if(WIN32)
    list(APPEND sources ${P_WINDOWS})
  endif()
  if(WIN32)
    # The rules run once a run, over a few hundred answers: small code matters more than fast code there.
    set_source_files_properties(${P_RULES} PROPERTIES COMPILE_OPTIONS $<$<CONFIG:Release>:-Os>)
  endif()
  add_library(${name} STATIC ${sources})
  quorvane_defaults(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${P_LIBS})
  if(WIN32)
    target_link_libraries(${name} PUBLIC ${P_SYSTEM})
  endif()
endfunction()
