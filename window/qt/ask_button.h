// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The ask button on Qt.

#pragma once

#include <QPushButton>

namespace zefra::qt {

// The ask button. Like a push button in any dialog, it is pressed by Enter as well as by Space
// while it has the focus; it is never a default button, so Enter elsewhere leaves it alone.
class AskButton final : public QPushButton {
  public:
    AskButton(const QString& caption, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zefra::qt
