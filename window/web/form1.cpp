// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window as a page: its elements built from the description, and the ask command's view.

#include "window/web/form1.h"

#include <stdexcept>

#include "window/web/ball_painter.h"
#include "window/web/layout_to_web.h"
#include "window/web/page.h"

namespace zefra::web {
namespace {

int Length(TextView text) {
    return static_cast<int>(text.size());
}

void AddControl(const char* element, const layout::Control& control, TextView text) {
    const std::u16string_view name = layout::AccessibleNameOf(control);
    const layout::PixelRect box = layout::ToPixels(control.box);
    zefra_page_add_control(element, control.name, box.left, box.top, box.width, box.height,
                           text.data(), Length(text), name.data(), Length(name),
                           CssFontOf(*control.font).c_str(), CssColourOf(control.fill),
                           CssColourOf(control.foreground));
}

}  // namespace

Form1::Form1(RandomSource& source) : askClicks_(*this, source) {
    const layout::Form& form = layout::kForm1;
    zefra_page_create(layout::TwipsToPixels(form.clientWidth),
                      layout::TwipsToPixels(form.clientHeight), form.caption.data(),
                      Length(form.caption), CssColourOf(form.background));
    // Back to front, which is also the tab order of the input controls.
    for (std::size_t i = 0; i < layout::kForm1Controls.size(); ++i) {
        const layout::Control& control = layout::kForm1Controls[i];
        if (i == layout::kText1) {
            AddControl("textarea", control, layout::WithLineFeedBreaks(control.text));
        } else if (i == layout::kCommand1) {
            AddControl("button", control, control.text);
        } else if (control.kind == layout::ControlKind::kLabel) {
            const std::u16string_view name = layout::AccessibleNameOf(control);
            const layout::PixelRect box = layout::ToPixels(control.box);
            zefra_page_add_painted_text(control.name, box.left, box.top, box.width, box.height,
                                        name.data(), Length(name));
        }
    }
    Paint();
    zefra_page_show();
}

void Form1::PressAsk() {
    askClicks_.Click();
}

void Form1::Paint() {
    PaintBall();
}

Text Form1::GetQuestionText() {
    const int length = zefra_question_length();
    // Copied unit by unit, so that even a lone surrogate comes through unchanged.
    Text text(static_cast<std::size_t>(length < 0 ? 0 : length), u'\0');
    if (length < 0 || !zefra_question_copy(text.data(), length)) {
        throw std::runtime_error("the question box could not be read");
    }
    return text;
}

void Form1::SetQuestionText(TextView text) {
    if (!zefra_question_set(text.data(), Length(text))) {
        throw std::runtime_error("the question box could not be written");
    }
}

void Form1::ShowMessage(TextView text) {
    if (!zefra_show_message(layout::kApplicationTitle.data(), Length(layout::kApplicationTitle),
                            text.data(), Length(text))) {
        throw std::runtime_error("the message box could not be shown");
    }
}

}  // namespace zefra::web
