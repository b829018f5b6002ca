# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Cross-building the Qt program and its tests for 64-bit ARM Linux with Debian's cross compiler
# and Debian's multiarch Qt for arm64, installed beside the machine's own; Qt's build tools (moc
# and the like) are the machine's own. The programs run under user-mode emulation, which finds
# the arm64 loader and libraries in their multiarch places.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(QT_HOST_PATH /usr)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
