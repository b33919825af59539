# Cross build for 32-bit Windows (i686) with Debian's mingw-w64 (posix thread model): one program for every
# Windows from 2000 SP4 to 11, natively, under WoW64 and under x86 emulation on ARM64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(QUORVANE_MINGW i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVANE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVANE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Everything static: the exe must import Windows system DLLs only (no libstdc++, libgcc or winpthread DLLs).
# The tests' DLLs too: on i686, libgcc's DLL (libgcc_s_dw2-1.dll) is otherwise imported even by plain C.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
