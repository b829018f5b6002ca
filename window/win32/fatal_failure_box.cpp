// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The fatal-failure box on Windows: a message box with the error icon.

#include "window/win32/fatal_failure_box.h"

#include <windows.h>

#include <string>

#include "window/form1_layout.h"
#include "window/win32/layout_to_win32.h"

namespace zefra::win32 {

void ShowFatalFailureBox(std::string_view what) noexcept {
    try {
        const int length = static_cast<int>(what.size());
        std::wstring text(static_cast<std::size_t>(
                              MultiByteToWideChar(CP_UTF8, 0, what.data(), length, nullptr, 0)),
                          L'\0');
        MultiByteToWideChar(CP_UTF8, 0, what.data(), length, text.data(),
                            static_cast<int>(text.size()));
        const std::wstring caption = ToWide(layout::kApplicationTitle);
        MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        // The failure is already on standard error, if there is one; the process ends anyway.
    }
}

}  // namespace zefra::win32
