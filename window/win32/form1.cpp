// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The Win32 window: its controls built from the description, its messages, the ask command's view.

#include "window/win32/form1.h"

#include <algorithm>
#include <stdexcept>

#include "platform/guarded_run.h"
#include "window/win32/ball_painter.h"
#include "window/win32/dpi.h"
#include "window/win32/layout_to_win32.h"
#include "window/win32/resources/resource_ids.h"

namespace zefra::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"ZefraForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
// Child window identifiers: 100 plus the control's place in the description. They stay clear
// of IDOK and IDCANCEL, so neither Enter nor Escape can stand for a press of the button.
constexpr int kFirstControlId = 100;

int ControlId(std::size_t index) {
    return kFirstControlId + static_cast<int>(index);
}

constexpr std::size_t kLabel1 = layout::IndexOfControl("Label1");
using layout::kCommand1;
using layout::kText1;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ZEFRA_PROGRAM_ICON));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(ZEFRA_PROGRAM_ICON), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(SystemColourOf(layout::kForm1.background));
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("the main window's class could not be registered");
    }
}

// The class brush is a system colour's.
static_assert(layout::kForm1.background != layout::Paint::kBlack &&
              layout::kForm1.background != layout::Paint::kTransparent);

SIZE ClientSize(int dpi) {
    return {layout::TwipsToPixels(layout::kForm1.clientWidth, dpi),
            layout::TwipsToPixels(layout::kForm1.clientHeight, dpi)};
}

}  // namespace

Form1::Form1(HINSTANCE instance, RandomSource& source) : askClicks_(*this, source) {
    RegisterWindowClass(instance, &WindowProcedure);
    const std::wstring caption = ToWide(layout::kForm1.caption);
    const SIZE size = WindowSizeFor(ClientSize(DpiOf(nullptr)), kStyle, kExStyle, DpiOf(nullptr));
    window_.reset(CreateWindowExW(kExStyle, kWindowClass, caption.c_str(), kStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance,
                                  this));
    if (!window_) throw std::runtime_error("the main window could not be created");
    CreateControls(instance);
    ApplyDpi(DpiOf(window_.get()));
}

void Form1::Show(int showCommand) {
    ShowWindow(window_.get(), showCommand);
    UpdateWindow(window_.get());
}

void Form1::CreateControls(HINSTANCE instance) {
    HWND parent = window_.get();
    for (std::size_t i = 0; i < layout::kForm1Controls.size(); ++i) {
        const layout::Control& control = layout::kForm1Controls[i];
        const std::wstring text = ToWide(control.text);
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(i)));
        constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        HWND child = nullptr;
        if (i == kText1) {
            // Screen readers name a text box after the static text created just before it; this
            // one is never shown, the way a hidden label names a field on a web page.
            if (CreateWindowExW(0, L"STATIC", ToWide(layout::AccessibleNameOf(control)).c_str(),
                                WS_CHILD | SS_LEFT, 0, 0, 0, 0, parent, nullptr, instance,
                                nullptr) == nullptr) {
                throw std::runtime_error("the question box's label could not be created");
            }
            // Multi-line without scroll bars: it wraps at its width.
            child = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                                    kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0, 0,
                                    0, parent, id, instance, nullptr);
            if (child != nullptr) SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // no limit
        } else if (i == kCommand1) {
            child = CreateWindowExW(0, L"BUTTON", text.c_str(), kChild | BS_PUSHBUTTON, 0, 0, 0, 0,
                                    parent, id, instance, nullptr);
        } else {
            continue;  // painted by the window itself
        }
        if (child == nullptr) throw std::runtime_error("a control could not be created");
        controls_[i] = child;
        tabOrder_.push_back(child);  // the description lists them in tab order
    }
    focusToRestore_ = controls_[kText1];
}

