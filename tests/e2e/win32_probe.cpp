// A helper for the end-to-end test under Wine: reads what Zefra's windows show, from outside
// the program, the way assistive tools do. Prints its findings as UTF-8 on standard output.
//   win32_probe question             the question box's text
//   win32_probe message              the text of the message box captioned "Zefra"
//   win32_probe client-origin        where Form1's client area starts on the screen: "x y"
//   win32_probe client-size          the size of Form1's client area in pixels: "width height"
//   win32_probe close                asks Form1 to close, as its close button does
// Waits up to ten seconds for the window it needs; exits 1 if it never comes.
#include <fcntl.h>
#include <io.h>
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

HWND WaitForWindow(const wchar_t* windowClass, const wchar_t* caption) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (HWND found = FindWindowW(windowClass, caption);
            found != nullptr && IsWindowVisible(found)) {
            return found;
        }
        Sleep(20);
    }
    std::fprintf(stderr, "no window captioned %ls\n", caption);
    std::exit(1);
}

HWND Form1() {
    return WaitForWindow(L"ZefraForm1", L"Form1");
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    // Line breaks leave exactly as the windows hold them.
    _setmode(_fileno(stdout), _O_BINARY);
    if (command == L"question") {
        std::fputs(Utf8(TextOf(FindWindowExW(Form1(), nullptr, L"Edit", nullptr))).c_str(), stdout);
    } else if (command == L"message") {
        // A message box is a dialog; its text is the static control with identifier 0xFFFF.
        HWND box = WaitForWindow(L"#32770", L"Zefra");
        std::fputs(Utf8(TextOf(GetDlgItem(box, 0xFFFF))).c_str(), stdout);
    } else if (command == L"client-origin") {
        POINT origin{0, 0};
        ClientToScreen(Form1(), &origin);
        std::printf("%ld %ld", origin.x, origin.y);
    } else if (command == L"client-size") {
        RECT client{};
        GetClientRect(Form1(), &client);
        std::printf("%ld %ld", client.right, client.bottom);
    } else if (command == L"close") {
        PostMessageW(Form1(), WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        std::fputs("usage: win32_probe question|message|client-origin|client-size|close\n", stderr);
        return 2;
    }
    return 0;
}
