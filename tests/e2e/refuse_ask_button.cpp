// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Linked into a copy of Zefra.exe: the window system refuses to make the first push button, the
// ask button, so that building the window fails as it might on a system out of resources, and
// the program must show that failure and keep it shown until it is dismissed. The message box's
// own button is made as usual.
#include <windows.h>

namespace {

HHOOK refusal = nullptr;

LRESULT CALLBACK RefuseTheFirstPushButton(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        wchar_t className[16] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16);
        if (lstrcmpiW(className, L"Button") == 0) {
            UnhookWindowsHookEx(refusal);
            return 1;  // not made
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Before the program's entry runs, for the one thread that builds the window.
const bool hooked = (refusal = SetWindowsHookExW(WH_CBT, &RefuseTheFirstPushButton, nullptr,
                                                 GetCurrentThreadId())) != nullptr;

}  // namespace
