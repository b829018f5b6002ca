// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The resource numbers shared by the resource script and the code.

#pragma once

// Identifiers shared by the resource script and the code.
#define ZEFRA_PROGRAM_ICON 1
