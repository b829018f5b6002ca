// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The process's generator, the fatal-failure path, the guarded run and the ask button's clicks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "first_replies.h"
#include "oracle_fakes.h"
#include "platform/ask_click_handler.h"
#include "platform/guarded_run.h"
#include "platform/process_random_source.h"
#include "platform/report_fatal_failure.h"

namespace zefra {
namespace {

TEST(ProcessRandomSource, EveryRunDrawsTheSameIndices) {
    // Pinned: a change here changes the replies every user sees, on every platform.
    ProcessRandomSource fresh;
    ProcessRandomSource another;
    for (std::size_t i = 0; i < testing::kFirstAnswerIndices.size(); ++i) {
        const AnswerIndex expected = static_cast<AnswerIndex>(testing::kFirstAnswerIndices[i]);
        EXPECT_EQ(DrawAnswerIndex(fresh), expected);
        EXPECT_EQ(DrawAnswerIndex(another), expected);
        EXPECT_EQ(std::get<std::u16string_view>(AnswerAt(expected)), testing::kFirstReplies[i]);
    }
}

// Exact multiples of 2^-24, so that none can round up to 1.0 on its way to the draw.
TEST(ProcessRandomSource, GivesExactValuesBelowOne) {
    ProcessRandomSource source;
    for (int i = 0; i < 300'000; ++i) {
        const float r = source.NextUnit();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(std::ldexp(r, 24), std::floor(std::ldexp(r, 24))) << "a multiple of 2^-24";
    }
}

// Death tests need a process of their own for each case; WebAssembly under node has none.
#if GTEST_HAS_DEATH_TEST
TEST(ReportFatalFailureDeathTest, ReportsOnStandardErrorAndEndsTheProcess) {
    EXPECT_EXIT(ReportFatalFailure("the question box is gone"), ::testing::ExitedWithCode(1),
                "^Zefra: fatal failure: the question box is gone\n$");

    // A front end's presenter sees the same failure, once.
    static int presented = 0;
    SetFatalFailurePresenter([](std::string_view what) noexcept {
        std::fprintf(stderr, "presented %d: %.*s\n", ++presented, static_cast<int>(what.size()),
                     what.data());
        ReportFatalFailure("presenter failed too");
    });
    EXPECT_EXIT(ReportFatalFailure("boom"), ::testing::ExitedWithCode(1),
                "fatal failure: boom\npresented 1: boom\n.*presenter failed too\n$");
    SetFatalFailurePresenter(nullptr);
}

TEST(AskClickHandlerDeathTest, AFailureThatEscapesTheAskCommandEndsTheProgram) {
    ProcessRandomSource source;
    testing::RecordingView failingRead({u"Q"}, 0);
    EXPECT_EXIT(AskClickHandler(failingRead, source).Click(), ::testing::ExitedWithCode(1),
                "fatal failure: question view failed");

    testing::ScriptedSource broken({std::nanf("")});
    testing::RecordingView view({u"Q"});
    EXPECT_EXIT(AskClickHandler(view, broken).Click(), ::testing::ExitedWithCode(1),
                "fatal failure: random source gave .*, outside \\[0, 1\\)");

    struct NotAnException {};
    struct ThrowingSource final : RandomSource {
        float NextUnit() override { throw NotAnException{}; }
    } strange;
    EXPECT_EXIT(AskClickHandler(view, strange).Click(), ::testing::ExitedWithCode(1),
                "fatal failure: an unknown failure");
}

[[gnu::noinline]] void Fail(const char* what) {
    throw std::runtime_error(what);
}

TEST(RunGuardedDeathTest, EveryUnhandledFailureEndsInTheFatalFailurePath) {
    EXPECT_EXIT(std::exit(RunGuarded([] { return 7; })), ::testing::ExitedWithCode(7), "");
    EXPECT_EXIT(RunGuarded([]() -> int { throw std::runtime_error("no window"); }),
                ::testing::ExitedWithCode(1), "fatal failure: no window\n$");
    EXPECT_EXIT(RunGuarded([]() -> int { throw 42; }), ::testing::ExitedWithCode(1),
                "fatal failure: an unknown failure\n$");
    // std::terminate, from anywhere once the guard runs: here, a failure leaving a noexcept call.
    EXPECT_EXIT(RunGuarded([] {
                    []() noexcept { Fail("escaped"); }();
                    return 0;
                }),
                ::testing::ExitedWithCode(1), "fatal failure: escaped\n$");
    EXPECT_EXIT(RunGuarded([]() -> int { std::terminate(); }), ::testing::ExitedWithCode(1),
                "fatal failure: the program was ended by a failure that nothing handled\n$");
}
#endif

TEST(AskClickHandler, AClickWhileOneIsBeingHandledIsIgnored) {
    testing::ScriptedSource source({0.0f, 0.5f});
    testing::RecordingView view({u"Q"});
    AskClickHandler handler(view, source);
    bool nestedClickHandled = true;
    int shown = 0;
    view.whileShown = [&] {
        if (shown++ == 0) nestedClickHandled = handler.Click();
    };
    EXPECT_TRUE(handler.Click());
    EXPECT_FALSE(nestedClickHandled);
    EXPECT_EQ(source.taken(), 1U);
    EXPECT_EQ(view.calls(), (std::vector<Text>{u"get", u"show:Of course!", u"set:"}));
    EXPECT_EQ(handler.lastAnswerIndex(), 0);

    // Once the first is done, the next click is handled as usual.
    view.whileShown = nullptr;
    view.SetQuestionText(u"Again?");
    EXPECT_TRUE(handler.Click());
    EXPECT_EQ(handler.lastAnswerIndex(), 15);
}

}  // namespace
}  // namespace zefra
