// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The ball, the inner disc and the "8", painted with GDI from the window's description.

#include "window/win32/ball_painter.h"

#include "window/win32/layout_to_win32.h"

namespace zefra::win32 {
namespace {

// The largest circle that fits the box, centred in it, outlined one pixel wide.
void PaintCircle(HDC dc, const layout::Control& shape, int dpi) {
    const RECT circle = ToRect(layout::CircleIn(layout::ToPixels(shape.box, dpi)));
    const Pen pen(CreatePen(PS_SOLID, 1, ColourOf(shape.foreground)));
    const Brush brush(CreateSolidBrush(ColourOf(shape.fill)));
    const Selection usePen(dc, pen.get());
    const Selection useBrush(dc, brush.get());
    Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
}

void PaintLabel(HDC dc, const layout::Control& label, int dpi, HFONT font) {
    RECT box = PixelBox(label.box, dpi);
    const std::wstring caption = ToWide(label.text);
    const Selection useFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourOf(label.foreground));
    // Without DT_NOCLIP the text is clipped to its box.
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK);
}

}  // namespace

void PaintBall(HDC dc, int dpi, HFONT labelFont) {
    for (const layout::Control& control : layout::kForm1Controls) {
        if (control.kind == layout::ControlKind::kCircle) PaintCircle(dc, control, dpi);
        if (control.kind == layout::ControlKind::kLabel) PaintLabel(dc, control, dpi, labelFont);
    }
}

}  // namespace zefra::win32
