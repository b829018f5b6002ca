// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Where every unhandled failure ends up: reported, then the process ends.

#include "platform/report_fatal_failure.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace zefra {
namespace {

std::atomic<FatalFailurePresenter> presenter{nullptr};

}  // namespace

void SetFatalFailurePresenter(FatalFailurePresenter newPresenter) noexcept {
    presenter.store(newPresenter);
}

void ReportFatalFailure(std::string_view what) noexcept {
    std::fprintf(stderr, "Zefra: fatal failure: %.*s\n", static_cast<int>(what.size()),
                 what.data());
    std::fflush(stderr);
    // Taken out before it runs, so a presenter that fails in turn cannot come back here twice.
    if (const FatalFailurePresenter show = presenter.exchange(nullptr)) {
        show(what);
    }
    // The program's state is not to be trusted any more: no destructors, no exit handlers.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace zefra
