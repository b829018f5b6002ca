// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The ask button's clicks, handled one at a time, with failures sent to the fatal-failure path.

#include "platform/ask_click_handler.h"

#include "platform/guarded_run.h"

namespace zefra {

bool AskClickHandler::Click() noexcept {
    if (handlingClick_) return false;
    handlingClick_ = true;
    try {
        AskQuestion(view_, source_, lastAnswerIndex_);
    } catch (...) {
        ReportUnhandledFailure();
    }
    handlingClick_ = false;
    return true;
}

}  // namespace zefra
