// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The screen resolution a window is shown at, and a window's size for it.

#pragma once

#include <windows.h>

namespace zefra::win32 {

// The resolution a window is shown at. Per-monitor functions exist from Windows 10 on; older
// systems have one resolution for the whole screen.
int DpiOf(HWND window);

// The outer size of a window whose client area has the given size, at a resolution.
SIZE WindowSizeFor(SIZE client, DWORD style, DWORD exStyle, int dpi);

}  // namespace zefra::win32
