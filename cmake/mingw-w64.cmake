# SPDX-License-Identifier: MIT
# Cross-builds for 64-bit Windows with Debian's MinGW-w64, and runs what it builds under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MOLTRAVA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MOLTRAVA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MOLTRAVA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${MOLTRAVA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MOLTRAVA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry their C++ runtime, so Wine needs no MinGW DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Each build folder keeps its own Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
