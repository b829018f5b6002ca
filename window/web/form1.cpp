// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window as a page: the markup's elements taken over, and the ask command's view.

#include "window/web/form1.h"

#include <stdexcept>

#include "window/form1_layout.h"
#include "window/web/page.h"

namespace zefra::web {
namespace {

int Length(TextView text) {
    return static_cast<int>(text.size());
}

}  // namespace

Form1::Form1(RandomSource& source) : askClicks_(*this, source) {
    if (!zefra_page_adopt(layout::kForm1Controls[layout::kText1].name,
                          layout::kForm1Controls[layout::kCommand1].name)) {
        throw std::runtime_error("the window is missing from the page");
    }
}

void Form1::PressAsk() {
    askClicks_.Click();
}

Text Form1::GetQuestionText() {
    const int length = zefra_question_length();
    // Copied unit by unit, so that even a lone surrogate comes through unchanged.
    Text text(static_cast<std::size_t>(length < 0 ? 0 : length), u'\0');
    if (length < 0 || !zefra_question_copy(text.data(), length)) {
        throw std::runtime_error("the question box could not be read");
    }
    return text;
}

void Form1::SetQuestionText(TextView text) {
    if (!zefra_question_set(text.data(), Length(text))) {
        throw std::runtime_error("the question box could not be written");
    }
}

void Form1::ShowMessage(TextView text) {
    if (!zefra_show_message(layout::kApplicationTitle.data(), Length(layout::kApplicationTitle),
                            text.data(), Length(text))) {
        throw std::runtime_error("the message box could not be shown");
    }
}

}  // namespace zefra::web
