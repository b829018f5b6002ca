// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Drives the ask command with arbitrary question texts, arbitrary values from the source and a
// view that may fail at any call. Each run is checked against a plain model of one press; any
// difference aborts.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "oracle/ask_question.h"
#include "oracle_fakes.h"

namespace {

using namespace zefra;

void Require(bool promise) {
    if (!promise) std::abort();
}

Text ConsumeText(FuzzedDataProvider& data, std::size_t maxUnits) {
    Text text;
    const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, maxUnits);
    while (text.size() < length && data.remaining_bytes() > 0) {
        text.push_back(data.ConsumeIntegral<char16_t>());
    }
    return text;
}

enum class Outcome { kReturned, kViewFailed, kSourceFailed };

struct Press {
    std::vector<Text> calls;
    Outcome outcome = Outcome::kReturned;
    AnswerIndex last = -7;
    std::size_t taken = 0;
};

// What one press must do, given what the box holds at each read and the value drawn.
Press Model(const Text& first, const Text& second, float r, int failAt) {
    Press press;
    const bool validDraw = r >= 0.0f && r < 1.0f;
    if (first.empty()) {
        press.calls = {u"get", u"show:Enter in a question, please."};
    } else if (!validDraw) {
        press.calls = {u"get"};
        press.outcome = Outcome::kSourceFailed;
        press.taken = 1;
    } else {
        const auto index = static_cast<AnswerIndex>(std::floor(double{r} * 30));
        press.last = index;
        press.taken = 1;
        press.calls =
            index == 21
                ? std::vector<Text>{u"get", u"get", u"show:" + second, u"set:"}
                : std::vector<Text>{u"get",
                                    u"show:" + Text(std::get<std::u16string_view>(
                                                   AnswerTable[static_cast<std::size_t>(index)])),
                                    u"set:"};
    }
    if (failAt >= 0 && static_cast<std::size_t>(failAt) < press.calls.size()) {
        press.calls.resize(static_cast<std::size_t>(failAt) + 1);
        press.calls.back() = u"failed " + press.calls.back();
        press.outcome = Outcome::kViewFailed;
        if (failAt == 0) press = {press.calls, Outcome::kViewFailed, -7, 0};
    }
    return press;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int failAt = data.ConsumeIntegralInRange(-1, 3);
    const float r = data.ConsumeBool() ? std::bit_cast<float>(data.ConsumeIntegral<std::uint32_t>())
                                       : data.ConsumeFloatingPointInRange(0.0f, 1.0f);
    const Text first = ConsumeText(data, 64);
    const Text second = data.ConsumeBool() ? first : ConsumeText(data, 64);

    testing::RecordingView view({first, second}, failAt);
    testing::ScriptedSource source({r});
    Press actual;
    try {
        AskQuestion(view, source, actual.last);
    } catch (const std::runtime_error&) {
        actual.outcome = Outcome::kViewFailed;
    } catch (const std::out_of_range&) {
        actual.outcome = Outcome::kSourceFailed;
    }
    actual.calls = view.calls();
    actual.taken = source.taken();

    const Press expected = Model(first, second, r, failAt);
    Require(actual.calls == expected.calls);
    Require(actual.outcome == expected.outcome);
    Require(actual.last == expected.last);
    Require(actual.taken == expected.taken);
    return 0;
}
