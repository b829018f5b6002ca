// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The process's generator: the next value of its sequence as a float in [0, 1).

#include "platform/process_random_source.h"

namespace zefra {

float ProcessRandomSource::NextUnit() {
    // The top 24 bits fit a float's significand, so the quotient is exact and below 1.0.
    // (generate_canonical and uniform_real_distribution differ between standard libraries and
    // can round up to 1.0 in single precision.)
    constexpr float kTwoTo24 = 16777216.0f;
    const auto top24 = static_cast<std::uint32_t>(engine_() >> 8);
    return static_cast<float>(top24) / kTwoTo24;
}

}  // namespace zefra
