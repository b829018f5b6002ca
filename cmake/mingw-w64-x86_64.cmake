# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Cross-building for 64-bit Windows with Debian's MinGW-w64: the same program, for machines
# whose kernel cannot run 32-bit code (and so cannot run 32-bit Wine).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZEFRA_MINGW_TRIPLET x86_64-w64-mingw32)
set(ZEFRA_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
