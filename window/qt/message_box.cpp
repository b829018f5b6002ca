// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The message box's contents and layout, and how it is announced when it opens.

#include "window/qt/message_box.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>

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

// Puts a read-only scrolling text area where the box's label stands, sized to the screen.
void ShowInScrollingArea(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (label == nullptr || grid == nullptr) {
        box.setText(text);  // the box's inner layout changed: fall back to the plain label
        return;
    }
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    label->hide();

    auto* area = new QPlainTextEdit(&box);
    area->setObjectName(QStringLiteral("zefra_message_text"));
    area->setReadOnly(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWordWrapMode(QTextOption::WrapAnywhere);
    area->setBackgroundVisible(false);
    area->viewport()->setAutoFillBackground(false);
    area->setAccessibleName(QStringLiteral("Message"));
    const QScreen* screen =
        box.screen() != nullptr ? box.screen() : QGuiApplication::primaryScreen();
    const QSize available = screen != nullptr ? screen->availableSize() : QSize(800, 600);
    // Sized before it takes the text: laying out a long text is what takes the time, so it is
    // done once, at the final width.
    area->setFixedSize(std::min(640, available.width() * 3 / 5),
                       std::min(400, available.height() / 2));
    // The scroll bar stays, so that the width, and with it the layout, never changes.
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->document()->setPlainText(text);
    grid->addWidget(area, row, column, rowSpan, columnSpan);
}

}  // namespace

void ShowMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    box.setWindowTitle(ToQString(layout::kApplicationTitle));
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // some styles put a picture on it
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (FitsInALabel(text)) {
        box.setText(text);
    } else {
        ShowInScrollingArea(box, text);
    }
    box.exec();
}

}  // namespace zefra::qt
