// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Stand-ins for the window and the random source, for the tests that drive the ask command.

#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "oracle/question_view.h"
#include "oracle/random_source.h"

namespace zefra::testing {

// A source that hands out the given values in order and counts what was taken.
class ScriptedSource final : public RandomSource {
  public:
    explicit ScriptedSource(std::vector<float> values) : values_(std::move(values)) {}

    float NextUnit() override {
        if (taken_ == values_.size()) throw std::logic_error("scripted source ran dry");
        return values_[taken_++];
    }
    std::size_t taken() const { return taken_; }

  private:
    std::vector<float> values_;
    std::size_t taken_ = 0;
};

// A question box that records every call, in order, as "get", "show:<text>" or "set:<text>".
// Each read returns the next scripted box content (the last one repeats). The call numbered
// failAtCall (0-based) throws instead of doing its work.
class RecordingView final : public QuestionView {
  public:
    explicit RecordingView(std::deque<Text> boxContents, int failAtCall = -1)
        : box_(std::move(boxContents)), failAtCall_(failAtCall) {}

    Text GetQuestionText() override {
        Record(u"get");
        Text current = box_.front();
        if (box_.size() > 1) box_.pop_front();
        return current;
    }
    void SetQuestionText(TextView text) override {
        Record(u"set:" + Text(text));
        box_ = {Text(text)};
    }
    void ShowMessage(TextView text) override {
        Record(u"show:" + Text(text));
        if (whileShown) whileShown();
    }

    // What happens while the message box is up, such as another click of the ask button.
    std::function<void()> whileShown;

    const std::vector<Text>& calls() const { return calls_; }
    const Text& box() const { return box_.front(); }

  private:
    void Record(Text call) {
        if (static_cast<int>(calls_.size()) == failAtCall_) {
            calls_.push_back(u"failed " + call);
            throw std::runtime_error("question view failed");
        }
        calls_.push_back(std::move(call));
    }

    std::deque<Text> box_;
    int failAtCall_;
    std::vector<Text> calls_;
};

}  // namespace zefra::testing
