// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// What the page's canvas paints.

#pragma once

namespace zefra::web {

// Paints the window's background, its circles and its label on the page's canvas, back to
// front, in the colours of the page's current theme.
void PaintBall();

}  // namespace zefra::web
