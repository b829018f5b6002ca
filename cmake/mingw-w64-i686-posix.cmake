# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Cross-building the core's tests for 32-bit Windows: the same processor and compiler as the
# shipped program, with the thread model that GoogleTest builds with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZEFRA_MINGW_TRIPLET i686-w64-mingw32)
set(ZEFRA_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
