// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The fatal-failure box on the page.

#pragma once

#include <string_view>

namespace zefra::web {

// Shows what failed in a dialog and leaves the page taking no further input: a page cannot end
// its process, so this ends the program's life on it.
void ShowFatalFailureBox(std::string_view what) noexcept;

}  // namespace zefra::web
