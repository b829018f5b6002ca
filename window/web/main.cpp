// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's entry on a page: the generator, once per page load and never seeded, and the
// window. The page keeps the program alive after main returns and calls back into it.
#include <emscripten/emscripten.h>

#include "platform/guarded_run.h"
#include "platform/process_random_source.h"
#include "platform/report_fatal_failure.h"
#include "window/web/fatal_failure_box.h"
#include "window/web/form1.h"

namespace {

zefra::web::Form1* form1 = nullptr;

}  // namespace

extern "C" {

// A press of the ask button; the page calls it so that it may wait for a dialog.
EMSCRIPTEN_KEEPALIVE void zefra_press_ask() {
    if (form1 != nullptr) form1->PressAsk();
}
}

int main() {
    return zefra::RunGuarded([] {
        static zefra::ProcessRandomSource source;
        zefra::SetFatalFailurePresenter(&zefra::web::ShowFatalFailureBox);
        static zefra::web::Form1 window(source);
        form1 = &window;
        return 0;
    });
}
