// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Prints the main window's description as the tests and benchmarks outside C++ need it: the
// client size and each control's box, in pixels at 96 dots per inch, as JSON. Its output is
// kept in tests/form1_layout.json, and a test checks that the two agree.
#include <cstdio>

#include "window/form1_layout.h"

int main() {
    using namespace zefra::layout;
    std::printf("{\n  \"clientWidth\": %d,\n  \"clientHeight\": %d,\n  \"controls\": {",
                TwipsToPixels(kForm1.clientWidth), TwipsToPixels(kForm1.clientHeight));
    const char* separator = "\n";
    for (const Control& control : kForm1Controls) {
        const PixelRect box = ToPixels(control.box);
        std::printf("%s    \"%s\": {\"left\": %d, \"top\": %d, \"width\": %d, \"height\": %d}",
                    separator, control.name, box.left, box.top, box.width, box.height);
        separator = ",\n";
    }
    std::printf("\n  }\n}\n");
    return 0;
}
