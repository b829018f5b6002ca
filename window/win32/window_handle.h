// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// A window owned by the object that made it: destroyed with it, whichever way that goes.

#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace zefra::win32 {

struct WindowDestroyer {
    void operator()(HWND window) const noexcept { DestroyWindow(window); }
};

using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

}  // namespace zefra::win32
