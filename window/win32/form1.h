// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's one window on Windows.

#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "oracle/question_view.h"
#include "platform/ask_click_handler.h"
#include "window/form1_layout.h"
#include "window/win32/gdi_handles.h"
#include "window/win32/window_handle.h"

namespace zefra::win32 {

// The program's one window: the ball it paints itself, the question box (an EDIT control) and
// the ask button. It is the ask command's view of the question box and its message boxes.
class Form1 final : public QuestionView {
  public:
    Form1(HINSTANCE instance, RandomSource& source);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    void Show(int showCommand);

    // The keys a dialog gives meaning to: Tab and Shift+Tab move the focus between the question
    // box and the button (the box would otherwise type a tab) and show where it is, and Enter
    // presses the button while it has the focus. True when the message was such a key and was
    // handled.
    bool HandleDialogKey(const MSG& message);

    Text GetQuestionText() override;
    void SetQuestionText(TextView text) override;
    void ShowMessage(TextView text) override;

  private:
    // Nothing may be thrown through the system's frames: a failure is reported from here.
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance);
    // Places the controls and makes their fonts for a resolution.
    void ApplyDpi(int dpi);

    AskClickHandler askClicks_;
    int dpi_ = 96;
    // Per control of the description, in its order: the child window, if it is one, and font.
    std::array<HWND, layout::kForm1Controls.size()> controls_{};
    std::array<Font, layout::kForm1Controls.size()> fonts_{};
    std::vector<HWND> tabOrder_;
    HWND focusToRestore_ = nullptr;
    // Last, so that it is destroyed first, while everything its messages use is still there.
    WindowHandle window_;
};

}  // namespace zefra::win32
