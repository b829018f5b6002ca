// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's one window on Qt.

#pragma once

#include <QWidget>

#include "oracle/question_view.h"
#include "platform/ask_click_handler.h"

class QPushButton;

namespace zefra::qt {

class QuestionBox;

// The program's one window: the ball it paints itself, the question box and the ask button.
// It is the ask command's view of the question box and its message boxes.
class Form1 final : public QWidget, public QuestionView {
    Q_OBJECT

  public:
    explicit Form1(RandomSource& source, QWidget* parent = nullptr);

    Text GetQuestionText() override;
    void SetQuestionText(TextView text) override;
    void ShowMessage(TextView text) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void BuildControls();

    AskClickHandler askClicks_;
    QuestionBox* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace zefra::qt
