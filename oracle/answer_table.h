// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The thirty answers, in their fixed order, and the draw that picks one of them for a press.

#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

#include "oracle/random_source.h"

namespace zefra {

using AnswerIndex = std::int16_t;

// The one entry that, instead of a text of its own, repeats the question back.
struct EchoQuestion {
    bool operator==(const EchoQuestion&) const = default;
};

using Answer = std::variant<std::u16string_view, EchoQuestion>;

inline constexpr AnswerIndex kAnswerCount = 30;

inline constexpr std::array<Answer, kAnswerCount> AnswerTable{
    u"Of course!",
    u"Certainly!",
    u"Yes!",
    u"It's possible",
    u"Maybe",
    u"Maybe not",
    u"Nope",
    u"Why would that happen?",
    u"I don't know.",
    u"Ask again.",
    u"Take a guess",
    u"It's impossible",
    u"It can't happen.",
    u"It might happen.",
    u"You'll have to see for yourself.",
    u"That's a stupid question.",
    u"Why not?",
    u"Can't you tell?",
    u"I believe so.",
    u"If I knew, I would tell you.",
    u"If I knew, I wouldn't tell you.",
    EchoQuestion{},
    u"Why do you ask that?",
    u"I'll tell you some other time.",
    u"It's a secret.",
    u"I'll tell you if you give me a cookie.",
    u"I don't think so.",
    u"I'm absolutely sure.",
    u"Duh",
    u"Stop staring",
};

// Takes exactly one value from the source and maps [k/30, (k+1)/30) to k. A source that
// breaks its contract (NaN, below 0, at or above 1) throws std::out_of_range.
AnswerIndex DrawAnswerIndex(RandomSource& source);

// The entry at 0..29; any other index throws std::out_of_range, so nothing reads outside
// the table.
const Answer& AnswerAt(AnswerIndex index);

}  // namespace zefra
