// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The fatal-failure path, and the hook through which a front end shows it.

#pragma once

#include <string_view>

namespace zefra {

// Shows a failure to the user in whatever way the front end has (a message box, say). It is
// called at most once, just before the process ends, and must not return by throwing.
using FatalFailurePresenter = void (*)(std::string_view what) noexcept;

// Lets a front end add its own way of showing a fatal failure; nullptr removes it.
void SetFatalFailurePresenter(FatalFailurePresenter presenter) noexcept;

// Where every unhandled failure ends up: writes "Zefra: fatal failure: <what>" to standard
// error, hands it to the front end's presenter if there is one, and ends the process with a
// non-zero status. Never returns.
[[noreturn]] void ReportFatalFailure(std::string_view what) noexcept;

}  // namespace zefra
