// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Font look-alikes on Qt.

#pragma once

namespace zefra::qt {

// The window asks for its fonts by their Windows names; where those are not installed, Qt
// takes free look-alikes of the same size and weight.
void InstallFontSubstitutions();

}  // namespace zefra::qt