void Form1::ApplyDpi(int dpi) {
    dpi_ = dpi;
    for (std::size_t i = 0; i < layout::kForm1Controls.size(); ++i) {
        const layout::Control& control = layout::kForm1Controls[i];
        Font font = control.font ? CreateFontFor(*control.font, dpi) : Font();
        if (controls_[i] != nullptr) {
            const RECT box = PixelBox(control.box, dpi);
            SetWindowPos(controls_[i], nullptr, box.left, box.top, box.right - box.left,
                         box.bottom - box.top, SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
        }
        // The previous font goes only now that no control uses it any more.
        fonts_[i] = std::move(font);
    }
    InvalidateRect(window_.get(), nullptr, TRUE);
}

bool Form1::HandleDialogKey(const MSG& message) {
    HWND window = window_.get();
    if (message.message != WM_KEYDOWN || tabOrder_.empty()) return false;
    if (message.hwnd != window && GetParent(message.hwnd) != window) return false;
    if (message.wParam == VK_RETURN && message.hwnd == controls_[kCommand1]) {
        // As in a dialog, Enter presses the push button that has the focus (keypad Enter too).
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(ControlId(kCommand1), BN_CLICKED),
                     reinterpret_cast<LPARAM>(message.hwnd));
        return true;
    }
    if (message.wParam != VK_TAB) return false;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    const auto current = std::find(tabOrder_.begin(), tabOrder_.end(), GetFocus());
    const auto count = static_cast<std::ptrdiff_t>(tabOrder_.size());
    std::ptrdiff_t next = current == tabOrder_.end() ? 0 : current - tabOrder_.begin();
    next = (next + (backwards ? count - 1 : 1)) % count;
    SetFocus(tabOrder_[static_cast<std::size_t>(next)]);
    // The keyboard is in use: from now on the focused control shows its focus rectangle, as a
    // dialog's controls do once Tab has been pressed.
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

Text Form1::GetQuestionText() {
    HWND text1 = controls_[kText1];
    const int length = GetWindowTextLengthW(text1);
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    SetLastError(ERROR_SUCCESS);
    const int copied = GetWindowTextW(text1, buffer.data(), length + 1);
    if (copied == 0 && GetLastError() != ERROR_SUCCESS) {
        throw std::runtime_error("the question box could not be read");
    }
    return FromWide(buffer.data(), static_cast<std::size_t>(copied));
}

void Form1::SetQuestionText(TextView text) {
    if (!SetWindowTextW(controls_[kText1], ToWide(text).c_str())) {
        throw std::runtime_error("the question box could not be written");
    }
}

void Form1::ShowMessage(TextView text) {
    const std::wstring caption = ToWide(layout::kApplicationTitle);
    if (MessageBoxW(window_.get(), ToWide(text).c_str(), caption.c_str(), MB_OK | MB_APPLMODAL) ==
        0) {
        throw std::runtime_error("the message box could not be shown");
    }
}

LRESULT CALLBACK Form1::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
    try {
        if (message == WM_NCCREATE) {
            auto* form =
                static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        }
        auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NCDESTROY) {
            // The window's last message: nothing after it may reach the Form1.
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            if (form != nullptr && form->window_.get() == window) (void)form->window_.release();
            form = nullptr;
        }
        if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        return form->HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        // The fatal box's own message loop must not bring the failing message back here.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        ReportUnhandledFailure();
    }
}

LRESULT Form1::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == ControlId(kCommand1) && HIWORD(wParam) == BN_CLICKED) {
                askClicks_.Click();
                return 0;
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(window, &paint);
            PaintBall(dc, dpi_, fonts_[kLabel1].get());
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ACTIVATE:
            // A plain window does not remember which control had the focus; keep it ourselves.
            if (LOWORD(wParam) == WA_INACTIVE) focusToRestore_ = GetFocus();
            break;
        case WM_SETFOCUS:
            SetFocus(focusToRestore_ != nullptr && IsChild(window, focusToRestore_)
                         ? focusToRestore_
                         : controls_[kText1]);
            return 0;
        case WM_DPICHANGED: {  // follow the monitor, at the size the system suggests
            ApplyDpi(HIWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            // While a reply is up the window takes no input, closing included (another program
            // can still ask). Otherwise the person closed the window: the program ends, and the
            // window goes with the Form1 that owns it. Only this ends the message loop, so that
            // a box still to be shown (the fatal-failure box, say) is never ended by a quit
            // left in the queue.
            if (!askClicks_.HandlingClick()) PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zefra::win32
