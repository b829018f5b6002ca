// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oracle/ask_question.h"

namespace zefra {

// What a front end calls for each click of the ask button: runs the ask command, and sends any
// failure that escapes it to ReportFatalFailure.
void AnswerClick(QuestionView& view, RandomSource& source, AnswerIndex& lastAnswerIndex) noexcept;

}  // namespace zefra
