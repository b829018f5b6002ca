// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// What the Qt window paints itself.

#pragma once

class QPainter;
class QPalette;

namespace zefra::qt {

// Paints what the window draws itself, back to front: the black ball, the inner disc and the
// "8". The input controls are widgets of their own and lie above all of it.
void PaintBall(QPainter& painter, const QPalette& palette);

}  // namespace zefra::qt
