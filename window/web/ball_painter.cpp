// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The ball, the inner disc and the "8", painted on the page's canvas from the description.

#include "window/web/ball_painter.h"

#include "window/web/layout_to_web.h"
#include "window/web/page.h"

namespace zefra::web {

void PaintBall() {
    zefra_canvas_begin(CssColourOf(layout::kForm1.background));
    for (const layout::Control& control : layout::kForm1Controls) {
        const layout::PixelRect box = layout::ToPixels(control.box);
        if (control.kind == layout::ControlKind::kCircle) {
            const layout::PixelRect circle = layout::CircleIn(box);
            zefra_canvas_circle(circle.left, circle.top, circle.width, CssColourOf(control.fill),
                                CssColourOf(control.foreground));
        } else if (control.kind == layout::ControlKind::kLabel) {
            zefra_canvas_text(box.left, box.top, box.width, box.height, control.text.data(),
                              static_cast<int>(control.text.size()),
                              CssFontOf(*control.font).c_str(), CssColourOf(control.foreground));
        }
    }
}

}  // namespace zefra::web
