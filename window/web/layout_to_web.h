// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The window description in CSS terms.

#pragma once

// The window description in the page's terms: CSS system colours and font lists.
// Its pixels are CSS pixels, 96 to the inch like the description's own.

#include <string>
#include <string_view>

#include "window/form1_layout.h"

namespace zefra::web {

// The CSS colour for a paint: the system colours follow the page's light, dark or forced theme.
const char* CssColourOf(layout::Paint paint);

// A CSS font at the given size: the description's face, with its free look-alikes (the best
// first of all), then a generic family.
std::string CssFontOf(const layout::Font& font, std::string_view size);

}  // namespace zefra::web
