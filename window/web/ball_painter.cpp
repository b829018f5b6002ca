// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

#include "window/web/ball_painter.h"

#include <algorithm>

#include "window/web/layout_to_web.h"
#include "window/web/page.h"

namespace zefra::web {

void PaintBall() {
    zefra_canvas_begin(CssColourOf(layout::kForm1.background));
    for (const layout::Control& control : layout::kForm1Controls) {
        const int left = CssPixels(control.box.left);
        const int top = CssPixels(control.box.top);
        const int width = CssPixels(control.box.width);
        const int height = CssPixels(control.box.height);
        if (control.kind == layout::ControlKind::kCircle) {
            // The largest circle that fits the box, centred in it.
            const int diameter = std::min(width, height);
            zefra_canvas_circle(left + (width - diameter) / 2, top + (height - diameter) / 2,
                                diameter, CssColourOf(control.fill),
                                CssColourOf(control.foreground));
        } else if (control.kind == layout::ControlKind::kLabel) {
            zefra_canvas_text(left, top, width, height, control.text.data(),
                              static_cast<int>(control.text.size()),
                              CssFontOf(*control.font).c_str(), CssColourOf(control.foreground));
        }
    }
}

}  // namespace zefra::web
