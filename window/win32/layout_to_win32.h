// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window description in Win32 terms: pixels at a resolution, system colours, fonts and
// wide strings.

#pragma once

#include <windows.h>

#include <string>

#include "oracle/question_view.h"
#include "window/form1_layout.h"
#include "window/win32/gdi_handles.h"

namespace zefra::win32 {

RECT PixelBox(const layout::Box& box, int dpi);
RECT ToRect(const layout::PixelRect& box);

// The system colour a paint stands for (COLOR_WINDOWTEXT for those that are not one), and its
// value now.
int SystemColourOf(layout::Paint paint);
COLORREF ColourOf(layout::Paint paint);

Font CreateFontFor(const layout::Font& font, int dpi);

// wchar_t is UTF-16 on Windows: the code units pass unchanged.
std::wstring ToWide(TextView text);
Text FromWide(const wchar_t* text, std::size_t length);

}  // namespace zefra::win32
