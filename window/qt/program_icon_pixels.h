// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's icon as pixels, generated when the program is built.

#pragma once

#include <array>
#include <cstdint>

namespace zefra::qt {

// One size of the program icon, as premultiplied ARGB pixels, row by row.
struct IconPixels {
    int width;
    int height;
    const std::uint32_t* pixels;
};

// The icon at 16, 32 and 48 pixels, generated from its scalable drawing when the program is
// built.
extern const std::array<IconPixels, 3> kProgramIconPixels;

}  // namespace zefra::qt
