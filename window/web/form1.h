// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's one window on the page.

#pragma once

#include "oracle/question_view.h"
#include "platform/ask_click_handler.h"

namespace zefra::web {

// The program's one window, as a page: the page's markup shows it before the program starts
// (the ball a picture in the markup, the question box a textarea and the ask button a
// button), and the window takes those elements over. It is the ask command's view of the
// question box and its message boxes, which are modal dialogs.
class Form1 final : public QuestionView {
  public:
    explicit Form1(RandomSource& source);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The click of the ask button, however the page produced it.
    void PressAsk();

    Text GetQuestionText() override;
    void SetQuestionText(TextView text) override;
    void ShowMessage(TextView text) override;

  private:
    AskClickHandler askClicks_;
};

}  // namespace zefra::web
