// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The ask button on Qt: a push button that Enter presses too while it has the focus.

#include "window/qt/ask_button.h"

#include <QKeyEvent>

namespace zefra::qt {

AskButton::AskButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // An auto-default button would be drawn and announced as the default one while focused.
    setAutoDefault(false);
    setDefault(false);
}

void AskButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace zefra::qt
