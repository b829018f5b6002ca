// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// What a failure that nothing handled says when it is reported.

#include "platform/guarded_run.h"

#include <stdexcept>

#include "platform/report_fatal_failure.h"

namespace zefra {

void ReportUnhandledFailure() noexcept {
    if (const std::exception_ptr failure = std::current_exception()) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& known) {
            ReportFatalFailure(known.what());
        } catch (...) {
            ReportFatalFailure("an unknown failure");
        }
    }
    ReportFatalFailure("the program was ended by a failure that nothing handled");
}

}  // namespace zefra
