# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORVANE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVANE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVANE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Everything static: the exe must import Windows system DLLs only (no libstdc++, libgcc or winpthread DLLs).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
