// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Drives the ask command with arbitrary question texts, arbitrary values from the source and a
// view that may fail at any call, for the sanitizers to find a crash, a leak or undefined
// behaviour. What a press must do is the unit tests' business.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <stdexcept>

#include "oracle/ask_question.h"
#include "oracle_fakes.h"

namespace {

using namespace zefra;

Text ConsumeText(FuzzedDataProvider& data, std::size_t maxUnits) {
    Text text;
    const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, maxUnits);
    while (text.size() < length && data.remaining_bytes() > 0) {
        text.push_back(data.ConsumeIntegral<char16_t>());
    }
    return text;
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
    AnswerIndex last = 0;
    // The failures the command lets through by design; anything else ends the run.
    try {
        AskQuestion(view, source, last);
    } catch (const std::runtime_error&) {
    } catch (const std::out_of_range&) {
    }
    return 0;
}
