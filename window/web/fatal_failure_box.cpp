// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The fatal-failure box on the page.

#include "window/web/fatal_failure_box.h"

#include "window/form1_layout.h"
#include "window/web/page.h"

namespace zefra::web {

void ShowFatalFailureBox(std::string_view what) noexcept {
    zefra_show_fatal_failure(layout::kApplicationTitle.data(),
                             static_cast<int>(layout::kApplicationTitle.size()), what.data(),
                             static_cast<int>(what.size()));
}

}  // namespace zefra::web
