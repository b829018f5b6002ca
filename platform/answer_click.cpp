// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

#include "platform/answer_click.h"

#include <exception>

#include "platform/report_fatal_failure.h"

namespace zefra {

void AnswerClick(QuestionView& view, RandomSource& source, AnswerIndex& lastAnswerIndex) noexcept {
    try {
        AskQuestion(view, source, lastAnswerIndex);
    } catch (const std::exception& failure) {
        ReportFatalFailure(failure.what());
    } catch (...) {
        ReportFatalFailure("unknown failure");
    }
}

}  // namespace zefra
