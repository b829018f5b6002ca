// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The fatal-failure box on Windows.

#pragma once

#include <string_view>

namespace zefra::win32 {

// Shows a fatal failure in a message box with the error icon.
void ShowFatalFailureBox(std::string_view what) noexcept;

}  // namespace zefra::win32
