// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The message box's contents and layout, and how it is announced when it opens.

#include "window/qt/message_box.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "window/qt/layout_to_qt.h"
#include "window/qt/text_runs.h"

namespace zefra::qt {
namespace {

// Past these a label would outgrow the screen or take long to lay out.
constexpr qsizetype kMostUnitsInALabel = 2000;
constexpr qsizetype kMostLinesInALabel = 24;
constexpr qsizetype kLongestUnbrokenRun = 80;

bool FitsInALabel(const QString& text) {
    return text.size() <= kMostUnitsInALabel && text.count(u'\n') <= kMostLinesInALabel &&
           !HasWordLongerThan(text, kLongestUnbrokenRun);
}

QWidget* MakeLabel(QWidget* box, const QString& text) {
    auto* label = new QLabel(text, box);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wide enough that a short reply stands on one line, as in any message box.
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 24);
    return label;
}

// A read-only scrolling text area, sized to the screen.
QWidget* MakeScrollingArea(QWidget* box, const QString& text) {
    auto* area = new QPlainTextEdit(box);
    area->setObjectName(QStringLiteral("zefra_message_text"));
    area->setReadOnly(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWordWrapMode(QTextOption::WrapAnywhere);
    area->setBackgroundVisible(false);
    area->viewport()->setAutoFillBackground(false);
    area->setAccessibleName(QStringLiteral("Message"));
    const QScreen* screen =
        box->screen() != nullptr ? box->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen != nullptr ? screen->availableSize() : QSize(800, 600);
    // Sized before it takes the text: laying out a long text is what takes the time, so it is
    // done once, at the final width.
    area->setFixedSize(std::min(640, available.width() * 3 / 5),
                       std::min(400, available.height() / 2));
    // The scroll bar stays, so that the width, and with it the layout, never changes.
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setPlainText(text);
    return area;
}

}  // namespace

MessageBox::MessageBox(QWidget* parent, const QString& text) : QDialog(parent) {
    setWindowTitle(ToQString(layout::kApplicationTitle));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(FitsInALabel(text) ? MakeLabel(this, text) : MakeScrollingArea(this, text));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(
        style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setIcon(QIcon());  // some styles put a picture on it
    ok_->setDefault(true);
    ok_->setFocus();  // even where a scrolling area comes first
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void MessageBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QAccessibleEvent opened(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&opened);
}

void ShowMessageBox(QWidget* parent, const QString& text) {
    MessageBox box(parent, text);
    box.exec();
}

}  // namespace zefra::qt
