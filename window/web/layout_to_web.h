// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

#pragma once

// The window description in the page's terms: CSS pixels, CSS system colours and font lists.

#include <string>

#include "oracle/question_view.h"
#include "window/form1_layout.h"

namespace zefra::web {

// CSS pixels are 96 to the inch, as the description's pixels are.
constexpr int CssPixels(int twips) {
    return layout::TwipsToPixels(twips, 96);
}

// The CSS colour for a paint: the system colours follow the page's light, dark or forced theme.
const char* CssColourOf(layout::Paint paint);

// A CSS font: the description's face first, then its free look-alikes, then a generic family.
std::string CssFontOf(const layout::Font& font);

// A textarea holds a line break as a single "\n".
Text WithWebLineBreaks(TextView text);

}  // namespace zefra::web
