// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The ask command, in terms of the window's view and the random source only.

#include "oracle/ask_question.h"

namespace zefra {
namespace {

// The reply for a drawn entry. Only the echo reads the question box a second time, so that the
// reply is what the box holds at that moment.
Text ReplyFor(const Answer& answer, QuestionView& view) {
    if (const auto* fixed = std::get_if<std::u16string_view>(&answer)) {
        return Text(*fixed);
    }
    return view.GetQuestionText();
}

}  // namespace

void AskQuestion(QuestionView& view, RandomSource& source, AnswerIndex& lastAnswerIndex) {
    const Text question = view.GetQuestionText();
    if (question.empty()) {
        view.ShowMessage(kEmptyQuestionPrompt);
        return;
    }
    lastAnswerIndex = DrawAnswerIndex(source);
    const Text reply = ReplyFor(AnswerAt(lastAnswerIndex), view);
    view.ShowMessage(reply);
    view.SetQuestionText(u"");
}

}  // namespace zefra
