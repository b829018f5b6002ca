// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The question box on Qt: its wrapping, its exact text, and pasting long words quickly.

#include "window/qt/question_box.h"

#include <QMimeData>
#include <QTextDocument>

#include "window/qt/text_runs.h"

namespace zefra::qt {
namespace {

// Qt lays out a line that may break "at a word boundary, or anywhere" by scanning to the end of
// the word, so a pasted word of a megabyte would take minutes. Past this length the box breaks
// lines anywhere instead, until it is emptied.
constexpr qsizetype kLongestWordToWrapAtBoundaries = 2000;

}  // namespace

QuestionBox::QuestionBox(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (document()->isEmpty()) WrapWordsWherePossible(true);
    });
}

QString QuestionBox::Text() const {
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps every code unit
    // and differs only in holding each line break as a paragraph separator.
    return document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

void QuestionBox::insertFromMimeData(const QMimeData* source) {
    if (source->hasText() && HasWordLongerThan(source->text(), kLongestWordToWrapAtBoundaries))
        WrapWordsWherePossible(false);
    QPlainTextEdit::insertFromMimeData(source);
}

void QuestionBox::WrapWordsWherePossible(bool wordsOnly) {
    const auto mode =
        wordsOnly ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WrapAnywhere;
    if (wordWrapMode() != mode) setWordWrapMode(mode);
}

}  // namespace zefra::qt
