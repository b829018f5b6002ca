// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Exceptions in a program built and linked as Zefra.exe is, with its terminate handler:
//   failure_probe catch    a failure thrown through a call is caught with its text
//   failure_probe escape   a failure leaves a noexcept function, which ends the program
//                          through the terminate handler and the fatal-failure path
#include <stdexcept>
#include <string_view>

namespace {

[[gnu::noinline]] void Fail(const char* what) {
    throw std::runtime_error(what);
}

[[gnu::noinline]] int Outer(const char* what) {
    Fail(what);
    return 1;
}

[[gnu::noinline]] void Escape() noexcept {
    Outer("the failure escaped");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 2 ? argv[1] : "";
    if (mode == "catch") {
        try {
            Outer("caught");
        } catch (const std::exception& failure) {
            return std::string_view(failure.what()) == "caught" ? 0 : 1;
        }
    } else if (mode == "escape") {
        Escape();
    }
    return 2;
}
