// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window as the ask command sees it: the question box's text and a message box.

#pragma once

#include <string>
#include <string_view>

namespace zefra {

// Question and message texts are UTF-16 code units, kept exactly as the question box holds them.
using Text = std::u16string;
using TextView = std::u16string_view;

// What the ask command needs from the window. An operation that fails throws; the command
// catches nothing, so the failure leaves it at the step that failed.
class QuestionView {
  public:
    virtual ~QuestionView() = default;

    // The question box's contents, read afresh on every call.
    virtual Text GetQuestionText() = 0;
    virtual void SetQuestionText(TextView text) = 0;
    // A modal message box with one OK button, captioned with the application title; returns
    // once the user has dismissed it.
    virtual void ShowMessage(TextView text) = 0;
};

}  // namespace zefra
