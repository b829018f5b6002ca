// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's message box on Qt: its own small dialog, so that nothing depends on the inner
// workings of a toolkit's box.

#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace zefra::qt {

// Captioned with the application title, the text as plain text exactly as given, one OK button
// that is the default (Enter, Escape and OK all close it), no icon, modal to the application.
// A text too long for a box on the screen is shown in a scrolling area instead of a label.
// Screen readers are told of it as an alert, whose name is the title.
class MessageBox final : public QDialog {
    Q_OBJECT

  public:
    MessageBox(QWidget* parent, const QString& text);

    QPushButton* OkButton() const { return ok_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* ok_ = nullptr;
};

// Shows the text in a message box and returns once it is dismissed, however that happened.
void ShowMessageBox(QWidget* parent, const QString& text);

}  // namespace zefra::qt
