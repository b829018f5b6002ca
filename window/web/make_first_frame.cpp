// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Writes the window's first frame when the page is built: the head's lines, the window's
// markup and its style sheet, each to its file. Run by Node.js, with the machine's files.
//   make_first_frame HEAD.html BODY.html STYLE.css
#include <cstdio>
#include <fstream>
#include <string>

#include "window/web/first_frame.h"

namespace {

bool Write(const char* path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text << '\n';
    return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_first_frame HEAD.html BODY.html STYLE.css\n");
        return 2;
    }
    const zefra::web::FirstFrame frame = zefra::web::MakeFirstFrame();
    if (!Write(argv[1], frame.head) || !Write(argv[2], frame.body) ||
        !Write(argv[3], frame.style)) {
        std::fprintf(stderr, "make_first_frame: could not write the first frame\n");
        return 1;
    }
    return 0;
}
