// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window as the page's own markup and style, made from the description when the page is
// built, so that the browser paints it before the program has started.

#pragma once

#include <string>

namespace zefra::web {

// The parts the page's maker writes into the page: the head's lines (its title and the
// application's name), the window's markup for the body, and the style sheet that places it.
struct FirstFrame {
    std::string head;
    std::string body;
    std::string style;
};

// The window in its first state: the question box with its first text. It is fitted to a
// narrow screen by the style sheet alone, so that nothing moves once it is shown. The page's
// early script gives the box the focus and keeps the window busy for assistive technology
// until the program takes it over.
FirstFrame MakeFirstFrame();

}  // namespace zefra::web
