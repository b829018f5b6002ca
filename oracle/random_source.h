// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The random values the draw takes: an interface that the process's generator and the tests'
// scripted sources implement.

#pragma once

namespace zefra {

// The generator the draw consumes. One value per draw; nothing else takes values from it.
class RandomSource {
  public:
    virtual ~RandomSource() = default;

    // The next value r of the sequence, with 0 <= r < 1.
    virtual float NextUnit() = 0;
};

}  // namespace zefra
