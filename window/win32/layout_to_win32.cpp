// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window description's boxes, colours, fonts and texts in Win32 terms.

#include "window/win32/layout_to_win32.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

namespace zefra::win32 {

RECT ToRect(const layout::PixelRect& box) {
    return {box.left, box.top, box.left + box.width, box.top + box.height};
}

RECT PixelBox(const layout::Box& box, int dpi) {
    return ToRect(layout::ToPixels(box, dpi));
}

int SystemColourOf(layout::Paint paint) {
    switch (paint) {
        case layout::Paint::kButtonFace:
            return COLOR_BTNFACE;
        case layout::Paint::kButtonText:
            return COLOR_BTNTEXT;
        case layout::Paint::kWindowBackground:
            return COLOR_WINDOW;
        case layout::Paint::kBlack:
        case layout::Paint::kWindowText:
        case layout::Paint::kTransparent:
            break;
    }
    return COLOR_WINDOWTEXT;
}

COLORREF ColourOf(layout::Paint paint) {
    return paint == layout::Paint::kBlack ? RGB(0, 0, 0) : GetSysColor(SystemColourOf(paint));
}

Font CreateFontFor(const layout::Font& font, int dpi) {
    // Scalable faces only: a bitmap font such as MS Sans Serif would be stretched to these
    // sizes, so the mapper takes the closest TrueType face instead.
    const std::wstring face = ToWide(font.face);
    return Font(CreateFontW(-MulDiv(font.points, dpi, 72), 0, 0, 0, font.weight, font.italic,
                            font.underline, font.strikeOut, static_cast<DWORD>(font.charSet),
                            OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

std::wstring ToWide(TextView text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

Text FromWide(const wchar_t* text, std::size_t length) {
    return {reinterpret_cast<const char16_t*>(text), length};
}

}  // namespace zefra::win32
