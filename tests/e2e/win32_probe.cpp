// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// A helper for the end-to-end test under Wine: reads what Zefra's windows show, from outside
// the program, the way assistive tools do. Prints its findings as UTF-8 on standard output.
//   win32_probe question             the question box's text
//   win32_probe message              the text of the message box captioned "Zefra"
//   win32_probe client-origin        where Form1's client area starts on the screen: "x y"
//   win32_probe client-size          the size of Form1's client area in pixels: "width height"
//   win32_probe close                asks Form1 to close, as its close button and taskkill do
//   win32_probe accessible WHAT      what a screen reader learns of the question box, the ask
//                                    button or the message box's text (question|button|message)
//                                    through MSAA: "name", a tab, and the role's number
//   win32_probe button-style         "push button", or "default push button", or "other"
//   win32_probe ask QUESTION [TIMES] puts the question into the box, presses ASK, reads the
//                                    message box and dismisses it with OK, TIMES times (once by
//                                    default): the replies, a NUL between each two
//   win32_probe colours              the system colours of the window's face, of a field and of
//                                    button text, a line "red green blue" each
//   win32_probe press-twice          presses ASK, and once its message box is up presses it
//                                    again through MSAA, as a screen reader's action does, or,
//                                    where the system's proxy has no action for buttons (Wine's),
//                                    with a click message as any other program can: the number
//                                    of message boxes then up, a space, and "msaa" or "message"
//                                    for the way it was pressed; the first box is left open
// Waits up to ten seconds for the window or the change it needs; exits 1 if it never comes.
#include <fcntl.h>
#include <io.h>
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    std::string result(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), length,
                                                                    nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(),
                        static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

std::wstring TextOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

template <typename Condition>
bool WaitUntil(Condition done) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (done()) return true;
        Sleep(20);
    }
    return false;
}

HWND WaitForWindow(const wchar_t* windowClass, const wchar_t* caption) {
    HWND found = nullptr;
    if (!WaitUntil([&] {
            found = FindWindowW(windowClass, caption);
            return found != nullptr && IsWindowVisible(found);
        })) {
        std::fprintf(stderr, "no window captioned %ls\n", caption);
        std::exit(1);
    }
    return found;
}

HWND Form1() {
    return WaitForWindow(L"ZefraForm1", L"Form1");
}

HWND MessageBoxUp() {
    return WaitForWindow(L"#32770", L"Zefra");
}

HWND MessageText() {
    // A message box is a dialog; its text is the static control with identifier 0xFFFF.
    return GetDlgItem(MessageBoxUp(), 0xFFFF);
}

// One question asked as a user would, from the box's text to the reply dismissed; returns once
// the program has gone on past the reply and emptied the question box.
std::wstring Ask(const std::wstring& question) {
    HWND questionBox = FindWindowExW(Form1(), nullptr, L"Edit", nullptr);
    SendMessageW(questionBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(question.c_str()));
    // Posted: the press returns only once its message box is closed.
    PostMessageW(FindWindowExW(Form1(), nullptr, L"Button", nullptr), BM_CLICK, 0, 0);
    HWND box = MessageBoxUp();
    const std::wstring reply = TextOf(GetDlgItem(box, 0xFFFF));
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(box) && GetWindowTextLengthW(questionBox) == 0; })) {
        std::fputs("the message box stayed, or the question box was not emptied\n", stderr);
        std::exit(1);
    }
    return reply;
}

// The control's client object as the system's accessibility proxy describes it.
int PrintAccessible(HWND control) {
    IAccessible* accessible = nullptr;
    // __uuidof, not IID_IAccessible: oleacc.dll exports that name too, and a 64-bit static link
    // can take the import's thunk for the GUID.
    const HRESULT found = control == nullptr ? E_INVALIDARG
                                             : AccessibleObjectFromWindow(
                                                   control, OBJID_CLIENT, __uuidof(IAccessible),
                                                   reinterpret_cast<void**>(&accessible));
    if (FAILED(found)) {
        std::fprintf(stderr, "no accessible object: %08lx\n", static_cast<unsigned long>(found));
        return 1;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    VARIANT role;
    VariantInit(&role);
    const bool named = SUCCEEDED(accessible->get_accName(self, &name));
    const bool hasRole = SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4;
    std::fputs(Utf8(name != nullptr ? std::wstring(name, SysStringLen(name)) : L"").c_str(),
               stdout);
    std::printf("\t%ld", hasRole ? role.lVal : -1L);
    SysFreeString(name);
    VariantClear(&role);
    accessible->Release();
    return named && hasRole ? 0 : 1;
}

BOOL CALLBACK CountIfMessageBox(HWND window, LPARAM counted) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && std::wstring(className) == L"#32770" &&
        TextOf(window) == L"Zefra") {
        ++*reinterpret_cast<int*>(counted);
    }
    return TRUE;
}

