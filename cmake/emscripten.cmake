# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# The browser build, with Debian's Emscripten. Its compiler runs its JavaScript tools with
# Debian's node, the one its configuration names, and node finds Debian's JavaScript libraries
# only through NODE_PATH: every compile and link sets it, so that the build works from any
# shell, not only from the presets. The tests' programs run on the same node.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node CACHE FILEPATH "Runs the tests' programs")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_CXX_COMPILER_LAUNCHER})
