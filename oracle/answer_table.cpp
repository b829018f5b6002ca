// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The draw, one value from the source turned into a place in the table, and the table read by
// place; values outside their range are refused.

#include "oracle/answer_table.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace zefra {

AnswerIndex DrawAnswerIndex(RandomSource& source) {
    const float r = source.NextUnit();
    // Written so that NaN fails too.
    if (!(r >= 0.0f && r < 1.0f)) {
        throw std::out_of_range("random source gave " + std::to_string(r) + ", outside [0, 1)");
    }
    // A float times 30 is exact in double precision; rounding it to float first could carry
    // a value just below a boundary (say, just below 21/30) up onto it.
    const double scaled = static_cast<double>(r) * kAnswerCount;
    return static_cast<AnswerIndex>(std::floor(scaled));
}

const Answer& AnswerAt(AnswerIndex index) {
    if (index < 0 || index >= kAnswerCount) {
        throw std::out_of_range("answer index " + std::to_string(index) + " is outside 0..29");
    }
    return AnswerTable[static_cast<std::size_t>(index)];
}

}  // namespace zefra
