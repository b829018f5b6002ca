// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window description's boxes, colours, fonts and texts in Qt's terms.

#include "window/qt/layout_to_qt.h"

namespace zefra::qt {

QRect PixelBox(const layout::Box& box) {
    const layout::PixelRect pixels = layout::ToPixels(box);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QColor ColourOf(layout::Paint paint, const QPalette& palette) {
    switch (paint) {
        case layout::Paint::kBlack:
            return Qt::black;
        case layout::Paint::kButtonFace:
            return palette.color(QPalette::Button);
        case layout::Paint::kButtonText:
            return palette.color(QPalette::ButtonText);
        case layout::Paint::kWindowBackground:
            return palette.color(QPalette::Base);
        case layout::Paint::kWindowText:
            return palette.color(QPalette::Text);
        case layout::Paint::kTransparent:
            break;
    }
    return Qt::transparent;
}

QFont FontOf(const layout::Font& font) {
    QFont result(ToQString(font.face), font.points);
    // Qt's weights run from 100 to 900 like the description's.
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

// Both copy the code units as they are: a conversion from UTF-16 "data" would read a leading
// byte-order mark as an instruction, and drop it or swap every byte after it.
QString ToQString(TextView text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

Text FromQString(const QString& text) {
    return text.toStdU16String();
}

}  // namespace zefra::qt
