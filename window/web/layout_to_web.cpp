// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window description's colours and fonts in CSS terms.

#include "window/web/layout_to_web.h"

namespace zefra::web {
namespace {

// Font names are plain ASCII.
std::string Ascii(std::u16string_view text) {
    return {text.begin(), text.end()};
}

}  // namespace

const char* CssColourOf(layout::Paint paint) {
    switch (paint) {
        case layout::Paint::kBlack:
            return "black";
        case layout::Paint::kButtonFace:
            return "ButtonFace";
        case layout::Paint::kButtonText:
            return "ButtonText";
        case layout::Paint::kWindowBackground:
            return "Field";
        case layout::Paint::kWindowText:
            return "FieldText";
        case layout::Paint::kTransparent:
            break;
    }
    return "transparent";
}

std::string CssFontOf(const layout::Font& font, std::string_view size) {
    std::string css;
    if (font.italic) css += "italic ";
    css += std::to_string(font.weight) + " " + std::string(size) + " ";
    std::string families = "\"" + Ascii(font.face) + "\"";
    for (const layout::FontLookAlikes& known : layout::kFontLookAlikes) {
        if (known.face != font.face) continue;
        // The best look-alike is asked for first: on systems without the face, where the
        // browser would otherwise look it up in vain before its first paint; where the face is,
        // the look-alike seldom is.
        families = "\"" + Ascii(known.lookAlikes.front()) + "\", " + families;
        for (std::size_t i = 1; i < known.lookAlikes.size(); ++i) {
            families += ", \"" + Ascii(known.lookAlikes[i]) + "\"";
        }
    }
    return css + families + ", sans-serif";
}

}  // namespace zefra::web
