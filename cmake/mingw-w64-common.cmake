# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# The part of the MinGW-w64 toolchains that does not depend on the processor. The processor's
# file sets ZEFRA_MINGW_TRIPLET and ZEFRA_MINGW_THREADS, the thread model of Debian's compilers:
# "win32" needs no threading library in the program, "posix" gives the standard library's
# std::mutex (which GoogleTest needs).
set(CMAKE_C_COMPILER ${ZEFRA_MINGW_TRIPLET}-gcc-${ZEFRA_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${ZEFRA_MINGW_TRIPLET}-g++-${ZEFRA_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${ZEFRA_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZEFRA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Every program is one self-contained file, and keeps only the code it reaches.
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--gc-sections")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/wine-run.sh)
