// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

#pragma once

// Identifiers shared by the resource script and the code.
#define ZEFRA_PROGRAM_ICON 1
