// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window's markup and style, written from the description.

#include "window/web/first_frame.h"

#include <string_view>

#include "window/web/layout_to_web.h"

namespace zefra::web {
namespace {

// UTF-16 as UTF-8, with the characters that markup gives a meaning written as references.
std::string Escaped(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;  // a lone surrogate cannot be written as UTF-8
        }
        switch (c) {
            case U'&':
                out += "&amp;";
                continue;
            case U'<':
                out += "&lt;";
                continue;
            case U'>':
                out += "&gt;";
                continue;
            case U'"':
                out += "&quot;";
                continue;
            default:
                break;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// A length of the window: its pixels at full size, times the unit that shrinks the window
// as a whole on a screen narrower than it.
std::string Scaled(int pixels) {
    return "calc(var(--zefra-unit) * " + std::to_string(pixels) + ")";
}

std::string BoxStyle(const layout::PixelRect& box) {
    return "left:" + Scaled(box.left) + ";top:" + Scaled(box.top) + ";width:" + Scaled(box.width) +
           ";height:" + Scaled(box.height) + ";";
}

std::string FontStyle(const layout::Font& font) {
    std::string style =
        "font:" +
        CssFontOf(font, Scaled(layout::TwipsToPixels(font.points * layout::kTwipsPerPoint))) + ";";
    if (font.underline || font.strikeOut) {
        style += std::string("text-decoration:") + (font.underline ? " underline" : "") +
                 (font.strikeOut ? " line-through" : "") + ";";
    }
    return style;
}

// A pixel position or length, which a circle's centre and radius may put on a half pixel.
std::string Half(int twiceThePixels) {
    return std::to_string(twiceThePixels / 2) + (twiceThePixels % 2 != 0 ? ".5" : "");
}

// One control's element, and its rule in the style sheet. Circles are drawn in a picture over
// the whole window, one for each run of them, so that the browser paints the ball as an image.
void AddControl(FirstFrame& frame, const layout::Control& control) {
    const std::string id = control.name;
    const layout::PixelRect box = layout::ToPixels(control.box);
    std::string rule = "#" + id + "{";
    switch (control.kind) {
        case layout::ControlKind::kCircle: {
            // The one-pixel outline lies inside the circle's box.
            const layout::PixelRect circle = layout::CircleIn(box);
            frame.body += "<circle id=\"" + id + "\" cx=\"" + Half(2 * circle.left + circle.width) +
                          "\" cy=\"" + Half(2 * circle.top + circle.height) + "\" r=\"" +
                          Half(circle.width - 1) + "\"/>\n";
            rule += std::string("fill:") + CssColourOf(control.fill) +
                    ";stroke:" + CssColourOf(control.foreground) + "}\n";
            frame.style += rule;
            return;
        }
        case layout::ControlKind::kLabel:
            frame.body += "<span id=\"" + id + "\" class=\"zefra-label\">" + Escaped(control.text) +
                          "</span>\n";
            break;
        case layout::ControlKind::kTextBox:
            // The parser drops a line feed right after the start tag: the text keeps its own.
            frame.body += "<textarea id=\"" + id + "\" aria-label=\"" +
                          Escaped(layout::AccessibleNameOf(control)) +
                          "\" autocomplete=\"off\">\n" +
                          Escaped(layout::WithLineFeedBreaks(control.text)) + "</textarea>\n";
            break;
        case layout::ControlKind::kPushButton: {
            const std::u16string_view name = layout::AccessibleNameOf(control);
            frame.body += "<button id=\"" + id + "\" type=\"button\"" +
                          (name != control.text ? " aria-label=\"" + Escaped(name) + "\"" : "") +
                          ">" + Escaped(control.text) + "</button>\n";
            break;
        }
    }
    rule += BoxStyle(box) + FontStyle(*control.font) + "color:" + CssColourOf(control.foreground) +
            ";background:" + CssColourOf(control.fill) + "}\n";
    frame.style += rule;
}

}  // namespace

FirstFrame MakeFirstFrame() {
    const layout::Form& form = layout::kForm1;
    const int width = layout::TwipsToPixels(form.clientWidth);
    const int height = layout::TwipsToPixels(form.clientHeight);
    FirstFrame frame;
    frame.head = "<title>" + Escaped(form.caption) +
                 "</title>\n<meta name=\"application-name\" content=\"" +
                 Escaped(layout::kApplicationTitle) + "\">";
    // The caption is the heading of the page's main part, in which the window stands.
    frame.body = "<h1 class=\"zefra-caption\">" + Escaped(form.caption) +
                 "</h1>\n<div id=\"zefra-area\">\n<div id=\"" + form.name +
                 "\" class=\"zefra-form\">\n";
    // The unit is a CSS pixel where the window fits the screen's width, and less where not;
    // an engine that cannot work that out shows the window at its full size.
    frame.style =
        ":root{--zefra-unit:1px}\n@supports (width: min(1px, 1vw)){:root{--zefra-unit:min(1px, "
        "100vw / " +
        std::to_string(width) + ")}}\n#zefra-area,.zefra-form{width:" + Scaled(width) +
        ";height:" + Scaled(height) + "}\n.zefra-form{background:" + CssColourOf(form.background) +
        "}\n";
    const std::string picture = "<svg class=\"zefra-picture\" viewBox=\"0 0 " +
                                std::to_string(width) + " " + std::to_string(height) +
                                "\" aria-hidden=\"true\">\n";
    // Back to front, which is also the tab order of the input controls.
    bool inPicture = false;
    for (const layout::Control& control : layout::kForm1Controls) {
        const bool circle = control.kind == layout::ControlKind::kCircle;
        if (circle != inPicture) frame.body += circle ? picture : "</svg>\n";
        inPicture = circle;
        AddControl(frame, control);
    }
    frame.body += std::string(inPicture ? "</svg>\n" : "") + "</div>\n</div>";
    return frame;
}

}  // namespace zefra::web
