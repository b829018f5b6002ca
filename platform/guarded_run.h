// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's life, run so that every failure that nothing handles, thrown or ended through
// std::terminate, reaches ReportFatalFailure: the one guard every entry uses.

#pragma once

#include <exception>

namespace zefra {

// Reports the exception being handled, if any, through ReportFatalFailure, and ends the
// process. Meant for a catch (...) block, and as the terminate handler.
[[noreturn]] void ReportUnhandledFailure() noexcept;

// Runs the program's body and returns what it returns. A failure that leaves it, or that ends in
// std::terminate anywhere (one thrown out of a noexcept function, say), is reported and ends the
// process instead.
template <typename Body>
int RunGuarded(Body&& body) noexcept {
    std::set_terminate(&ReportUnhandledFailure);
    try {
        return body();
    } catch (...) {
        ReportUnhandledFailure();
    }
}

}  // namespace zefra
