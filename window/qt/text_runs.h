// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Finding words too long to wrap at word boundaries, for the question box and the message box.

#pragma once

#include <QString>

namespace zefra::qt {

// Whether the text has more than `limit` code units in a row without white space: a word
// that no line can break at a word boundary.
inline bool HasWordLongerThan(const QString& text, qsizetype limit) {
    qsizetype run = 0;
    for (const QChar unit : text) {
        run = unit.isSpace() ? 0 : run + 1;
        if (run > limit) return true;
    }
    return false;
}

}  // namespace zefra::qt
