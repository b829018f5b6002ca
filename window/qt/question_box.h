// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The question box on Qt.

#pragma once

#include <QPlainTextEdit>

namespace zefra::qt {

// The question box: multi-line, wrapping at its width, without scroll bars or a length limit;
// Tab moves the focus on instead of typing a tab.
class QuestionBox final : public QPlainTextEdit {
  public:
    QuestionBox(const QString& text, QWidget* parent);

    // Exactly what the box holds, every code unit, with each line break as "\n".
    QString Text() const;

  protected:
    void insertFromMimeData(const QMimeData* source) override;

  private:
    void WrapWordsWherePossible(bool wordsOnly);
};

}  // namespace zefra::qt
