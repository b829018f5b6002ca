// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The Qt window: its controls built from the description, the ask command's view, the painting.

#include "window/qt/form1.h"

#include <QPainter>

#include "window/qt/ask_button.h"
#include "window/qt/ball_painter.h"
#include "window/qt/layout_to_qt.h"
#include "window/qt/message_box.h"
#include "window/qt/question_box.h"

namespace zefra::qt {

Form1::Form1(RandomSource& source, QWidget* parent) : QWidget(parent), askClicks_(*this, source) {
    setObjectName(QString::fromLatin1(layout::kForm1.name));
    setWindowTitle(ToQString(layout::kForm1.caption));
    resize(layout::TwipsToPixels(layout::kForm1.clientWidth),
           layout::TwipsToPixels(layout::kForm1.clientHeight));
    BuildControls();
    connect(command1_, &QPushButton::clicked, this, [this] { askClicks_.Click(); });
}

void Form1::BuildControls() {
    QWidget* previousInTabOrder = nullptr;
    // The description lists the controls back to front and in tab order alike.
    for (std::size_t i = 0; i < layout::kForm1Controls.size(); ++i) {
        const layout::Control& control = layout::kForm1Controls[i];
        QWidget* widget = nullptr;
        if (i == layout::kText1) {
            widget = text1_ =
                new QuestionBox(ToQString(layout::WithLineFeedBreaks(control.text)), this);
        } else if (i == layout::kCommand1) {
            widget = command1_ = new AskButton(ToQString(control.text), this);
        } else {
            continue;  // painted by the window itself
        }
        widget->setObjectName(QString::fromLatin1(control.name));
        widget->setGeometry(PixelBox(control.box));
        widget->setFont(FontOf(*control.font));
        widget->setAccessibleName(ToQString(layout::AccessibleNameOf(control)));
        if (previousInTabOrder != nullptr) setTabOrder(previousInTabOrder, widget);
        previousInTabOrder = widget;
    }
    text1_->setFocus();
}

Text Form1::GetQuestionText() {
    return FromQString(text1_->Text());
}

void Form1::SetQuestionText(TextView text) {
    text1_->setPlainText(ToQString(text));
}

void Form1::ShowMessage(TextView text) {
    ShowMessageBox(this, ToQString(text));
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourOf(layout::kForm1.background, palette()));
    PaintBall(painter, palette());
}

}  // namespace zefra::qt
