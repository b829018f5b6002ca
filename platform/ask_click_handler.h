// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// What a window holds for its ask button: the process's generator, the last reply's index, and
// whether a press is being handled, so that every front end answers its clicks the same way.

#pragma once

#include "oracle/ask_question.h"

namespace zefra {

class AskClickHandler {
  public:
    AskClickHandler(QuestionView& view, RandomSource& source) : view_(view), source_(source) {}
    AskClickHandler(const AskClickHandler&) = delete;
    AskClickHandler& operator=(const AskClickHandler&) = delete;

    // One click of the ask button: runs the ask command, and sends any failure that escapes it
    // to ReportFatalFailure. The reply's box is modal, but a click can still arrive while it is
    // up (through a screen reader's action, or from another program); such a click is ignored,
    // so that presses are handled strictly one after another. True when the click was handled.
    bool Click() noexcept;

    AnswerIndex lastAnswerIndex() const { return lastAnswerIndex_; }
    // True from a click's start until its reply has been dismissed.
    bool HandlingClick() const { return handlingClick_; }

  private:
    QuestionView& view_;
    RandomSource& source_;
    AnswerIndex lastAnswerIndex_ = 0;
    bool handlingClick_ = false;
};

}  // namespace zefra