int CountMessageBoxes() {
    int count = 0;
    EnumWindows(&CountIfMessageBox, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The button's default action, run on a thread of its own: a program that ignored the rule of
// one press at a time would not return from it until its second box closed. Where the proxy
// has no default action for a button, the click is posted as a message instead.
DWORD WINAPI DoDefaultAction(void* target) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IAccessible* accessible = nullptr;
    HRESULT pressed =
        AccessibleObjectFromWindow(static_cast<HWND>(target), OBJID_CLIENT, __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&accessible));
    if (SUCCEEDED(pressed)) {
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        pressed = accessible->accDoDefaultAction(self);
        accessible->Release();
    }
    CoUninitialize();
    if (pressed == E_NOTIMPL) {
        PostMessageW(static_cast<HWND>(target), BM_CLICK, 0, 0);
        return 2;
    }
    return SUCCEEDED(pressed) ? 1 : 0;
}

// "msaa", "message" or "none": how the button was pressed.
const char* PressAccessibly(HWND button) {
    HANDLE thread = CreateThread(nullptr, 0, &DoDefaultAction, button, 0, nullptr);
    DWORD way = 0;
    WaitForSingleObject(thread, 1000);
    GetExitCodeThread(thread, &way);
    CloseHandle(thread);
    // Still running: the action went through, and the program is inside a second press.
    return way == 2 ? "message" : way == 1 || way == STILL_ACTIVE ? "msaa" : "none";
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    // Line breaks leave exactly as the windows hold them.
    _setmode(_fileno(stdout), _O_BINARY);
    if (command == L"question") {
        std::fputs(Utf8(TextOf(FindWindowExW(Form1(), nullptr, L"Edit", nullptr))).c_str(), stdout);
    } else if (command == L"message") {
        std::fputs(Utf8(TextOf(MessageText())).c_str(), stdout);
    } else if (command == L"client-origin") {
        POINT origin{0, 0};
        ClientToScreen(Form1(), &origin);
        std::printf("%ld %ld", origin.x, origin.y);
    } else if (command == L"client-size") {
        RECT client{};
        GetClientRect(Form1(), &client);
        std::printf("%ld %ld", client.right, client.bottom);
    } else if (command == L"close") {
        PostMessageW(Form1(), WM_CLOSE, 0, 0);
    } else if (command == L"button-style") {
        const LONG_PTR style =
            GetWindowLongPtrW(FindWindowExW(Form1(), nullptr, L"Button", nullptr), GWL_STYLE);
        const LONG_PTR kind = style & BS_TYPEMASK;
        std::fputs(kind == BS_PUSHBUTTON      ? "push button"
                   : kind == BS_DEFPUSHBUTTON ? "default push button"
                                              : "other",
                   stdout);
    } else if (command == L"ask" && argc > 2) {
        const int times = argc > 3 ? _wtoi(argv[3]) : 1;
        for (int i = 0; i < times; ++i) {
            if (i > 0) std::fputc('\0', stdout);
            std::fputs(Utf8(Ask(argv[2])).c_str(), stdout);
        }
    } else if (command == L"colours") {
        for (const int element : {COLOR_BTNFACE, COLOR_WINDOW, COLOR_BTNTEXT}) {
            const COLORREF colour = GetSysColor(element);
            std::printf("%d %d %d\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        }
    } else if (command == L"press-twice") {
        HWND button = FindWindowExW(Form1(), nullptr, L"Button", nullptr);
        PostMessageW(button, BM_CLICK, 0, 0);
        MessageBoxUp();
        const char* way = PressAccessibly(button);
        Sleep(1000);  // time for a second box to come up, if the program let one
        std::printf("%d %s", CountMessageBoxes(), way);
    } else if (command == L"accessible" && argc > 2) {
        const std::wstring what = argv[2];
        HWND control = nullptr;
        if (what == L"message") {
            control = MessageText();
        } else {
            control =
                FindWindowExW(Form1(), nullptr, what == L"button" ? L"Button" : L"Edit", nullptr);
        }
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const int status = PrintAccessible(control);
        CoUninitialize();
        return status;
    } else {
        std::fputs(
            "usage: win32_probe question|message|client-origin|client-size|close|accessible|"
            "button-style|ask|colours|press-twice\n",
            stderr);
        return 2;
    }
    return 0;
}
