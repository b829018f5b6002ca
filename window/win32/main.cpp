// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's entry on Windows: the generator, the window and a plain message loop, guarded.

#include <windows.h>

#include "platform/guarded_run.h"
#include "platform/process_random_source.h"
#include "platform/report_fatal_failure.h"
#include "window/win32/fatal_failure_box.h"
#include "window/win32/form1.h"

namespace {

int RunMessageLoop(zefra::win32::Form1& form1) {
    MSG message;
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (form1.HandleDialogKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // -1 is a failure of the loop itself, not an ordinary end with an exit code.
    if (got < 0) zefra::ReportFatalFailure("the message loop failed");
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    return zefra::RunGuarded([instance, showCommand] {
        zefra::ProcessRandomSource source;
        zefra::SetFatalFailurePresenter(&zefra::win32::ShowFatalFailureBox);
        zefra::win32::Form1 form1(instance, source);
        form1.Show(showCommand);
        return RunMessageLoop(form1);
    });
}
