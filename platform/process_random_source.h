// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The process's one random generator, behind the oracle's RandomSource.

#pragma once

#include <cstdint>
#include <random>

#include "oracle/random_source.h"

namespace zefra {

// The process's one generator. Never seeded: a default-constructed mt19937 starts from the state
// the C++ standard fixes, so every run, on every compiler and platform, draws the same sequence.
class ProcessRandomSource final : public RandomSource {
  public:
    float NextUnit() override;

  private:
    std::mt19937 engine_;
};

}  // namespace zefra
