// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// What the Win32 window paints itself.

#pragma once

#include <windows.h>

namespace zefra::win32 {

// Paints what the window draws itself, back to front: the black ball, the inner disc and the
// "8" in the given font. The input controls are child windows above all of it.
void PaintBall(HDC dc, int dpi, HFONT labelFont);

}  // namespace zefra::win32
