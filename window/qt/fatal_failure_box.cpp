// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The fatal-failure box on Qt: an error message box, where there is an application to show it.

#include "window/qt/fatal_failure_box.h"

#include <QApplication>
#include <QMessageBox>

#include "window/qt/layout_to_qt.h"

namespace zefra::qt {

void ShowFatalFailureBox(std::string_view what) noexcept {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
    try {
        QMessageBox::critical(nullptr, ToQString(layout::kApplicationTitle),
                              QString::fromUtf8(what.data(), static_cast<qsizetype>(what.size())));
    } catch (...) {
        // The failure is already on standard error; the process ends either way.
    }
}

}  // namespace zefra::qt
