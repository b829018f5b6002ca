// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The main window as data: its name, its caption, its client size and its controls from back
// to front. Every front end builds its window from this and from nothing else; all boxes are in
// twips.

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zefra::layout {

inline constexpr std::u16string_view kApplicationTitle = u"Zefra";

// A twip is 1/1440 inch; at 96 dots per inch a pixel is 15 twips. A point is 20 twips.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPoint = 20;

// The window system's colours, and the one fixed colour the ball is drawn in.
enum class Paint { kBlack, kButtonFace, kButtonText, kWindowBackground, kWindowText, kTransparent };

enum class ControlKind { kCircle, kLabel, kTextBox, kPushButton };

struct Box {
    int left;
    int top;
    int width;
    int height;
};

struct Font {
    std::u16string_view face;
    int points;
    int weight;  // 700 is bold
    bool italic;
    bool underline;
    bool strikeOut;
    int charSet;  // 0 is Western
};

struct Control {
    const char* name;
    ControlKind kind;
    Box box;
    std::u16string_view text;  // caption or initial text; CR LF is a line break
    std::optional<Font> font;
    Paint fill;        // a circle's inside, the background of everything else
    Paint foreground;  // a circle's one-pixel outline, the text of everything else
    int tabIndex;      // -1 where the control has none; labels have one but never take the focus
    // What screen readers call it, where that is not its text: a text box's text is its value.
    std::u16string_view accessibleName = u"";
};

struct Form {
    const char* name;
    std::u16string_view caption;
    int clientWidth;
    int clientHeight;
    Paint background;
};

inline constexpr Form kForm1{"Form1", u"Form1", 6480, 6465, Paint::kButtonFace};

// Free look-alikes of the description's fonts, best first, for systems that lack them.
struct FontLookAlikes {
    std::u16string_view face;
    std::array<std::u16string_view, 2> lookAlikes;
};
inline constexpr std::array<FontLookAlikes, 2> kFontLookAlikes{{
    {u"MS Sans Serif", {u"Liberation Sans", u"DejaVu Sans"}},
    {u"Comic Sans MS", {u"Comic Neue", u"DejaVu Sans"}},
}};

// Back to front: each later control is drawn over the earlier ones. Text1 is multi-line,
// wraps, has no scroll bars and no length limit; Command1 is neither default nor cancel.
// clang-format off
inline constexpr std::array<Control, 5> kForm1Controls{{
    {"Shape1", ControlKind::kCircle, {0, 0, 6495, 6495}, u"", std::nullopt,
     Paint::kBlack, Paint::kWindowText, -1},
    {"Shape2", ControlKind::kCircle, {1680, 2160, 3135, 2415}, u"", std::nullopt,
     Paint::kWindowBackground, Paint::kWindowText, -1},
    {"Label1", ControlKind::kLabel, {2760, 2400, 855, 1935}, u"8",
     Font{u"Comic Sans MS", 72, 700, false, false, false, 0},
     Paint::kTransparent, Paint::kButtonText, 0},
    {"Text1", ControlKind::kTextBox, {1320, 1080, 3975, 735}, u"What do you want to know? \r\n",
     Font{u"MS Sans Serif", 12, 700, false, false, false, 0},
     Paint::kWindowBackground, Paint::kWindowText, 1, u"Question"},
    {"Command1", ControlKind::kPushButton, {2400, 4800, 1815, 735}, u"ASK",
     Font{u"MS Sans Serif", 24, 700, false, false, false, 0},
     Paint::kButtonFace, Paint::kButtonText, 2},
}};
// clang-format on

// The front ends chain the input controls' focus in the order they are listed here, so that
// order must be the tab order.
constexpr bool InputControlsAreListedInTabOrder() {
    int previous = -1;
    for (const Control& control : kForm1Controls) {
        if (control.kind != ControlKind::kTextBox && control.kind != ControlKind::kPushButton) {
            continue;
        }
        if (control.tabIndex <= previous) return false;
        previous = control.tabIndex;
    }
    return true;
}
static_assert(InputControlsAreListedInTabOrder());

// Where the control with the given name stands in the description; names are fixed, so an
// unknown one fails to compile where it is used in a constant expression.
constexpr std::size_t IndexOfControl(std::string_view name) {
    for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
        if (name == kForm1Controls[i].name) return i;
    }
    throw "no such control";
}

// The question box and the ask button: every front end finds them by these names.
inline constexpr std::size_t kText1 = IndexOfControl("Text1");
inline constexpr std::size_t kCommand1 = IndexOfControl("Command1");

constexpr bool DrawsText(ControlKind kind) {
    return kind == ControlKind::kLabel || kind == ControlKind::kTextBox ||
           kind == ControlKind::kPushButton;
}

// What the front ends take for granted when they build the window: every control that draws
// text has a font, the names are distinct (the form's too: the page gives each its element's
// id), and the only input controls are Text1, a text box, and Command1, a button.
constexpr bool FrontEndsCanBuildTheWindow() {
    for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
        const Control& control = kForm1Controls[i];
        if (IndexOfControl(control.name) != i) return false;  // each name once
        if (std::string_view(control.name) == kForm1.name) return false;
        if (DrawsText(control.kind) && !control.font) return false;
        if ((control.kind == ControlKind::kTextBox) != (i == kText1)) return false;
        if ((control.kind == ControlKind::kPushButton) != (i == kCommand1)) return false;
    }
    return true;
}
static_assert(FrontEndsCanBuildTheWindow());

// The name assistive technology gives a control.
constexpr std::u16string_view AccessibleNameOf(const Control& control) {
    return control.accessibleName.empty() ? control.text : control.accessibleName;
}

// The text with each line break (CR LF) as a single line feed, the way text boxes hold it on
// Linux and in browsers.
inline std::u16string WithLineFeedBreaks(std::u16string_view text) {
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        result += text[i];
    }
    return result;
}

// Twips to pixels at a given resolution, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dotsPerInch = 96) {
    return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

// A box in whole pixels at a resolution: its corner and its size each rounded to the nearest.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr PixelRect ToPixels(const Box& box, int dotsPerInch = 96) {
    return {TwipsToPixels(box.left, dotsPerInch), TwipsToPixels(box.top, dotsPerInch),
            TwipsToPixels(box.width, dotsPerInch), TwipsToPixels(box.height, dotsPerInch)};
}

// The largest circle that fits a box, centred in it, as the square around it.
constexpr PixelRect CircleIn(const PixelRect& box) {
    const int diameter = box.width < box.height ? box.width : box.height;
    return {box.left + (box.width - diameter) / 2, box.top + (box.height - diameter) / 2, diameter,
            diameter};
}

}  // namespace zefra::layout
