# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Cross-building the shipped 32-bit Windows program with Debian's MinGW-w64. Programs built with
# it run under Wine, which CTest uses to run the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZEFRA_MINGW_TRIPLET i686-w64-mingw32)
# Nothing in the program starts a thread: the win32 model keeps libwinpthread out of it.
set(ZEFRA_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
