// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window description in Qt's terms: logical pixels, palette colours, fonts and strings.

#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include "oracle/question_view.h"
#include "window/form1_layout.h"

namespace zefra::qt {

// A box in twips as logical pixels; Qt scales those to the screen.
QRect PixelBox(const layout::Box& box);

QColor ColourOf(layout::Paint paint, const QPalette& palette);

QFont FontOf(const layout::Font& font);

QString ToQString(TextView text);
Text FromQString(const QString& text);

}  // namespace zefra::qt
