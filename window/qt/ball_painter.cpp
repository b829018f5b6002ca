// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The ball, the inner disc and the "8", painted on Qt from the window's description.

#include "window/qt/ball_painter.h"

#include <QPainter>
#include <QPalette>

#include "window/qt/layout_to_qt.h"

namespace zefra::qt {
namespace {

// The largest circle that fits the box, centred in it, as every front end places it, with a
// one-pixel outline inside it.
void PaintCircle(QPainter& painter, const layout::Control& shape, const QPalette& palette) {
    const layout::PixelRect square = layout::CircleIn(layout::ToPixels(shape.box));
    QRectF circle(square.left, square.top, square.width, square.height);
    // Half a pixel in, so that the one-pixel pen lies wholly inside the circle.
    circle.adjust(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(ColourOf(shape.foreground, palette), 1.0));
    painter.setBrush(ColourOf(shape.fill, palette));
    painter.drawEllipse(circle);
}

void PaintLabel(QPainter& painter, const layout::Control& label, const QPalette& palette) {
    const QRect box = PixelBox(label.box);
    painter.save();
    painter.setClipRect(box);
    painter.setFont(FontOf(*label.font));
    painter.setPen(ColourOf(label.foreground, palette));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, ToQString(label.text));
    painter.restore();
}

}  // namespace

void PaintBall(QPainter& painter, const QPalette& palette) {
    painter.setRenderHint(QPainter::Antialiasing);
    for (const layout::Control& control : layout::kForm1Controls) {
        if (control.kind == layout::ControlKind::kCircle) PaintCircle(painter, control, palette);
        if (control.kind == layout::ControlKind::kLabel) PaintLabel(painter, control, palette);
    }
}

}  // namespace zefra::qt
