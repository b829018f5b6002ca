// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's icon on Qt.

#pragma once

#include <QIcon>

namespace zefra::qt {

// The ball at 16, 32 and 48 pixels, from the program's resources.
QIcon ProgramIcon();

}  // namespace zefra::qt
