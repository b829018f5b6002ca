// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The fatal-failure box on Qt.

#pragma once

#include <string_view>

namespace zefra::qt {

// Shows a fatal failure in an error message box, where a window system is there to show it.
void ShowFatalFailureBox(std::string_view what) noexcept;

}  // namespace zefra::qt
