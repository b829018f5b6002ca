// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The ask command: what one press of ASK does, whatever window it is pressed in.

#pragma once

#include "oracle/answer_table.h"
#include "oracle/question_view.h"
#include "oracle/random_source.h"

namespace zefra {

inline constexpr std::u16string_view kEmptyQuestionPrompt = u"Enter in a question, please.";

// One press of the ask button: an empty question box brings the prompt and changes nothing;
// any other question draws a reply, shows it, and then empties the box. Failures of the view
// or of the source pass through unhandled.
void AskQuestion(QuestionView& view, RandomSource& source, AnswerIndex& lastAnswerIndex);

}  // namespace zefra
