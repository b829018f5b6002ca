// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's message box on Qt: its own small dialog, so that nothing depends on the inner
// workings of a toolkit's box.

#pragma once

#include <QString>

class QWidget;

namespace zefra::qt {

// The program's message box: captioned with the application title, one OK button that is the
// default, no icon, modal to the application. The text is shown as plain text, exactly as given;
// a text too long for a box on the screen is shown in a scrolling area instead. Returns once the
// box is dismissed, however that happened.
void ShowMessageBox(QWidget* parent, const QString& text);

}  // namespace zefra::qt
